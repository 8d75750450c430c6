// Plug-in loading and the activation and registration records.
#include "host/plugins.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "host/frontend.h"
#include "host/messages/messages.h"
#include "host/suites.h"

namespace {

constexpr uint32_t kHostVersionWord = 0x0B000000;  // what the host record reports
constexpr uint8_t kProductId = 1;                  // not the "QCD" host (2)
constexpr int32_t kMostSuiteFunctions = 256;

Plugin& PluginOf(void* host) { return *static_cast<Plugin*>(host); }

std::string Hex(int32_t status) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(status));
  return text;
}

// ---- Activation record operations ----

int32_t Admit(void* host, uint32_t, int32_t, int32_t, uint32_t, int32_t) {
  PluginOf(host).admitted = true;
  return 1;
}
xt_status RegisterStartup(void* host, xt_callback handler, int32_t, int32_t, int32_t) {
  PluginOf(host).startup = handler;
  return 0;
}
xt_status RegisterShutdown(void* host, xt_callback handler, int32_t, int32_t, int32_t) {
  PluginOf(host).shutdown = handler;
  return 0;
}
void SetCallbackParam(void*, int32_t) {}
void Describe(void* host, const char* name, const char* version) {
  PluginOf(host).product = name ? std::string(name).substr(0, 255) : "";
  PluginOf(host).version = version ? std::string(version).substr(0, 255) : "";
}

// ---- Registration record operations ----

void Reserved(void*) {}
xt_status RegisterCallback(void* host, uint32_t id, xt_callback handler, int32_t, int32_t,
                           int32_t) {
  if (!handler || id >= XT_CB_LIMIT) return -1;
  PluginOf(host).callbacks[id].push_back(handler);
  return 0;
}
xt_status UnregisterCallback(void* host, uint32_t id, xt_callback handler) {
  auto found = PluginOf(host).callbacks.find(id);
  if (found == PluginOf(host).callbacks.end()) return -1;
  auto& handlers = found->second;
  const auto it = std::find(handlers.begin(), handlers.end(), handler);
  if (it == handlers.end()) return -1;
  handlers.erase(it);
  return 0;
}
xt_status AcquireSuite(void* host, uint32_t suite_id, const xt_fn** suite,
                       const int16_t* numbers, int32_t count) {
  if (!suite) return -1;
  *suite = nullptr;
  const std::span<const xt_fn> table = SuiteTable(suite_id);
  if (table.empty() || count < 1 || count > kMostSuiteFunctions || !numbers) return -1;
  std::vector<xt_fn> chosen;
  for (int32_t i = 0; i < count; ++i) {
    if (numbers[i] < 1 || static_cast<size_t>(numbers[i]) > table.size()) return -1;
    chosen.push_back(table[numbers[i] - 1]);
  }
  Plugin& plugin = PluginOf(host);
  plugin.tables.push_back(std::move(chosen));
  *suite = plugin.tables.back().data();
  return 0;
}

void FillHostInfo(xt_host_info& info) {
  info.version = kHostVersionWord;
  info.serial = 0;
  info.app_status = 0;
  info.product_id = kProductId;
  const std::string text = std::string(PluginHost::kHostName) + " " + HostVersion();
  size_t i = 0;
  for (; i < text.size() && i + 1 < XT_HOST_STRING_UNITS; ++i) {
    info.host_string[i] = static_cast<unsigned char>(text[i]);
  }
  info.host_string[i] = 0;
}

// The plug-in's four-character id: the first four letters of its file name.
uint32_t PluginIdOf(const std::string& file_name) {
  char id[4] = {' ', ' ', ' ', ' '};
  for (size_t i = 0; i < 4 && i < file_name.size() && file_name[i] != '.'; ++i) id[i] = file_name[i];
  return XT_FOURCC(id[0], id[1], id[2], id[3]);
}

// A plug-in's callback; an exception that escapes it is a fault of the
// plug-in, reported and answered as a failed callback.
int32_t Call(const Plugin& plugin, xt_callback handler, void* record) {
  try {
    return handler(record);
  } catch (...) {
    ReportHostError(plugin.file_name + " let an exception escape callback " +
                    std::to_string(*static_cast<const uint32_t*>(record)));
    return -1;
  }
}

}  // namespace

const char* HostVersion() { return WIRSEL_VERSION; }

PluginHost::~PluginHost() { Shutdown(); }

bool PluginHost::LoadFolder(const std::string& folder, std::string& error) {
  std::error_code failure;
  if (!std::filesystem::is_directory(folder, failure)) {
    error = Msg("no XTensions folder at {1}", folder);
    return false;
  }
  std::vector<std::string> paths;
  for (const auto& entry : std::filesystem::directory_iterator(folder, failure)) {
    if (entry.path().extension() == ".so") paths.push_back(entry.path().string());
  }
  if (failure) {
    error = Msg("cannot read the XTensions folder {1}: {2}", folder, failure.message());
    return false;
  }
  if (paths.empty()) {
    error = Msg("no plug-in (*.so) in {1}", folder);
    return false;
  }
  std::sort(paths.begin(), paths.end());
  return std::all_of(paths.begin(), paths.end(),
                     [&](const std::string& path) { return Load(path, error); });
}

bool PluginHost::Load(const std::string& path, std::string& error) {
  auto plugin = std::make_unique<Plugin>();
  plugin->path = path;
  plugin->file_name = std::filesystem::path(path).filename().string();
  plugin->library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!plugin->library) {
    const char* reason = dlerror();
    error = path + " is not a plug-in: " + (reason ? reason : "it cannot be loaded");
    return false;
  }
  const auto activate =
      reinterpret_cast<xt_activate_fn>(dlsym(plugin->library, XT_ACTIVATE_SYMBOL));
  if (!activate) {
    dlclose(plugin->library);
    error = path + " is not a plug-in: it has no " XT_ACTIVATE_SYMBOL;
    return false;
  }
  Plugin& p = *plugin;
  plugins_.push_back(std::move(plugin));

  xt_activation& a = p.activation;
  a.size = sizeof(xt_activation);
  a.host_id = static_cast<uint16_t>(plugins_.size());
  a.plugin_id = PluginIdOf(p.file_name);
  FillHostInfo(a.host_info);
  a.host = &p;
  a.admit = Admit;
  a.register_startup = RegisterStartup;
  a.register_shutdown = RegisterShutdown;
  a.set_callback_param = SetCallbackParam;
  a.describe = Describe;
  const int32_t activated = activate(&a);
  if (activated != 0) {
    error = path + " refused activation (status " + Hex(activated) + ")";
    return false;
  }
  if (!p.admitted || !p.startup) {
    error = path + " did not " + (p.admitted ? "register a start-up callback" : "ask to be admitted");
    return false;
  }

  xt_registration& r = p.registration;
  r.id = XT_CB_STARTUP;
  r.version_major = XT_VERSION_MAJOR;
  r.version_minor = XT_VERSION_MINOR;
  r.version_api = XT_VERSION_API;
  r.version_api_minor = XT_VERSION_API_MINOR;
  r.host = &p;
  r.op1 = Reserved;
  r.register_callback = RegisterCallback;
  r.unregister_callback = UnregisterCallback;
  r.acquire_suite = AcquireSuite;
  const int32_t started = Call(p, p.startup, &r);
  if (started != 0) {
    error = path + " failed to start (status " + Hex(started) + ")";
    return false;
  }
  p.started = true;
  return true;
}

int32_t PluginHost::Send(uint32_t id, void* record) {
  int32_t first = 0;
  for (const auto& plugin : plugins_) {
    if (!plugin->started) continue;
    const auto found = plugin->callbacks.find(id);
    if (found == plugin->callbacks.end()) continue;
    // A handler may unregister callbacks while it runs: walk a copy.
    const std::vector<xt_callback> handlers = found->second;
    for (const xt_callback handler : handlers) {
      const int32_t status = Call(*plugin, handler, record);
      if (first == 0) first = status;
    }
  }
  return first;
}

void PluginHost::Shutdown() {
  if (shut_down_) return;
  shut_down_ = true;
  xt_record closing{XT_CB_CLOSING, 0};
  Send(XT_CB_CLOSING, &closing);
  for (const auto& plugin : plugins_) {
    if (plugin->started && plugin->shutdown) {
      plugin->registration.id = XT_CB_SHUTDOWN;
      Call(*plugin, plugin->shutdown, &plugin->registration);
    }
  }
  for (auto it = plugins_.rbegin(); it != plugins_.rend(); ++it) dlclose((*it)->library);
}
