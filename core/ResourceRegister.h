// The images and audio files a generation names, each numbered by its place
// in its list, as the page's Images0 and Audio0 parameters list them.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

class ResourceRegister {
 public:
  // The position of `file` in its list (appended when it is not there yet,
  // exact comparison).
  int RegisterImage(const std::string& file) { return Register(images, imageIndex_, file); }
  int RegisterAudio(const std::string& file) { return Register(audio, audioIndex_, file); }
  void Clear();

  // The lists may be changed from outside; the next registration indexes
  // them anew.
  std::vector<std::string> images;
  std::vector<std::string> audio;

 private:
  static int Register(std::vector<std::string>& list, std::unordered_map<std::string, int>& index,
                      const std::string& file);
  // Positions of the list entries, kept in step with the lists.
  std::unordered_map<std::string, int> imageIndex_;
  std::unordered_map<std::string, int> audioIndex_;
};
