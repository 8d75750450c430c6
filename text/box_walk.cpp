// The box walk over the document and story suites.
#include "text/box_walk.h"

#include <algorithm>

#include "services/host.h"
#include "text/story_text.h"

BoxWalk::BoxWalk(xt_box box) : home_(box) {
  if (box != 0) pending_.push_back({box, false});
}

BoxWalk::~BoxWalk() { PutToolBack(); }

xt_box BoxWalk::Next() {
  while (!pending_.empty()) {
    const Pending next = pending_.back();
    pending_.pop_back();
    if (IsGroup(next.box)) {
      if (!tool_switched_) {
        tool_ = GetCurrentTool();
        tool_switched_ = tool_ != kContentTool;
        if (tool_switched_) SetCurrentTool(kContentTool);
      }
      const int32_t count = gDocumentSuite->group_item_count(next.box);
      for (int32_t i = count; i >= 1; --i) {
        const xt_box item = gDocumentSuite->group_item(next.box, i);
        if (item != 0) pending_.push_back({item, false});
      }
      continue;
    }
    if (!IsTextBox(next.box)) continue;
    const xt_story story = gDocumentSuite->story_of_box(next.box);
    if (std::find(visited_.begin(), visited_.end(), story) != visited_.end()) continue;
    visited_.push_back(story);
    current_ = next.box;
    anchored_ = next.anchored;
    SetCurrentBox(current_);
    return current_;
  }
  Rewind();
  return 0;
}

void BoxWalk::CoverAnchors(int32_t start, int32_t end) {
  if (current_ == 0 || anchored_ || done_) return;
  xt_story story = 0;
  if (GetStorySelection(current_, &story, nullptr, nullptr, nullptr) != 0) return;
  std::vector<xt_box> found;
  int32_t position = 0;
  xt_box box = 0;
  for (int32_t n = 0; gStorySuite->anchored_item(story, start, end, n, &position, &box) == 0;
       ++n) {
    if (IsTextBox(box)) found.push_back(box);
  }
  for (auto at = found.rbegin(); at != found.rend(); ++at) pending_.push_back({*at, true});
}

void BoxWalk::CoverSelection(bool use_selection) {
  int32_t start = 0, end = 0, length = 0;
  if (GetStorySelection(current_, nullptr, &start, &end, &length) != 0) return;
  if (!use_selection || start == end) {
    start = 0;
    end = length;
  }
  CoverAnchors(start, end);
}

void BoxWalk::Rewind() {
  if (done_) return;
  done_ = true;
  pending_.clear();
  PutToolBack();
  if (home_ != 0 && GetCurrentBox() != home_) SetCurrentBox(home_);
}

void BoxWalk::PutToolBack() {
  if (!tool_switched_) return;
  tool_switched_ = false;
  SetCurrentTool(tool_);
}
