// The table of dialog resources compiled into the plug-in.
#include "dialogs/resources.h"

#include <map>

namespace {

std::map<int16_t, const xt_dialog_def*>& Table() {
  static std::map<int16_t, const xt_dialog_def*> table;
  return table;
}

}  // namespace

DialogResourceRegistration::DialogResourceRegistration(const xt_dialog_def& def) {
  Table()[def.number] = &def;
}

const xt_dialog_def* FindDialogResource(int16_t number) {
  const auto found = Table().find(number);
  return found == Table().end() ? nullptr : found->second;
}
