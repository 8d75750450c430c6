// Helpers of the file tests: a host of its own (dict_host.h) whose user files
// exist already, and small views of files and folders.
#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <string>
#include <vector>

#include "dict_host.h"

// A DictHost after one run, so that user.dic and PLHYPH.USR exist and a
// later run writes only what the test is about.
class FilesHost : public DictHost {
 public:
  explicit FilesHost(const std::string& ini = "");
};

// A test with such a host and a temporary folder for its own files.
class FilesTest : public testing::Test {
 protected:
  explicit FilesTest(const std::string& ini = "") : host_(ini) {}
  // Writes `bytes` to NAME in the test's folder; answers the path.
  std::string File(const std::string& name, const std::string& bytes) const;
  FilesHost host_;
  std::string folder_ = TempFolder();
};

void WriteBytes(const std::string& path, const std::string& bytes);
// Permission bits; 0 when the file is missing.
mode_t ModeOf(const std::string& path);
bool IsSymlink(const std::string& path);
// The names in a folder, sorted.
std::vector<std::string> Names(const std::string& folder);
