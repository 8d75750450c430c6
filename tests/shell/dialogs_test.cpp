// The dialog framework over the host's dialog service: the answers of the
// alert dialogs, missing resources and failures inside a dialog (the texts
// are checked through the real host by the dialog scripts of the fixtures).
#include <stdexcept>
#include <string>

#include "dialogs/about.h"
#include "dialogs/xt40_dialog.h"
#include "services/services.h"
#include "services/translate.h"
#include "tests/shell/fake_host.h"

namespace {

class DialogsTest : public PluginTest {
 protected:
  void Start(int16_t language = 0) {
    Host().language = language;
    ASSERT_EQ(StartPlugin(), 0);
    SendMenuCallback(XT_CB_INSTALL_MENUS);
  }
  // The user presses `item` once the dialog is up.
  static void Press(int16_t item) {
    static int16_t pressed;
    pressed = item;
    Host().script = [](xt_dialog dialog, xt_dialog_handler handler, void* context) {
      handler(dialog, XT_DLG_ITEM_HIT, pressed, context);
    };
  }
};

TEST_F(DialogsTest, MissingResourceAlertsWithItsNumber) {
  Start(42);
  RegisterDialogMapping(31999, 42, 31998);
  Host().message_boxes.clear();
  XT40xdlog dialog(31999);  // mapped to 31998, which no file defines
  EXPECT_EQ(dialog.Run(), -192);
  EXPECT_TRUE(Host().dialogs.empty());
  ASSERT_EQ(Host().message_boxes.size(), 1u);
  EXPECT_EQ(testutil::Utf8(Host().message_boxes[0].text),
            "Error: -192\rNie udało się załadować zasobu okna nr 31998, rozszerzenie jest "
            "zniszczone.");
}

// Yes and No are answered by the dialog scripts of the fixtures; here the
// button that is not offered, Cancel, and a dialog closed without an answer.
TEST_F(DialogsTest, QuestionAnswers) {
  Start();
  Press(6);
  QuestionAlert("q", false);
  EXPECT_FALSE(Host().dialogs.back().enabled[8]);
  Press(8);
  EXPECT_EQ(QuestionAlert("q", true), XT_ANSWER_CANCEL);
  Host().script = nullptr;  // closed without an answer
  EXPECT_EQ(QuestionAlert("q", false), XT_ANSWER_NO);
}

class Throwing : public CShellAboutDialog {
 protected:
  void InitItems() override { throw std::runtime_error("broken"); }
};

TEST_F(DialogsTest, AFailureInsideADialogClosesIt) {
  Start();
  Throwing dialog;
  EXPECT_EQ(dialog.Run(), XT_DLG_CANCEL);
  EXPECT_FALSE(dialog.IsOpen());
}

}  // namespace
