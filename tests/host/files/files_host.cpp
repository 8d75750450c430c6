// File-test helpers.
#include "files_host.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

FilesHost::FilesHost(const std::string& ini) : DictHost(ini) { Run({"menus"}); }

std::string FilesTest::File(const std::string& name, const std::string& bytes) const {
  const std::string path = folder_ + "/" + name;
  WriteBytes(path, bytes);
  return path;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

mode_t ModeOf(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

bool IsSymlink(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}
