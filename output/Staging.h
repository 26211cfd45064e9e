// Putting the files a page needs beside it.
#pragma once

#include <string>
#include <vector>

class Platform;

// Stages every file of `files` into `directory` (made when missing): a copy
// still up to date is skipped, a missing source or a failed copy asks
// Retry/Cancel. False when the directory cannot be made or the user cancels.
bool StageFiles(Platform& platform, const std::vector<std::string>& files,
                const std::string& directory);
