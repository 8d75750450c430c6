// The framework shell: one object per plug-in that turns host callbacks into
// virtual operations, keeps the registered dialogs, the wanted-callback set,
// the product and host identity, the settings-file decision and the log.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>

#include "services/xt40_root.h"
#include "xtapi/xtapi.h"

class XT40xdlog;

inline constexpr int kDialogSlots = 13;
inline constexpr size_t kPathSize = 4096;  // every path buffer of the shell
inline constexpr uint32_t kDeveloperCode = 0x58515654;  // "TVQX"

// Numbers of the framework's alert dialogs and their items.
struct AlertDialogNumbers {
  int16_t question = 30005, question_yes = 6, question_no = 7, question_text = 1066,
          question_cancel = 8;
};

// The host entries of the plug-in, defined by the shell above the modules:
// the start-up and shut-down callbacks that activation registers, and the
// handler of callbacks registered through RegisterCallback.
struct ShellEntries {
  xt_callback startup;
  xt_callback shutdown;
  xt_callback generic;
};

class XT40shell : public XT40Root {
 public:
  explicit XT40shell(const ShellEntries& entries);
  ~XT40shell() override;

  virtual void Init();
  virtual int32_t Reserved2() { return 0; }
  virtual int32_t Activate(xt_activation* activation);
  virtual int32_t RegisterCallbacks(xt_registration* record) { return 0; }
  virtual int32_t Shutdown(xt_registration* record) { return 0; }
  virtual int32_t InstallMenus(xt_menu_record* record) { return 0; }
  virtual int32_t UpdateMenus(xt_menu_record* record) { return 0; }
  virtual int32_t DoMenuCommand(xt_menu_record* record) { return 0; }
  virtual int32_t Reserved9() { return 0; }
  virtual int32_t Callback4(xt_record* record) { return 0; }
  virtual int32_t Callback3(xt_record* record) { return 0; }
  virtual int32_t Callback10(xt_record* record) { return 0; }
  virtual int32_t Notify(xt_language_record* record) { return 0; }
  virtual int32_t Callback12(xt_record* record) { return 0; }
  virtual int32_t OnCallback(xt_record* record) { return 0; }
  // Registers host callback `id` with the generic handler (OnCallback);
  // non-zero when the host refuses or start-up has not happened.
  virtual int32_t RegisterCallback(uint32_t id);

  // Logging: off at level 0. Lines are appended to the log file, each ending
  // in CR LF, with a UTC time stamp unless the format starts with a tab.
  virtual int32_t SetLogLevel(int32_t level);
  virtual int32_t GetLogLevel() const { return log_level_; }
  virtual void Log(const char* format, ...) __attribute__((format(printf, 2, 3)));
  virtual void LogHostInfo();

  // 0 when registered; a dialog that finds no free slot stays unregistered.
  virtual int32_t RegisterXdlog(XT40xdlog* dialog);
  // The slot the dialog held, or kDialogSlots when it held none.
  virtual int32_t UnregisterXdlog(XT40xdlog* dialog);

  virtual void SetCreator(const char* code);
  virtual const char* GetCreator(char* buffer, size_t size) const;
  virtual void SetProductName(const char* name);
  virtual const char* GetProductName(char* buffer, size_t size) const;
  virtual void SetHostFolder(const char* folder);
  virtual const char* GetHostFolder() const { return host_folder_; }
  virtual void SetHostTag(const char* tag);
  virtual const char* GetHostTag() const { return host_tag_; }
  virtual void SetHostKind(uint8_t product_id);
  virtual const char* GetFileVersion() const { return file_version_; }
  virtual void SetFileVersion(const char* version);
  virtual int16_t GetValue16() const { return 0; }
  virtual int32_t Reserved35() { return 0; }
  virtual int32_t Reserved36() { return 0; }
  virtual int32_t Reserved37() { return 0; }
  virtual int32_t Reserved38() { return 0; }
  virtual int32_t Reserved39() { return 0; }
  virtual void SetWanted(uint32_t id, bool on);
  virtual bool IsWanted(uint32_t id) const;
  virtual void SetFlag8(uint8_t value) { flag8_ = value; }
  virtual int32_t Reserved43(int32_t* out) {
    if (out) *out = 0;
    return 0;
  }
  virtual int32_t Reserved44() { return -50; }

  // Plain accessors for the rest of the plug-in.
  XT40xdlog* DialogAt(int slot) const { return dialogs_[slot]; }
  void ClearDialogSlot(int slot) { dialogs_[slot] = nullptr; }
  const char* PlatformProductName() const { return platform_product_name_; }
  const char* LogFilePath() const { return log_path_; }
  bool FolderWritable() const { return folder_writable_ != 0; }
  const AlertDialogNumbers& AlertDialogs() const { return alert_dialogs_; }
  int16_t InterfaceLanguage() const { return language_; }
  void SetInterfaceLanguage(int16_t language) { language_ = language; }
  void SetLanguageRecord(int64_t value64, int16_t value16) {
    language_value64_ = value64;
    language_value16_ = value16;
  }

 protected:
  // The settings-file decision made by SetProductName.
  void ChooseSettingsFile(const char* name);
  // Writes one line at whatever the level is; used by Log and for the lines
  // that are written with logging forced on.
  void WriteLogLine(const char* format, va_list args) __attribute__((format(printf, 2, 0)));
  void WriteForcedLogLine(const char* format, ...) __attribute__((format(printf, 2, 3)));

 private:
  XT40xdlog* dialogs_[kDialogSlots];
  char creator_[12];
  char product_name_[61];
  char platform_product_name_[61];
  char log_path_[kPathSize];
  char host_folder_[kPathSize];
  char file_version_[64];
  AlertDialogNumbers alert_dialogs_;
  uint32_t wanted_[XT_CB_LIMIT / 32];
  uint8_t folder_writable_;
  int32_t log_level_;
  char host_tag_[256];
  int16_t language_;
  int64_t language_value64_;
  int16_t language_value16_;
  uint8_t flag8_;
  ShellEntries entries_;
};

// The one shell of the plug-in (null before activation and after its end).
extern XT40shell* gShell;
