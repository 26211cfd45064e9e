#include "core/ResourceRegister.h"

void ResourceRegister::Clear() {
  images.clear();
  audio.clear();
  imageIndex_.clear();
  audioIndex_.clear();
}

int ResourceRegister::Register(std::vector<std::string>& list,
                               std::unordered_map<std::string, int>& index,
                               const std::string& file) {
  if (index.size() != list.size()) {
    // The list was changed from outside: index it again.
    index.clear();
    for (std::size_t i = 0; i < list.size(); ++i) index.emplace(list[i], static_cast<int>(i));
    if (index.size() != list.size()) {
      for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == file) return static_cast<int>(i);
      list.push_back(file);
      return static_cast<int>(list.size() - 1);
    }
  }
  auto it = index.find(file);
  if (it != index.end()) return it->second;
  list.push_back(file);
  const int pos = static_cast<int>(list.size() - 1);
  index.emplace(file, pos);
  return pos;
}
