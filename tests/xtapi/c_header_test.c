/* The host/plug-in header compiles as plain C and its records keep the byte
 * offsets the plug-in relies on. */
#include <stddef.h>
#include <stdio.h>

#include "xtapi/xtapi.h"

_Static_assert(sizeof(xt_host_info) == XT_HOST_INFO_SIZE, "host information record is 536 bytes");
_Static_assert(offsetof(xt_host_info, serial) == 4, "serial at 4");
_Static_assert(offsetof(xt_host_info, app_status) == 8, "status at 8");
_Static_assert(offsetof(xt_host_info, product_id) == 10, "product id at 10");
_Static_assert(offsetof(xt_host_info, host_string) == 12, "host string at 12");
_Static_assert(offsetof(xt_menu_record, menu_bar) == 4, "menu bar is the second word");
_Static_assert(offsetof(xt_menu_record, item) == 8, "item id at byte 8");
_Static_assert(offsetof(xt_language_record, language) == 8, "language at 8");
_Static_assert(offsetof(xt_language_record, value64) == 16, "64-bit value at 16");
_Static_assert(offsetof(xt_language_record, value16) == 32, "16-bit value at 32");
_Static_assert(sizeof(xt_hyph_point) == 4, "hyphen points are 4 bytes");

int main(void) {
  printf("%s 1 passed, 0 failed\n", "xtapi:");
  return XT_FOURCC('X', 'D', 'O', 'C') == 0x58444F43u ? 0 : 1;
}
