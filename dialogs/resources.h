// Dialog resources compiled into the plug-in, keyed by number: English
// dialogs and their Polish twins at the number plus 100. Texts are stored in
// Mac Central European (MACCE) and converted when the dialog is shown.
#pragma once

#include <cstdint>

#include "xtapi/xtapi.h"

// Null when the plug-in carries no dialog with that number.
const xt_dialog_def* FindDialogResource(int16_t number);

// A file that defines dialogs registers each one with a static object:
//   static const DialogResourceRegistration kReg(kMyDialog);
class DialogResourceRegistration {
 public:
  explicit DialogResourceRegistration(const xt_dialog_def& def);
};
