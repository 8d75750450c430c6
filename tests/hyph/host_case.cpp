// Host folders for the module's end-to-end tests.
#include "host_case.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

HostCase::HostCase() : folder_(TempFolder()) {
  fs::create_directory(XTensions());
  fs::copy_file(PLUGIN_FILE, File("Wirsel13.so"));
  for (const char* data : {"PLHYPH.DAT", "son.dic"}) {
    const fs::path real = fs::path(REAL_HOST) / "XTensions" / data;
    if (fs::exists(real)) fs::create_symlink(real, File(data));
  }
}

HostCase::~HostCase() {
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

void HostCase::Put(const std::string& name, const std::string& bytes) const {
  std::ofstream(File(name), std::ios::binary) << bytes;
}

WirselRun HostCase::Run(std::vector<std::string> args) const {
  for (std::string& arg : args) {
    if (!arg.empty() && arg[0] == '@') arg = DataPath(arg.substr(1));
  }
  return RunWirsel("", args, {{"WIRSEL_HOST_DIR", folder_}});
}
