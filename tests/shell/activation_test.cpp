// What the real host cannot produce: refused admission, another interface
// version, a missing suite, callbacks after the shell is gone, and exceptions
// at every host entry; the dialogs' table across closing. (Module order and
// forwarding show in the host's menu golden files and command fixtures.)
#include <stdexcept>
#include <string>
#include <vector>

#include "base/block_alloc.h"
#include "dialogs/about.h"
#include "dialogs/xt40_dialog.h"
#include "hyph/hyph_module.h"
#include "shell/entry.h"
#include "services/host.h"
#include "services/services.h"
#include "shell/wirsel_shell.h"
#include "spell/spell_module.h"
#include "tests/shell/fake_host.h"
#include "typo/typo_module.h"

namespace {

std::vector<std::string> gCalls;

template <typename Module>
class Recording : public Module {
 public:
  explicit Recording(const char* name) : name_(name) {}
  int32_t InstallMenus(xt_menu_record*) override { return Note("install"); }
  int32_t DoMenuCommand(xt_menu_record* record) override {
    if (record->item == 999) throw BlockError(-34);
    return Note("command");
  }

 private:
  int32_t Note(const char* what) {
    gCalls.push_back(std::string(name_) + " " + what);
    return 0;
  }
  const char* name_;
};

void InstallRecordingModules() {
  delete gHyphXT;
  delete gDictXT;
  delete gTypoXT;
  gHyphXT = new Recording<HyphXT>("hyph");
  gDictXT = new Recording<DictXT>("dict");
  gTypoXT = new Recording<TypoXT>("typo");
  gCalls.clear();
}

class ActivationTest : public PluginTest {};

TEST_F(ActivationTest, RefusedAdmissionRegistersNothing) {
  Host().admit = false;
  EXPECT_EQ(StartPlugin(), XT_REFUSED);
  EXPECT_EQ(Host().startup, nullptr);
  EXPECT_EQ(Host().shutdown, nullptr);
}

TEST_F(ActivationTest, OtherInterfaceVersionOrMissingSuiteLeavesThePluginInert) {
  Host().version_minor = 202;
  EXPECT_EQ(StartPlugin(), XT_REFUSED);
  EXPECT_TRUE(Host().callbacks.empty());
  EXPECT_EQ(Host().shutdown(&Host().registration), 0);  // shutting down after it is harmless
  StopPlugin();

  ResetFakeHost();
  Host().refuse_suite = XT_SUITE_DIALOG;
  EXPECT_EQ(StartPlugin(), XT_REFUSED);
  EXPECT_TRUE(Host().callbacks.empty());
  EXPECT_FALSE(HostSuitesBound());
}

TEST_F(ActivationTest, CallbacksWithoutAShellDoNothing) {
  ASSERT_EQ(StartPlugin(), 0);
  const xt_callback update = Host().callbacks.at(XT_CB_UPDATE_MENUS);
  StopPlugin();
  xt_menu_record record{XT_CB_UPDATE_MENUS, 1, 0, 0};
  const int32_t calls = Host().host_calls;
  EXPECT_EQ(update(&record), 0);
  EXPECT_EQ(Host().host_calls, calls);
}

TEST_F(ActivationTest, AnItemIdOfZeroReachesNoAbsentItem) {
  ASSERT_EQ(StartPlugin(), 0);
  // No menus installed: every module's About item id is 0.
  EXPECT_EQ(SendMenuCallback(XT_CB_MENU_SELECT, 0), 0);
  EXPECT_TRUE(Host().dialogs.empty());
  EXPECT_EQ(gAboutDialog, nullptr);
}

TEST_F(ActivationTest, ClosingDestroysRegisteredDialogsAndAboutIsMadeAgain) {
  ASSERT_EQ(StartPlugin(), 0);
  EXPECT_EQ(Host().described, "Wirsel13 " WIRSEL_VERSION);
  SendMenuCallback(XT_CB_INSTALL_MENUS);
  SendMenuCallback(XT_CB_MENU_SELECT, gTypoXT->item_id(TypoXT::kAbout));
  ASSERT_NE(gAboutDialog, nullptr);
  ASSERT_EQ(Host().dialogs.size(), 1u);

  xt_record closing{XT_CB_CLOSING, 0};
  SendCallback(XT_CB_CLOSING, &closing);
  EXPECT_EQ(gAboutDialog, nullptr);
  for (int slot = 0; slot < kDialogSlots; ++slot) EXPECT_EQ(gShell->DialogAt(slot), nullptr);

  SendMenuCallback(XT_CB_MENU_SELECT, gHyphXT->item_id(HyphXT::kAbout));
  EXPECT_NE(gAboutDialog, nullptr);
  EXPECT_EQ(Host().dialogs.size(), 2u);
}

class OwningDialog : public XT40xdlog {
 public:
  OwningDialog() : XT40xdlog(30001) {}
  bool OwnsMenuItem(uint16_t item) const override { return item == 777; }
  void HandleMenuItem(uint16_t item) override { gCalls.push_back("dialog " + std::to_string(item)); }
};

TEST_F(ActivationTest, RegisteredDialogsAreOfferedCommandsFirst) {
  ASSERT_EQ(StartPlugin(), 0);
  InstallRecordingModules();
  OwningDialog dialog;
  SendMenuCallback(XT_CB_MENU_SELECT, 777);
  SendMenuCallback(XT_CB_MENU_SELECT, 778);
  const std::vector<std::string> expected = {"dialog 777", "hyph command", "dict command",
                                             "typo command"};
  EXPECT_EQ(gCalls, expected);
}

TEST_F(ActivationTest, ExceptionsInCallbacksBecomeStatuses) {
  static const HyphenationHooks hooks = {
      [](xt_hyph_record*) -> int32_t { throw BlockError(-35); },
      [](xt_hyph_methods_record*) -> int32_t { return 0; },
      nullptr,
  };
  SetHyphenationHooks(&hooks);
  ASSERT_EQ(StartPlugin(), 0);
  SetHyphenationHooks(nullptr);
  xt_hyph_record word{};
  word.id = XT_CB_HYPHENATE_WORD;
  EXPECT_EQ(SendCallback(XT_CB_HYPHENATE_WORD, &word), 0);  // hooks gone: nothing runs
  SetHyphenationHooks(&hooks);
  EXPECT_EQ(SendCallback(XT_CB_HYPHENATE_WORD, &word), -35);
  SetHyphenationHooks(nullptr);

  EXPECT_EQ(gShell->RegisterCallback(900), 0);
  xt_record generic{900, 0};
  EXPECT_EQ(SendCallback(900, &generic), 0);

  InstallRecordingModules();
  EXPECT_EQ(SendMenuCallback(XT_CB_MENU_SELECT, 999), -34);
  EXPECT_EQ(SendMenuCallback(XT_CB_MENU_SELECT, 5), 0);
}

class WantedSetTest : public PluginTest {};

const ShellEntries kEntries{StartupCallback, ShutdownCallback, GenericCallback};

// Values past the shell's fixed tables are refused, never written past them.
TEST_F(WantedSetTest, IdsCreatorAndDialogsPastTheTablesAreRefused) {
  WirselXT shell(kEntries);
  for (const uint32_t id : {1408u, 0xFFFFFFFFu}) {
    shell.SetWanted(id, true);
    EXPECT_FALSE(shell.IsWanted(id));
  }
  shell.SetCreator("ABCDEFGHIJKL");  // 12 characters
  EXPECT_STREQ(shell.GetCreator(nullptr, 0), "WSLr");
  shell.SetHostKind(2);
  EXPECT_STREQ(shell.GetHostTag(), "QCDWIN4");

  std::vector<CShellAboutDialog*> dialogs;
  for (int i = 0; i < kDialogSlots + 1; ++i) dialogs.push_back(new CShellAboutDialog);
  for (int slot = 0; slot < kDialogSlots; ++slot) EXPECT_EQ(shell.DialogAt(slot), dialogs[slot]);
  EXPECT_EQ(shell.UnregisterXdlog(dialogs.back()), kDialogSlots);  // never registered
  EXPECT_EQ(shell.UnregisterXdlog(dialogs[4]), 4);
  EXPECT_EQ(shell.UnregisterXdlog(nullptr), kDialogSlots);
  for (CShellAboutDialog* dialog : dialogs) delete dialog;
  for (int slot = 0; slot < kDialogSlots; ++slot) EXPECT_EQ(shell.DialogAt(slot), nullptr);
}

TEST_F(WantedSetTest, LongProductNamesAreCutNotOverrun) {
  WirselXT shell(kEntries);
  const std::string name(70, 'n');
  shell.SetProductName(name.c_str());
  EXPECT_EQ(std::string(shell.GetProductName(nullptr, 0)), name.substr(0, 60));
  shell.SetProductName("MyTool");
  EXPECT_EQ(std::string(shell.LogFilePath()), host_dir + "MyTool.log");
  char small[4];
  EXPECT_STREQ(shell.GetProductName(small, sizeof small), "MyT");
}

}  // namespace
