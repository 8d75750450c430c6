// Loading plug-ins: dlopen each library of the XTensions folder, hand it the
// activation record, admit it, run its start-up (binding suites, registering
// callbacks), deliver callbacks to it, and shut it down.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "xtapi/xtapi.h"

struct Plugin {
  std::string path;
  std::string file_name;     // e.g. "Wirsel13.so"
  std::string product;       // as the plug-in named itself; empty if it did not
  std::string version;
  void* library = nullptr;
  xt_activation activation{};
  xt_registration registration{};
  xt_callback startup = nullptr;
  xt_callback shutdown = nullptr;
  bool admitted = false;
  bool started = false;
  // Callbacks by id, in the order the plug-in registered them.
  std::map<uint32_t, std::vector<xt_callback>> callbacks;
  // Suite tables handed out through acquire_suite; they live as long as the
  // plug-in.
  std::deque<std::vector<xt_fn>> tables;
};

class PluginHost {
 public:
  PluginHost() = default;
  PluginHost(const PluginHost&) = delete;
  PluginHost& operator=(const PluginHost&) = delete;
  // Shuts the plug-ins down (see Shutdown) unless that was done.
  ~PluginHost();

  // Loads and starts every "*.so" of the folder, in name order. False with a
  // message naming the folder or plug-in at the first failure; a folder
  // without any plug-in is a failure too.
  bool LoadFolder(const std::string& folder, std::string& error);
  bool Load(const std::string& path, std::string& error);

  // Delivers a callback to every started plug-in that registered it, in load
  // order; `record` starts with the callback id. Answers the first non-zero
  // status, or 0.
  int32_t Send(uint32_t id, void* record);
  // Callback 4, then the shut-down callbacks, then the libraries are closed.
  void Shutdown();

  const std::vector<std::unique_ptr<Plugin>>& plugins() const { return plugins_; }

  static constexpr const char* kHostName = "wirsel";

 private:
  std::vector<std::unique_ptr<Plugin>> plugins_;
  bool shut_down_ = false;
};

// The host's own version, as `wirsel --version` shows it.
const char* HostVersion();
