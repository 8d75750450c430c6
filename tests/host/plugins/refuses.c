/* A plug-in that asks to be admitted and then refuses activation. */
#include "xtapi/xtapi.h"

__attribute__((visibility("default"))) int32_t XTActivateCallback(xt_activation *activation) {
  activation->admit(activation->host, XT_FOURCC('T', 'E', 'S', 'T'), 0, 11, 0x42A20014, 0);
  return XT_REFUSED;
}
