// The fake host's suites: plain functions over one global FakeHost.
#include "tests/shell/fake_host.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <cstring>
#include <memory>

#include "shell/entry.h"

namespace {

std::unique_ptr<FakeHost> gHost;

FakeBox* Box(xt_box id) {
  ++Host().host_calls;
  auto found = Host().boxes.find(id);
  return found == Host().boxes.end() ? nullptr : &found->second;
}

// Stories have the id of their box.
FakeBox* Story(xt_story id) { return Box(id); }

struct Block {
  std::vector<uint8_t> bytes;
};

// Only what the tests drive; the other entries are null.
const xt_document_suite kDocument = {
    .current_layout_view =
        [] {
          if (Host().on_layout_view) Host().on_layout_view();
          return Host().layout_view;
        },
    .document_count = [] { return Host().layout_view < 0 ? 0 : 1; },
    .current_box =
        [] {
          ++Host().host_calls;
          return Host().current;
        },
    .set_current_box =
        [](xt_box box) -> xt_status {
          Host().current = box;
          return 0;
        },
    .box_valid = [](xt_box box) -> int32_t { return Box(box) && Box(box)->valid; },
    .box_is_text = [](xt_box box) -> int32_t { return Box(box) && Box(box)->text && !Box(box)->group; },
    .box_is_group = [](xt_box box) -> int32_t { return Box(box) && Box(box)->group; },
    .spread_count =
        [] {
          ++Host().host_calls;
          return Host().spreads;
        },
    .first_box_of_spread =
        [](int32_t spread, uint8_t) -> xt_box {
          for (auto& [id, box] : Host().boxes) {
            if (box.spread == spread) return id;
          }
          return 0;
        },
    .next_box =
        [](xt_box after, uint8_t) -> xt_box {
          const FakeBox* current = Box(after);
          for (auto it = Host().boxes.upper_bound(after); current && it != Host().boxes.end(); ++it) {
            if (it->second.spread == current->spread) return it->first;
          }
          return 0;
        },
    .group_item_count = [](xt_box) { return 0; },
    .story_of_box = [](xt_box box) -> xt_story { return Box(box) && Box(box)->text ? box : 0; },
};

const xt_story_suite kStory = {
    .get_selection =
        [](xt_box box, xt_story* story, int32_t* start, int32_t* end, int32_t* length) -> xt_status {
          if (box == 0) box = Host().current;
          FakeBox* b = Box(box);
          if (!b || !b->text) return 4;
          if (story) *story = box;
          if (start) *start = b->sel_start;
          if (end) *end = b->sel_end;
          if (length) *length = static_cast<int32_t>(b->story.size());
          return 0;
        },
    .set_selection =
        [](xt_story story, int32_t start, int32_t end, int32_t) -> xt_status {
          Story(story)->sel_start = start;
          Story(story)->sel_end = end;
          return 0;
        },
    .read_chars =
        [](xt_story story, int32_t position, int32_t count, uint16_t* codes) {
          const std::u16string& text = Story(story)->story;
          if (position < 0 || position >= static_cast<int32_t>(text.size())) return 0;
          const int32_t n = std::min(count, static_cast<int32_t>(text.size()) - position);
          for (int32_t i = 0; i < n; ++i) codes[i] = text[position + i];
          return n;
        },
    .insert_chars =
        [](xt_story story, int32_t position, int32_t count, const uint16_t* codes,
           int32_t) -> xt_status {
          Story(story)->story.insert(position, reinterpret_cast<const char16_t*>(codes), count);
          return 0;
        },
    .delete_chars =
        [](xt_story story, int32_t start, int32_t end) -> xt_status {
          Story(story)->story.erase(start, end - start);
          return 0;
        },
    .set_redraw = [](int32_t on) { Host().events.push_back("redraw" + std::to_string(on)); },
    .story_length = [](xt_story story) { return static_cast<int32_t>(Story(story)->story.size()); },
};

const xt_hj_suite kHJ = {};

const xt_environment_suite kEnvironment = {
    .current_tool = [] { return Host().tool; },
    .interface_language = [] { return Host().language; },
    .begin_undoable_change =
        [](int32_t, int32_t) -> xt_status {
          Host().events.push_back("undo+");
          return 0;
        },
    .end_undoable_change =
        []() -> xt_status {
          Host().events.push_back("undo-");
          return 0;
        },
    .busy_cursor = [](int32_t on) { Host().events.push_back("busy" + std::to_string(on)); },
    .environment_flags = []() -> uint32_t { return 0; },
    .modal_state = [](int32_t) {},
    .message_box =
        [](const char* title, const char* text, int32_t, int32_t) -> int32_t {
          Host().message_boxes.push_back({title, text});
          return XT_ANSWER_OK;
        },
    .register_hyphenation_method = [](uint32_t, const char*, const uint32_t*, int32_t,
                                      int32_t) -> xt_status { return 0; },
};

const xt_menu_suite kMenu = {
    .new_menu =
        [](const char* title) -> xt_menu {
          Host().menus.push_back({title, {}});
          return static_cast<xt_menu>(Host().menus.size());
        },
    .append_submenu = [](xt_menu, const char*, xt_menu) -> uint16_t { return 0; },
    .append_item =
        [](xt_menu menu, const char* text) -> uint16_t {
          const uint16_t id = Host().next_item_id++;
          Host().menus.at(menu - 1).items.push_back({id, text, true});
          return id;
        },
    .append_separator = [](xt_menu menu) { Host().menus.at(menu - 1).items.push_back({0, "-", false}); },
    .enable_item =
        [](xt_menu menu, uint16_t item, int32_t on) {
          for (FakeItem& it : Host().menus.at(menu - 1).items) {
            if (it.id == item) it.enabled = on != 0;
          }
        },
    .set_item_text =
        [](xt_menu menu, uint16_t item, const char* text) {
          for (FakeItem& it : Host().menus.at(menu - 1).items) {
            if (it.id == item) it.text = text;
          }
        },
};

const xt_memory_suite kMemory = {
    .allocate =
        [](size_t size) -> xt_handle {
          if (Host().fail_allocation) return nullptr;
          ++Host().live_blocks;
          auto* block = new Block;
          block->bytes.resize(size);
          return reinterpret_cast<xt_handle>(block);
        },
    .release =
        [](xt_handle handle) {
          --Host().live_blocks;
          delete reinterpret_cast<Block*>(handle);
        },
    .block_size = [](xt_handle handle) { return reinterpret_cast<Block*>(handle)->bytes.size(); },
    .resize =
        [](xt_handle handle, size_t size) -> xt_status {
          if (Host().fail_allocation) return -108;
          reinterpret_cast<Block*>(handle)->bytes.resize(size);
          return 0;
        },
    .lock = [](xt_handle handle) -> void* { return reinterpret_cast<Block*>(handle)->bytes.data(); },
    .unlock = [](xt_handle) {},
    .last_error = []() -> int16_t { return -108; },
};

const xt_string_suite kString = {};

FakeDialogRun& Running(xt_dialog dialog) {
  return Host().dialogs.at(reinterpret_cast<uintptr_t>(dialog) - 1);
}

const xt_dialog_suite kDialog = {
    .run =
        [](const xt_dialog_def* def, xt_dialog_handler handler, void* context) -> int16_t {
          FakeDialogRun run;
          run.number = def->number;
          run.title = def->title ? def->title : "";
          run.result = -1;
          for (int16_t i = 0; i < def->item_count; ++i) {
            run.texts[def->items[i].id] = def->items[i].text ? def->items[i].text : "";
          }
          Host().dialogs.push_back(run);
          auto dialog = reinterpret_cast<xt_dialog>(Host().dialogs.size());
          handler(dialog, XT_DLG_INIT, 0, context);
          if (Running(dialog).result < 0) {
            if (Host().script) {
              Host().script(dialog, handler, context);
            } else {
              handler(dialog, XT_DLG_ITEM_HIT, XT_DLG_CANCEL, context);
            }
          }
          return Running(dialog).result;
        },
    .close =
        [](xt_dialog dialog, int16_t result) {
          if (Running(dialog).result < 0) Running(dialog).result = result;
        },
    .set_text = [](xt_dialog dialog, int16_t item, const char* text) { Running(dialog).texts[item] = text; },
    .enable_item = [](xt_dialog dialog, int16_t item, int32_t on) { Running(dialog).enabled[item] = on != 0; },
};

template <typename Suite>
bool Hand(uint32_t wanted, uint32_t id, const Suite& suite, const xt_fn** out) {
  if (wanted != id) return false;
  *out = reinterpret_cast<const xt_fn*>(&suite);
  return true;
}

xt_status AcquireSuite(void*, uint32_t id, const xt_fn** suite, const int16_t*, int32_t) {
  if (id == Host().refuse_suite) return -1;
  const bool handed = Hand(id, XT_SUITE_DOCUMENT, kDocument, suite) ||
                      Hand(id, XT_SUITE_STORY, kStory, suite) ||
                      Hand(id, XT_SUITE_HJ, kHJ, suite) ||
                      Hand(id, XT_SUITE_ENVIRONMENT, kEnvironment, suite) ||
                      Hand(id, XT_SUITE_MENU, kMenu, suite) ||
                      Hand(id, XT_SUITE_MEMORY, kMemory, suite) ||
                      Hand(id, XT_SUITE_STRING, kString, suite) ||
                      Hand(id, XT_SUITE_DIALOG, kDialog, suite);
  return handed ? 0 : -1;
}

}  // namespace

FakeHost& Host() {
  if (!gHost) gHost = std::make_unique<FakeHost>();
  return *gHost;
}

void ResetFakeHost() { gHost = std::make_unique<FakeHost>(); }

xt_box AddBox(const FakeBox& box) {
  const auto id = static_cast<xt_box>(Host().boxes.size() + 1);
  Host().boxes[id] = box;
  return id;
}

int32_t StartPlugin() {
  FakeHost& host = Host();
  xt_activation activation{};
  activation.size = sizeof activation;
  activation.host_id = 7;
  activation.plugin_id = XT_FOURCC('W', 'S', 'L', 'r');
  activation.host_info = host.info;
  activation.admit = [](void*, uint32_t code, int32_t a, int32_t b, uint32_t c,
                        int32_t d) -> int32_t {
    return Host().admit && code == 0x58515654 && a == 0 && b == 11 && c == 0x42A20014 && d == 0;
  };
  activation.register_startup = [](void*, xt_callback handler, int32_t, int32_t,
                                   int32_t) -> xt_status {
    Host().startup = handler;
    return 0;
  };
  activation.register_shutdown = [](void*, xt_callback handler, int32_t, int32_t,
                                    int32_t) -> xt_status {
    Host().shutdown = handler;
    return 0;
  };
  activation.set_callback_param = [](void*, int32_t) {};
  activation.describe = [](void*, const char* name, const char* version) {
    Host().described = std::string(name) + " " + version;
  };
  const int32_t activated = XTActivateCallback(&activation);
  if (activated != 0) return activated;

  xt_registration& record = host.registration;
  record.id = XT_CB_STARTUP;
  record.version_major = XT_VERSION_MAJOR;
  record.version_minor = host.version_minor;
  record.version_api = XT_VERSION_API;
  record.version_api_minor = XT_VERSION_API_MINOR;
  record.register_callback = [](void*, uint32_t id, xt_callback handler, int32_t, int32_t,
                                int32_t) -> xt_status {
    Host().callbacks[id] = handler;
    return 0;
  };
  record.unregister_callback = [](void*, uint32_t id, xt_callback) -> xt_status {
    Host().callbacks.erase(id);
    return 0;
  };
  record.acquire_suite = AcquireSuite;
  return host.startup(&record);
}

int32_t SendCallback(uint32_t id, void* record) {
  auto found = Host().callbacks.find(id);
  return found == Host().callbacks.end() ? 0 : found->second(record);
}

int32_t SendMenuCallback(uint32_t id, uint16_t item) {
  xt_menu_record record{id, 1, item, 0};
  return SendCallback(id, &record);
}

void StopPlugin() { ReleasePlugin(); }

const FakeItem* FindItem(uint16_t id) {
  for (const FakeMenu& menu : Host().menus) {
    for (const FakeItem& item : menu.items) {
      if (item.id == id) return &item;
    }
  }
  return nullptr;
}

void PluginTest::SetUp() {
  ResetFakeHost();
  root = dir_.path();
  host_dir = root + "/host/";
  xtensions = host_dir + "XTensions";
  user_dir = root + "/data/Wirsel13";
  std::filesystem::create_directories(xtensions);
  setenv("WIRSEL_HOST_DIR", host_dir.c_str(), 1);
  setenv("XDG_DATA_HOME", (root + "/data").c_str(), 1);
  unsetenv("WIRSEL_READONLY_DIRS");
}

void PluginTest::TearDown() {
  StopPlugin();
  unsetenv("WIRSEL_READONLY_DIRS");
}

void PluginTest::WriteFile(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  testutil::WriteFile(path, bytes);
}
