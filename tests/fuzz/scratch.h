// The scratch files of the fuzz targets: one private folder per process under
// $TMPDIR (or /tmp), made on first use and removed with its files when the
// process exits, so that runs side by side never share a file.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/process.h"

namespace fuzz {

class ScratchFolder {
 public:
  ScratchFolder() : path_(platform::MakeScratchFolder("wirsel-fuzz-")) {
    if (path_.empty()) {
      std::perror("wirsel fuzz: cannot make a scratch folder");
      std::abort();
    }
  }
  ~ScratchFolder() { platform::RemoveScratchFolder(path_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The path of `name` inside this process's scratch folder.
inline std::string ScratchPath(const std::string& name) {
  static const ScratchFolder folder;
  return folder.path() + "/" + name;
}

}  // namespace fuzz
