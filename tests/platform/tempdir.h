// Test helpers: a fresh temporary folder removed with its contents, whole-file
// read/write, a scoped environment variable and text in another encoding.
#pragma once

#include <dirent.h>
#include <iconv.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <stdexcept>
#include <iterator>
#include <set>
#include <string>

namespace testutil {

class TempDir {
 public:
  TempDir() {
    const char* base = getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/wirsel-test-XXXXXX";
    path_ = mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TempDir() { RemoveTree(path_); }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  // Names in the folder (without "." and "..").
  std::set<std::string> List() const { return ListOf(path_); }

  static std::set<std::string> ListOf(const std::string& folder) {
    std::set<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
      while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") names.insert(name);
      }
      closedir(dir);
    }
    return names;
  }

 private:
  static void RemoveTree(const std::string& path) {
    if (path.empty()) return;
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return;
    if (S_ISDIR(st.st_mode)) {
      chmod(path.c_str(), 0700);
      for (const std::string& name : ListOf(path)) RemoveTree(path + "/" + name);
      rmdir(path.c_str());
    } else {
      unlink(path.c_str());
    }
  }
  std::string path_;
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const std::string& data) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

// Sets (or with null unsets) an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    const char* old = getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
    if (value) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~ScopedEnv() {
    if (had_) setenv(name_.c_str(), old_.c_str(), 1);
    else unsetenv(name_.c_str());
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::string old_;
  bool had_ = false;
};

// `text` converted by iconv; a character the target lacks becomes '?', a byte
// the source lacks makes the call throw.
inline std::string Convert(const std::string& text, const char* from, const char* to) {
  const std::string target = std::string(to) + "//TRANSLIT";
  iconv_t cd = iconv_open(target.c_str(), from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open");
  std::string out(text.size() * 4 + 4, '\0');
  char* in = const_cast<char*>(text.data());
  size_t in_left = text.size(), out_left = out.size();
  char* o = out.data();
  const size_t result = iconv(cd, &in, &in_left, &o, &out_left);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1)) throw std::runtime_error("unconvertible text: " + text);
  out.resize(out.size() - out_left);
  return out;
}
inline std::string Cp1250(const std::string& utf8) { return Convert(utf8, "UTF-8", "CP1250"); }
inline std::string Utf8(const std::string& cp1250) { return Convert(cp1250, "CP1250", "UTF-8"); }

}  // namespace testutil
