// Services that the text layer, the dialogs and the modules call:
// translation, dialog mapping, alerts, file locations, the hyphenation hooks.
// Menu primitives are in services/menus.h, the host's suites in
// services/host.h.
// Texts named "stored" are Mac Central European (see base/macce.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/xtapi.h"

inline constexpr int16_t kLanguageCurrent = -1;  // 0xFFFF
inline constexpr int16_t kLanguagePolish = 42;

// The translation of a stored English text for `language` (or the English
// text). With a buffer the result is always copied into it, bounded by `size`.
const char* Translate(const char* english, int16_t language = kLanguageCurrent,
                      char* buffer = nullptr, size_t size = 0);
int16_t MapDialog(int16_t number, int16_t language = kLanguageCurrent);

// The shared message box: title "Wirsel13 (version)-caption", text
// "Error: %ld\r" when code is not 0, then the formatted message. Caption and
// format are stored texts (translated, converted); arguments are inserted
// as they are.
void Alert(int32_t code, const char* caption, const char* format, ...);

// Reports a stored text about a story position as a finding when nobody
// answers message boxes (a batch run): true, and the caller goes on. False
// when someone does; the caller then shows its alert. Findings read the same
// whatever the interface language, as the host's other reports do, so the
// text goes out untranslated.
bool ReportFinding(xt_story story, int32_t position, const char* stored);

// Where settings and user files live (paths are POSIX, at most PATH_MAX).
inline constexpr int32_t kFileNotFound = 65493;
int32_t LocateFile(const char* name, char* out, size_t out_size, int where);
// Moves the file out of a folder that cannot be written into the per-user
// data folder and rewrites `path` (of capacity `path_size`). Always 0.
int32_t MakeWritablePath(char* path, size_t path_size, char* out = nullptr,
                         size_t out_size = 0);
// Folder of the plug-in file, without a trailing '/'.
const char* PluginFolder();

// Alerts raised before the host's suites are bound are held and shown at the
// end of start-up; when start-up fails they are dropped.
void ShowPendingAlerts();
void DiscardPendingAlerts();

// Records the folder of the plug-in file (see PluginFolder); called once at
// activation.
void StorePluginFolder();

// The hyphenation module's host entries: the per-word hyphenation callback
// (435), the method list callback (454) and the registration of its method
// with the host. The module installs them before start-up (from its
// constructor); the shell registers and guards them. The table must outlive
// the plug-in.
struct HyphenationHooks {
  int32_t (*hyphenate_word)(xt_hyph_record* record);
  int32_t (*list_methods)(xt_hyph_methods_record* record);
  int32_t (*register_method)();  // may be null
};
void SetHyphenationHooks(const HyphenationHooks* hooks);
// Registers the installed hooks' callbacks with the host at start-up and
// the module's method; nothing when no hooks are installed.
void RegisterHyphenationHooks(xt_registration* record);
