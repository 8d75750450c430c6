// Services of the shell that the modules, dialogs and text layer call:
// translation, dialog mapping, menus, alerts, file locations, About.
// Texts named "stored" are Mac Central European (see base/macce.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/xtapi.h"

inline constexpr int16_t kLanguageCurrent = -1;  // 0xFFFF
inline constexpr int16_t kLanguagePolish = 42;

// The shell's interface language.
int16_t CurrentLanguage();

// The translation of a stored English text for `language` (or the English
// text). With a buffer the result is always copied into it, bounded by `size`.
const char* Translate(const char* english, int16_t language = kLanguageCurrent,
                      char* buffer = nullptr, size_t size = 0);
int16_t MapDialog(int16_t number, int16_t language = kLanguageCurrent);

// Menus: the title and item texts are stored English keys, translated and
// converted before they reach the host.
xt_menu AddMenu(xt_menu host_menu, const char* title);
uint16_t AddMenuItem(xt_menu menu, const char* text);
void AddSeparator(xt_menu menu);
void EnableMenuItem(xt_menu menu, uint16_t item, bool on);
void SetMenuItemText(xt_menu menu, uint16_t item, const char* text);
// Shows every item's title again in the current interface language; menus
// installed anew start with no titles remembered.
void RetitleMenuItems();
void ForgetMenuTitles();

// The shared message box: title "Wirsel13 (version)-caption", text
// "Error: %ld\r" when code is not 0, then the formatted message. Caption and
// format are stored texts (translated, converted); arguments are inserted
// as they are.
void Alert(int32_t code, const char* caption, const char* format, ...);

// Where settings and user files live (paths are POSIX, at most PATH_MAX).
inline constexpr int32_t kFileNotFound = 65493;
int32_t LocateFile(const char* name, char* out, size_t out_size, int where);
// Moves the file out of a folder that cannot be written into the per-user
// data folder and rewrites `path` (of capacity `path_size`). Always 0.
int32_t MakeWritablePath(char* path, size_t path_size, char* out = nullptr,
                         size_t out_size = 0);
// Folder of the plug-in file, without a trailing '/'.
const char* PluginFolder();

// Opens the shared About dialog (created on first use).
void ShowAboutDialog();

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
