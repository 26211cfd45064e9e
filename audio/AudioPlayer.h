// Test playback of a state's sound: the Sun audio file is converted into a
// temporary WAVE file, which is played once. Each playback's file is deleted
// at the next one, and the last when the player goes away. The sound output
// itself lies behind PlayWave() and Stop(), so that a stand-in can take the
// place of the real device.
#pragma once

#include <QObject>
#include <memory>
#include <string>

class AudioPlayer : public QObject {
  Q_OBJECT
 public:
  explicit AudioPlayer(QObject* parent = nullptr);
  // Deletes the last temporary file. A player that plays stops first.
  ~AudioPlayer() override;

  // The player of this platform: Qt Multimedia when the program is built with
  // it, otherwise one that has no output.
  static std::unique_ptr<AudioPlayer> Create();

  // Whether there is an audio output device to play on.
  virtual bool HasOutput() = 0;

  // Converts `auFile` into a new temporary WAVE file, deleting the previous
  // one, and starts playing it once; finished() follows at its end. False,
  // with nothing playing, when the file cannot be converted.
  bool Play(const std::string& auFile);
  // Stops playing; finished() does not follow.
  virtual void Stop() = 0;

  // The temporary WAVE file of the last playback ("" when none).
  const std::string& waveFile() const { return waveFile_; }

 signals:
  // The sound came to its end.
  void finished();

 protected:
  virtual void PlayWave(const std::string& waveFile) = 0;

 private:
  std::string waveFile_;
};
