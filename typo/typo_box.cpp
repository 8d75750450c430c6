// Binds the typography pass to the host: the story of a box through the text
// layer, walked with its anchored boxes or a group's items by the box walk.
#include "typo/typo_box.h"

#include "services/services.h"
#include "text/box_walk.h"
#include "text/story_text.h"
#include "typo/typo_options.h"
#include "typo/typo_rules.h"
#include "typo/typo_table.h"

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
  int32_t Next(int32_t position) override { return NextPosition(story_, position); }
  int32_t Previous(int32_t position) override { return PreviousPosition(story_, position); }
  uint16_t Read(int32_t position) override { return ReadChar(story_, position); }
  bool Insert(int32_t position, uint8_t character) override {
    return WriteChar(story_, position, character) == 0;
  }
  bool Delete(int32_t start, int32_t end) override { return DeleteChars(box_, start, end) == 0; }
  void Select(int32_t start, int32_t end, int32_t show) override {
    SetStorySelection(story_, start, end, show);
  }
  bool IsNonBreaking(int32_t position) override {
    return (CharAttribute(story_, position, XT_ATTR_KIND_STYLE) & XT_ATTR_NONBREAKING) != 0;
  }
  void ToggleNonBreaking(int32_t start, int32_t end) override {
    Select(start, end, 0);
    ToggleStyle(story_, XT_STYLE_TOGGLE, XT_ATTR_NONBREAKING);
  }
  void SetRedraw(bool on) override { ::SetRedraw(on); }
  void Alert(const char* stored) override { ::Alert(0, "", stored); }
  bool Warn(int32_t position, const char* stored) override {
    return ReportFinding(story_, position, stored);
  }

 private:
  xt_box box_;
  xt_story story_ = 0;
};

}  // namespace

bool TypographyInCurrentBox() {
  BuildTypoCharTable(gTypoTable, gTypoOptions);
  const StoryReadAhead read_ahead;
  BoxWalk walk(GetCurrentBox());
  for (xt_box box = walk.Next(); box != 0; box = walk.Next()) {
    // An anchored box is processed whole, from an insertion point at its
    // start; any other box by its selection with the content tool.
    const bool use_selection = walk.anchored() || GetCurrentTool() == kContentTool;
    if (walk.anchored()) SetSelection(box, 0, 0, 0);
    HostStory story(box);
    if (RunTypography(story, gTypoOptions, gTypoTable, use_selection) == TypoResult::kStopped) {
      return false;
    }
    walk.CoverSelection(use_selection);
  }
  return true;
}
