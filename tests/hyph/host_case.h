// A host folder of its own for one run of the real `wirsel`: XTensions holds
// a copy of the plug-in, the real PLHYPH.DAT and son.dic, and whatever
// settings file or PLHYPH.USR the test puts there.
#pragma once

#include <string>
#include <vector>

#include "run_wirsel.h"

class HostCase {
 public:
  HostCase();
  ~HostCase();
  HostCase(const HostCase&) = delete;
  HostCase& operator=(const HostCase&) = delete;

  // The XTensions folder and a file in it.
  std::string XTensions() const { return folder_ + "/XTensions"; }
  std::string File(const std::string& name) const { return XTensions() + "/" + name; }
  void Put(const std::string& name, const std::string& bytes) const;

  // Runs wirsel with this folder as its host folder. "@NAME" in an
  // argument is the data file NAME.
  WirselRun Run(std::vector<std::string> args) const;

 private:
  std::string folder_;
};
