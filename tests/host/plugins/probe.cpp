// A plug-in that exercises the host for the host's tests: it names itself,
// binds the suites it uses, checks what acquire_suite refuses, installs a
// "Probe" menu and acts on the current box through the story, dialog and
// environment suites. (The memory suite is the engines': every run of the
// real plug-in works its blocks.)
#include <cstdio>
#include <cstring>
#include <string>

#include "xtapi/xtapi.h"

namespace {

xt_registration* gReg;
const xt_document_suite* gDoc;
const xt_story_suite* gStory;
const xt_environment_suite* gEnv;
const xt_menu_suite* gMenu;
const xt_dialog_suite* gDialog;
uint16_t gUpper, gAsk, gWarn, gThrow;

template <typename Suite>
bool Bind(uint32_t id, const Suite*& suite, int count) {
  int16_t numbers[32];
  for (int i = 0; i < count; ++i) numbers[i] = static_cast<int16_t>(i + 1);
  const xt_fn* table = nullptr;
  if (gReg->acquire_suite(gReg->host, id, &table, numbers, count) != 0) return false;
  suite = reinterpret_cast<const Suite*>(table);
  return true;
}

// The current box's story with its selection; false without a text box.
bool CurrentStory(xt_story& story, int32_t& start, int32_t& end, int32_t& length) {
  return gStory->get_selection(0, &story, &start, &end, &length) == 0;
}

void Insert(const std::string& text) {
  xt_story story;
  int32_t start, end, length;
  if (!CurrentStory(story, start, end, length)) return;
  std::u16string units(text.begin(), text.end());
  gStory->insert_chars(story, start, static_cast<int32_t>(units.size()),
                       reinterpret_cast<const uint16_t*>(units.data()), 0);
}

void UpperCase() {
  xt_story story;
  int32_t start, end, length;
  if (!CurrentStory(story, start, end, length)) return;
  gEnv->begin_undoable_change(1, 0);
  for (int32_t i = 0; i < length; ++i) {
    uint16_t c = 0;
    gStory->read_chars(story, i, 1, &c);
    if (c >= 'a' && c <= 'z') {
      const uint16_t upper = static_cast<uint16_t>(c - 32);
      gStory->insert_chars(story, i + 1, 1, &upper, 0);
      gStory->delete_chars(story, i, i + 1);
    }
  }
  gEnv->end_undoable_change();
}

// Dialog 900: an edit field, a check box, two radio buttons and a list. On OK
// it writes what was set into the story: "text|check|radio|row".
const xt_dialog_item_def kAskItems[] = {
    {1, XT_ITEM_BUTTON, 0, 0, "OK"},        {2, XT_ITEM_BUTTON, 0, 0, "Cancel"},
    {3, XT_ITEM_EDIT, 0, 0, "start"},       {4, XT_ITEM_CHECK, 0, 0, "Loud"},
    {5, XT_ITEM_RADIO, 1, 0, "Left"},       {6, XT_ITEM_RADIO, 1, 0, "Right"},
    {7, XT_ITEM_LIST, 0, 0, nullptr},       {8, XT_ITEM_BUTTON, 0, 0, "Add \xB3\xF3\x64\x9F"},
    {9, XT_ITEM_STATIC, 0, 0, "Zdanie \xBF\xF3\xB3te"}};
const xt_dialog_def kAsk = {900, 9, "Ask \xB3\xF3\x64\x9F", kAskItems};

int32_t AskHandler(xt_dialog dialog, int32_t event, int16_t item, void*) {
  if (event == XT_DLG_INIT) {
    gDialog->list_append(dialog, 7, "alpha");
    gDialog->list_append(dialog, 7, "beta");
    gDialog->set_check(dialog, 5, 1);
    return 0;
  }
  if (item == 8) gDialog->list_append(dialog, 7, "added");
  if (item == 2) gDialog->close(dialog, XT_DLG_CANCEL);
  if (item == 1) {
    char text[64];
    gDialog->get_text(dialog, 3, text, sizeof text);
    if (std::strcmp(text, "refuse") == 0) return 0;  // OK refused: stays open
    char row[64] = "";
    gDialog->list_get_text(dialog, 7, gDialog->list_selected(dialog, 7), row, sizeof row);
    const std::string summary = std::string(text) + "|" +
                                (gDialog->get_check(dialog, 4) ? "loud" : "quiet") + "|" +
                                (gDialog->get_check(dialog, 6) ? "right" : "left") + "|" + row;
    gDialog->close(dialog, XT_DLG_OK);
    Insert(summary);
  }
  return 0;
}

void Warn() {
  const int32_t answer = gEnv->message_box("Probe", "Insert a mark?", XT_ICON_QUESTION,
                                           XT_BUTTONS_YES_NO_CANCEL);
  Insert(answer == XT_ANSWER_YES ? "Y" : answer == XT_ANSWER_NO ? "N" : "C");
}

int32_t OnInstall(void* record) {
  const xt_menu bar = static_cast<xt_menu_record*>(record)->menu_bar;
  const xt_menu menu = gMenu->new_menu("Probe");
  gMenu->append_submenu(bar, "Probe", menu);
  gUpper = gMenu->append_item(menu, "Upper Case");
  gAsk = gMenu->append_item(menu, "Ask...");
  gWarn = gMenu->append_item(menu, "Warn");
  gMenu->append_separator(menu);
  gThrow = gMenu->append_item(menu, "Throw");
  return 0;
}

int32_t OnUpdate(void*) {
  xt_story story;
  int32_t start, end, length;
  const bool text = CurrentStory(story, start, end, length);
  gMenu->enable_item(0, gUpper, text);
  gMenu->enable_item(0, gAsk, text);
  gMenu->enable_item(0, gWarn, text);
  return 0;
}

int32_t OnChoice(void* record) {
  const uint16_t item = static_cast<xt_menu_record*>(record)->item;
  if (item == gUpper) UpperCase();
  if (item == gAsk) gDialog->run(&kAsk, AskHandler, nullptr);
  if (item == gWarn) Warn();
  if (item == gThrow) throw 7;  // a faulty plug-in
  return 0;
}

int32_t OnShutdown(void*) {
  std::fprintf(stderr, "probe: shut down\n");
  return 0;
}

int32_t OnStartup(void* record) {
  gReg = static_cast<xt_registration*>(record);
  if (gReg->version_major != XT_VERSION_MAJOR || gReg->version_minor != XT_VERSION_MINOR) {
    return XT_REFUSED;
  }
  // The host must refuse an unknown suite and a function number it lacks.
  const xt_fn* table = nullptr;
  const int16_t beyond[] = {1, XT_MEMORY_SUITE_COUNT + 1};
  if (gReg->acquire_suite(gReg->host, XT_FOURCC('N', 'O', 'N', 'E'), &table, beyond, 1) == 0 ||
      gReg->acquire_suite(gReg->host, XT_SUITE_MEMORY, &table, beyond, 2) == 0) {
    return XT_REFUSED;
  }
  if (!Bind(XT_SUITE_DOCUMENT, gDoc, XT_DOCUMENT_SUITE_COUNT) ||
      !Bind(XT_SUITE_STORY, gStory, XT_STORY_SUITE_COUNT) ||
      !Bind(XT_SUITE_ENVIRONMENT, gEnv, XT_ENVIRONMENT_SUITE_COUNT) ||
      !Bind(XT_SUITE_MENU, gMenu, XT_MENU_SUITE_COUNT) ||
      !Bind(XT_SUITE_DIALOG, gDialog, XT_DIALOG_SUITE_COUNT)) {
    return XT_REFUSED;
  }
  gReg->register_callback(gReg->host, XT_CB_INSTALL_MENUS, OnInstall, 5, 200, 0);
  gReg->register_callback(gReg->host, XT_CB_UPDATE_MENUS, OnUpdate, 5, 200, 0);
  gReg->register_callback(gReg->host, XT_CB_MENU_SELECT, OnChoice, 5, 200, 0);
  return 0;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int32_t XTActivateCallback(
    xt_activation* activation) {
  if (!activation->admit(activation->host, XT_FOURCC('T', 'V', 'Q', 'X'), 0, 11, 0x42A20014, 0)) {
    return XT_REFUSED;
  }
  activation->set_callback_param(activation->host, 200);
  activation->register_startup(activation->host, OnStartup, 5, 200, 0);
  activation->register_shutdown(activation->host, OnShutdown, 5, 200, 0);
  if (activation->size >= sizeof(xt_activation)) {
    activation->describe(activation->host, "Probe", "7.3");
  }
  return 0;
}
