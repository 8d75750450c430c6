// Dialog framework: modal dialogs made from the plug-in's dialog resources and
// run by the host's dialog service, plus the three alert dialogs. Module
// dialogs derive from XT40xdlog and override its four hooks.
#pragma once

#include <cstdint>
#include <string>

#include "services/xt40_root.h"
#include "services/xt40_shell.h"
#include "xtapi/xtapi.h"

class XT40xdlog : public XT40Root {
 public:
  // `resource` is the English dialog number; the Polish twin is chosen through
  // MapDialog. The dialog registers itself with the shell while it exists.
  explicit XT40xdlog(int16_t resource);
  ~XT40xdlog() override;

  // Runs the dialog modally and answers the item that closed it (XT_DLG_OK,
  // XT_DLG_CANCEL or another closing button); -192 when the resource is
  // missing (after the alert that says so).
  int16_t Run();
  bool IsOpen() const { return dialog_ != nullptr; }
  int16_t Resource() const { return resource_; }

  // Services of the shell's callbacks to registered dialogs. A dialog that
  // owns a menu item handles it (opening itself when closed); an open dialog
  // may keep its own menu state and ask for idle service. The defaults own
  // nothing and need nothing.
  virtual bool OwnsMenuItem(uint16_t item) const { return false; }
  virtual void HandleMenuItem(uint16_t item) {}
  virtual void UpdateMenuState() {}
  virtual bool WantsService() const { return false; }
  virtual void Service() {}

 protected:
  // Hooks, called in this order while the dialog runs: InitItems once (fill
  // lists, set texts), SetValues (put the current values into the items),
  // ItemHit for every item the user acts on except OK and Cancel, and Accept
  // on OK (read the values back; false keeps the dialog open).
  virtual void InitItems() {}
  virtual void SetValues() {}
  virtual void ItemHit(int16_t item) {}
  virtual bool Accept() { return true; }

  // Item access while the dialog runs. Texts are Windows-1250 (display);
  // SetStoredText takes a stored (Mac Central European) text, translates it
  // for the current language and converts it.
  std::string GetText(int16_t item) const;
  void SetText(int16_t item, const char* text);
  void SetStoredText(int16_t item, const char* stored);
  bool GetCheck(int16_t item) const;
  void SetCheck(int16_t item, bool on);
  void Enable(int16_t item, bool on);
  bool IsEnabled(int16_t item) const;
  void ListClear(int16_t item);
  int32_t ListCount(int16_t item) const;
  int32_t ListAppend(int16_t item, const char* text);
  void ListDelete(int16_t item, int32_t row);
  void ListSelect(int16_t item, int32_t row);
  int32_t ListSelected(int16_t item) const;  // -1: none
  std::string ListText(int16_t item, int32_t row) const;
  void Close(int16_t result);

 private:
  static int32_t OnEvent(xt_dialog dialog, int32_t event, int16_t item, void* self);
  int16_t resource_;
  xt_dialog dialog_ = nullptr;
};

// A registered dialog that is still alive when the host closes is deleted by
// the shell, so a dialog object that outlives one command must be made with
// new and must clear its own references in its destructor.

// The alert dialogs. Texts are stored (Mac Central European) and translated.
// 30005: answers XT_ANSWER_YES, XT_ANSWER_NO or XT_ANSWER_CANCEL.
int32_t QuestionAlert(const char* stored, bool with_cancel);
// A failed save of a user file: the file's name and the system's reason, as
// an error (code = the errno).
void SaveFailedAlert(const char* path, int32_t error);
// The same for the settings file currently selected.
void SettingsSaveFailedAlert(int32_t error);
