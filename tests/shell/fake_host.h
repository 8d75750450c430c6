// A small in-memory host for driving the plug-in's shell and text layer in
// unit tests: one document of spreads and boxes with UTF-16 stories, menus,
// message boxes, host blocks and a scripted dialog service. Every suite
// function records what the plug-in asked of it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/platform/tempdir.h"
#include "xtapi/xtapi.h"

struct FakeBox {
  int32_t spread = 1;
  bool text = true;
  bool group = false;
  bool valid = true;
  std::u16string story;
  int32_t sel_start = 0, sel_end = 0;
};

struct FakeItem {
  uint16_t id = 0;  // 0: separator or submenu
  std::string text;
  bool enabled = true;
};

struct FakeMenu {
  std::string title;
  std::vector<FakeItem> items;
};

struct FakeMessageBox {
  std::string title, text;
};

// One dialog the plug-in ran: its definition as shown and the texts set.
struct FakeDialogRun {
  int16_t number = 0;
  std::string title;
  std::map<int16_t, std::string> texts;  // from the definition, then set_text
  std::map<int16_t, bool> enabled;
  int16_t result = 0;
};

struct FakeHost {
  // Admission and interface version.
  bool admit = true;
  uint16_t version_minor = XT_VERSION_MINOR;
  uint32_t refuse_suite = 0;  // a suite id the host does not hand out
  xt_host_info info{};
  std::string described;  // "name version" the plug-in gave at activation

  // Document.
  int16_t layout_view = -1;  // -1: no document
  std::function<void()> on_layout_view;  // runs inside the layout-view call
  int32_t spreads = 0;
  std::map<xt_box, FakeBox> boxes;  // ids from 1, in spread order
  xt_box current = 0;
  int16_t tool = XT_TOOL_CONTENT;
  int16_t language = 0;
  std::vector<std::string> events;  // "undo+", "undo-", "busy-1", "busy0", "redraw0" ...
  int32_t host_calls = 0;           // document and story suite calls

  // Menus: menu ids are indices + 1.
  std::vector<FakeMenu> menus;
  uint16_t next_item_id = XT_FIRST_ITEM_ID;

  std::vector<FakeMessageBox> message_boxes;

  // Memory blocks: live count and a switch that makes allocation fail.
  int32_t live_blocks = 0;
  bool fail_allocation = false;

  // Callbacks registered with the host.
  xt_callback startup = nullptr, shutdown = nullptr;
  std::map<uint32_t, xt_callback> callbacks;

  // Dialogs: `script` plays the user's part once the dialog is initialised;
  // by default the dialog is cancelled.
  std::function<void(xt_dialog dialog, xt_dialog_handler handler, void* context)> script;
  std::vector<FakeDialogRun> dialogs;

  xt_registration registration{};
};

// The host of the running test (reset by ResetFakeHost).
FakeHost& Host();
void ResetFakeHost();

// Adds a box on `spread` and answers its id.
xt_box AddBox(const FakeBox& box);

// Runs activation and the start-up callback; the start-up status, or the
// activation status when activation failed.
int32_t StartPlugin();
// Sends a callback record as the host would (0 when not registered).
int32_t SendCallback(uint32_t id, void* record);
int32_t SendMenuCallback(uint32_t id, uint16_t item = 0);
// The plug-in's objects are destroyed after every test that starts it.
void StopPlugin();

// The item of the plug-in's menus with this id (null when none).
const FakeItem* FindItem(uint16_t id);

#include <gtest/gtest.h>

// A fresh host and per-user data folder for each test: WIRSEL_HOST_DIR points
// at <root>/host/ (with XTensions/), XDG_DATA_HOME at <root>/data. The plug-in
// is stopped and the folders removed after the test.
class PluginTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Writes `bytes` to `path`, making its folders first.
  static void WriteFile(const std::string& path, const std::string& bytes);
  static std::string ReadFile(const std::string& path) { return testutil::ReadFile(path); }
  static bool Exists(const std::string& path) { return std::filesystem::exists(path); }

  testutil::TempDir dir_;
  std::string root, host_dir, xtensions, user_dir;
};
