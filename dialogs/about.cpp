// The About dialog, created on the first About command and recreated after
// the host has closed and the shell has destroyed it.
#include "dialogs/about.h"

#include <cstdio>

#include "base/macce.h"
#include "dialogs/resources.h"
#include "services/xt40_shell.h"

CShellAboutDialog* gAboutDialog = nullptr;

namespace {

inline constexpr int16_t kAboutDialog = 30001;
inline constexpr int16_t kVersionItem = 1067;

const xt_dialog_item_def kAboutItems[] = {
    {1, XT_ITEM_BUTTON, 0, 0, MACCE("OK")},
    {kVersionItem, XT_ITEM_STATIC, 0, 0, nullptr},
};
const xt_dialog_def kAbout = {kAboutDialog, 2, MACCE("Wirsel"), kAboutItems};
const DialogResourceRegistration kRegistration(kAbout);

}  // namespace

CShellAboutDialog::CShellAboutDialog() : XT40xdlog(kAboutDialog) {}

CShellAboutDialog::~CShellAboutDialog() {
  if (gAboutDialog == this) gAboutDialog = nullptr;
}

void CShellAboutDialog::InitItems() {
  char text[256];
  std::snprintf(text, sizeof text, "%s (%s)", gShell->GetProductName(nullptr, 0),
                gShell->GetFileVersion());
  SetText(kVersionItem, text);
}

void ShowAboutDialog() {
  if (gAboutDialog == nullptr) gAboutDialog = new CShellAboutDialog();
  gAboutDialog->Run();
}

void ReleaseAboutDialog() { delete gAboutDialog; }
