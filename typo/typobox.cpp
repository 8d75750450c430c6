// Binds the typography pass to the host: the story of a box through the text
// layer and the story suite, anchored boxes, groups and the current tool.
#include "typo/typobox.h"

#include "base/charset.h"
#include "shell/host.h"
#include "shell/shell.h"
#include "text/storytext.h"
#include "typo/typooptions.h"
#include "typo/typorules.h"
#include "typo/typotable.h"

namespace {

TypoCharTable gTypoTable;

// The story of a box that is current while the pass runs on it.
class HostStory : public TypoStory {
 public:
  explicit HostStory(xt_box box) : box_(box) {
    GetStorySelection(box_, &story_, nullptr, nullptr, nullptr);
  }

  void GetSelection(int32_t* start, int32_t* end, int32_t* length) override {
    GetStorySelection(box_, nullptr, start, end, length);
  }
  int32_t Next(int32_t position) override { return gStorySuite->next_position(story_, position); }
  int32_t Previous(int32_t position) override {
    return gStorySuite->previous_position(story_, position);
  }
  uint16_t Read(int32_t position) override { return ReadChar(story_, position); }
  bool Insert(int32_t position, uint8_t character) override {
    return WriteChar(story_, position, character) == 0;
  }
  bool Delete(int32_t start, int32_t end) override { return DeleteChars(box_, start, end) == 0; }
  void Select(int32_t start, int32_t end, int32_t show) override {
    gStorySuite->set_selection(story_, start, end, show);
  }
  bool IsNonBreaking(int32_t position) override {
    return (gStorySuite->char_attribute(story_, position, XT_ATTR_KIND_STYLE) &
            XT_ATTR_NONBREAKING) != 0;
  }
  void ToggleNonBreaking(int32_t start, int32_t end) override {
    Select(start, end, 0);
    gStorySuite->toggle_style(story_, XT_STYLE_TOGGLE, XT_ATTR_NONBREAKING);
  }
  void SetRedraw(bool on) override { ::SetRedraw(on); }
  void Alert(const char* stored) override { ::Alert(0, "", stored); }
  // Reports read the same whatever the interface language, as the spelling
  // report does, so the English text goes out untranslated.
  bool Warn(int32_t position, const char* stored) override {
    char text[256];
    ToWindowsText(stored, text, sizeof text);
    return gEnvironmentSuite->report_finding(story_, position, text) == 0;
  }

 private:
  xt_box box_;
  xt_story story_ = 0;
};

bool InBox(xt_box box);

// One pass over a text box, then over each text box anchored in the part of
// its story that was processed, each made current for its pass.
bool InTextBox(xt_box box) {
  const bool use_selection = GetCurrentTool() == kContentTool;
  HostStory story(box);
  if (RunTypography(story, gTypoOptions, gTypoTable, use_selection) == TypoResult::kStopped) {
    return false;
  }
  xt_story text = 0;
  int32_t start = 0, end = 0, length = 0;
  GetStorySelection(box, &text, &start, &end, &length);
  if (!use_selection || start == end) {
    start = 0;
    end = length;
  }
  int32_t position = 0;
  xt_box anchored = 0;
  for (int32_t n = 0; gStorySuite->anchored_item(text, start, end, n, &position, &anchored) == 0;
       ++n) {
    if (!IsTextBox(anchored)) continue;
    gDocumentSuite->set_current_box(anchored);
    SetSelection(anchored, 0, 0, 0);
    HostStory inner(anchored);
    if (RunTypography(inner, gTypoOptions, gTypoTable, true) == TypoResult::kStopped) {
      return false;
    }
    gDocumentSuite->set_current_box(box);
  }
  return true;
}

// Each item of a group in order, with the content tool; the group is made
// current again afterwards.
bool InGroup(xt_box group) {
  const int16_t tool = GetCurrentTool();
  if (tool != kContentTool) SetCurrentTool(kContentTool);
  bool go_on = true;
  const int32_t count = gDocumentSuite->group_item_count(group);
  for (int32_t i = 1; i <= count && go_on; ++i) {
    const xt_box item = gDocumentSuite->group_item(group, i);
    if (item == 0) continue;
    gDocumentSuite->set_current_box(item);
    go_on = InBox(item);
  }
  if (go_on) gDocumentSuite->set_current_box(group);
  if (tool != kContentTool) SetCurrentTool(tool);
  return go_on;
}

bool InBox(xt_box box) {
  if (box == 0) return true;
  if (IsTextBox(box)) return InTextBox(box);
  if (IsGroup(box)) return InGroup(box);
  return true;
}

}  // namespace

bool TypographyInCurrentBox() {
  BuildTypoCharTable(gTypoTable, gTypoOptions);
  return InBox(GetCurrentBox());
}
