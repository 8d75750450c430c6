// Folders of fixtures run through the real `wirsel`, each case in a host
// folder of its own. A case NAME is every NAME.expected of the folder, with
//   NAME.txt or NAME.json  the document, given right after the command;
//   NAME.args    the command and its options, one a line ("@FILE" is a file
//                of the folder); the suite's default when missing;
//   NAME.dlg     the dialog script (--dialogs);
//   NAME.ini, NAME.usr  Wirsel13.ini and PLHYPH.USR in place before the run;
//   NAME.expected  standard output, compared byte for byte;
//   NAME.status  an exit status other than 0, with NAME.err: lines standard
//                error must hold;
//   NAME.stored  lines the settings file must hold afterwards.
// WIRSEL_REGENERATE_GOLDEN=1 rewrites the .expected files from what the host
// writes; review the diff.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct HostCaseSuite {
  std::string folder;
  std::vector<std::string> default_args;  // when NAME.args is missing
  bool english = false;                   // --lang en unless NAME.args chooses one
  std::string son_dic;                    // "" for the shipped son.dic
};

std::vector<std::string> HostCaseNames(const std::string& folder);
void CheckHostCase(const HostCaseSuite& suite, const std::string& name);
inline std::string HostCaseName(const testing::TestParamInfo<std::string>& info) {
  return info.param;
}
