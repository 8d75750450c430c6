// The framework's alert dialogs: a question with Yes, No and optionally
// Cancel (30005) and the failed-save errors.
#include <cstring>

#include "base/macce.h"
#include "base/profile.h"
#include "dialogs/resources.h"
#include "dialogs/xt40_dialog.h"
#include "services/services.h"
#include "services/xt40_shell.h"

namespace {

// The numbers the shell holds (the defaults before activation).
const AlertDialogNumbers& Numbers() {
  static const AlertDialogNumbers kDefaults;
  return gShell != nullptr ? gShell->AlertDialogs() : kDefaults;
}

const xt_dialog_item_def kQuestionItems[] = {
    {6, XT_ITEM_BUTTON, 0, 0, MACCE("Yes")},
    {7, XT_ITEM_BUTTON, 0, 0, MACCE("No")},
    {8, XT_ITEM_BUTTON, 0, 0, MACCE("Cancel")},
    {1066, XT_ITEM_STATIC, 0, 0, nullptr},
};
const xt_dialog_def kQuestion = {30005, 4, MACCE("Wirsel"), kQuestionItems};

const DialogResourceRegistration kRegistrations[] = {DialogResourceRegistration(kQuestion)};

// One alert: a text item, buttons that close with their own number.
class CAlertDialog : public XT40xdlog {
 public:
  CAlertDialog(int16_t resource, int16_t text_item, const char* stored)
      : XT40xdlog(resource), text_item_(text_item), stored_(stored) {}

 protected:
  void InitItems() override { SetStoredText(text_item_, stored_); }
  void ItemHit(int16_t item) override { Close(item); }

 private:
  int16_t text_item_;
  const char* stored_;
};

class CQuestionDialog : public CAlertDialog {
 public:
  CQuestionDialog(const char* stored, bool with_cancel)
      : CAlertDialog(Numbers().question, Numbers().question_text, stored),
        with_cancel_(with_cancel) {}

 protected:
  void InitItems() override {
    CAlertDialog::InitItems();
    Enable(Numbers().question_cancel, with_cancel_);
  }

 private:
  bool with_cancel_;
};

}  // namespace

void SaveFailedAlert(const char* path, int32_t error) {
  Alert(error, "", MACCE("Can't save %s: %s. Nothing was changed; try again or cancel."), path,
        std::strerror(error));
}

void SettingsSaveFailedAlert(int32_t error) {
  char file[kProfilePathSize];
  GetProfileTarget(file, sizeof file, nullptr, 0);
  SaveFailedAlert(file, error);
}

int32_t QuestionAlert(const char* stored, bool with_cancel) {
  CQuestionDialog dialog(stored, with_cancel);
  const int16_t result = dialog.Run();
  if (result == Numbers().question_yes) return XT_ANSWER_YES;
  if (result == Numbers().question_no || !with_cancel) return XT_ANSWER_NO;
  return XT_ANSWER_CANCEL;
}
