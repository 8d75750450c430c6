// The shared About dialog (30001, the same in both languages): item 1067
// shows the product name and the plug-in's file version.
#pragma once

#include "dialogs/xt40_dialog.h"

class CShellAboutDialog : public XT40xdlog {
 public:
  CShellAboutDialog();
  ~CShellAboutDialog() override;

 protected:
  void InitItems() override;
};

// The About dialog while it exists (made by ShowAboutDialog, null after the
// shell has destroyed it).
extern CShellAboutDialog* gAboutDialog;

// Opens the shared About dialog (created on first use).
void ShowAboutDialog();

// Deletes the About dialog.
void ReleaseAboutDialog();
