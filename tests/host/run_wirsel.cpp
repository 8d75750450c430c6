// Spawning `wirsel` for the command-line tests.
#include "run_wirsel.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

std::string TempFolder() {
  // Every folder made goes, with what it holds, when the test program ends.
  static struct Made {
    std::vector<std::string> folders;
    ~Made() {
      std::error_code ignored;
      for (const std::string& folder : folders) std::filesystem::remove_all(folder, ignored);
    }
  } made;
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/wirsel-host-test-XXXXXX";
  if (!mkdtemp(pattern.data())) std::abort();
  made.folders.push_back(pattern);
  return pattern;
}

bool Installed(const std::string& program) {
  return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

std::string DataPath(const std::string& name) { return std::string(HOST_TEST_DATA) + "/" + name; }

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string WriteTemp(const std::string& name, const std::string& bytes) {
  const std::string path = TempFolder() + "/" + name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::vector<std::string> FilesIn(const std::vector<std::string>& folders,
                                 const std::vector<std::string>& extensions) {
  std::vector<std::string> paths;
  for (const std::string& folder : folders) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      const std::string extension = entry.path().extension().string();
      if (entry.path().filename().string().find(".expected.") == std::string::npos &&
          std::find(extensions.begin(), extensions.end(), extension) != extensions.end()) {
        paths.push_back(entry.path().string());
      }
    }
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

std::string FileTestName(const testing::TestParamInfo<std::string>& info) {
  std::string name = std::filesystem::path(info.param).filename().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

WirselRun RunWirsel(const std::string& host, const std::vector<std::string>& args,
                    const std::map<std::string, std::string>& env) {
  const std::string folder = TempFolder();
  const std::string out_path = folder + "/stdout";
  const std::string err_path = folder + "/stderr";
  std::map<std::string, std::string> vars = {
      {"XDG_DATA_HOME", folder + "/data"}, {"LANG", "C"}, {"HOME", folder}};
  vars["WIRSEL_HOST_DIR"] = host.empty() ? REAL_HOST : std::string(TEST_HOSTS) + "/" + host;
  for (const auto& [key, value] : env) vars[key] = value;

  const std::string in_path = vars.count("<stdin>") ? vars["<stdin>"] : "/dev/null";
  const std::string given_out = vars.count("<stdout>") ? vars["<stdout>"] : "";
  int terminal = -1;
  int terminal_end = -1;
  if (vars.count("<terminal>") && openpty(&terminal, &terminal_end, nullptr, nullptr, nullptr)) {
    std::abort();
  }
  for (const char* key : {"<stdin>", "<stdout>", "<terminal>"}) vars.erase(key);
  const pid_t child = fork();
  if (child == 0) {
    const int in = open(in_path.c_str(), O_RDONLY);
    const int out = given_out.empty() ? open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600)
                                      : open(given_out.c_str(), O_WRONLY);
    const int err = terminal_end >= 0 ? terminal_end
                                      : open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    for (const auto& [key, value] : vars) {
      if (value.empty()) {
        unsetenv(key.c_str());
      } else {
        setenv(key.c_str(), value.c_str(), 1);
      }
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(WIRSEL_BINARY));
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(WIRSEL_BINARY, argv.data());
    _exit(127);
  }
  WirselRun run;
  if (terminal >= 0) {
    close(terminal_end);
    char buffer[4096];
    for (ssize_t n; (n = read(terminal, buffer, sizeof buffer)) > 0;) {
      run.err.append(buffer, size_t(n));
    }
    close(terminal);
  }
  int status = 0;
  waitpid(child, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  run.out = ReadBytes(out_path);
  if (terminal < 0) run.err = ReadBytes(err_path);
  std::filesystem::remove_all(folder);
  return run;
}

HostFolder::HostFolder(const std::string& ini, const std::string& son_dic) : folder_(TempFolder()) {
  namespace fs = std::filesystem;
  const fs::path real = fs::path(REAL_HOST) / "XTensions";
  fs::create_directory(xtensions());
  // A copy: the plug-in finds its data files and writes its own beside the
  // file it was loaded from, with links resolved.
  fs::copy_file(real / "Wirsel13.so", File("Wirsel13.so"));
  if (fs::exists(real / "PLHYPH.DAT")) fs::copy_file(real / "PLHYPH.DAT", File("PLHYPH.DAT"));
  if (!son_dic.empty()) {
    fs::copy_file(son_dic, File("son.dic"));
  } else {
    // The shipped dictionary comes with its list of mixed-case forms.
    for (const char* data : {"son.dic", "son-mixed.dic"}) {
      if (fs::exists(real / data)) fs::create_symlink(real / data, File(data));
    }
  }
  if (!ini.empty()) Put("Wirsel13.ini", ini);
}

HostFolder::~HostFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void HostFolder::Put(const std::string& name, const std::string& bytes) const {
  std::ofstream(File(name), std::ios::binary) << bytes;
}

WirselRun HostFolder::Run(std::vector<std::string> args,
                          const std::map<std::string, std::string>& extra_env) const {
  for (std::string& arg : args) {
    if (!arg.empty() && arg[0] == '@') arg = DataPath(arg.substr(1));
  }
  std::map<std::string, std::string> env = {{"WIRSEL_HOST_DIR", folder_},
                                            {"XDG_DATA_HOME", folder_ + "/data"}};
  for (const auto& [key, value] : extra_env) env[key] = value;
  return RunWirsel("", args, env);
}
