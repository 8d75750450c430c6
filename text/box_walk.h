// The walk over the stories a box command covers: a text box's own story,
// then the text boxes anchored in the part of it that was worked on; for a
// group, each of its items in turn with the content tool. Each story is
// visited once. Hyphenation, typography and the spell-check commands all
// walk this way.
#pragma once

#include <cstdint>
#include <vector>

#include "xtapi/xtapi.h"

class BoxWalk {
 public:
  // A walk from `box`: a text box or a group (anything else has no story).
  explicit BoxWalk(xt_box box);
  // Puts the tool back when the walk switched it. A walk left before its end
  // leaves the box it was on current (see Rewind).
  ~BoxWalk();
  BoxWalk(const BoxWalk&) = delete;
  BoxWalk& operator=(const BoxWalk&) = delete;

  // Makes the next box current and answers it; 0 when the walk is done, the
  // walk's own box being current again.
  xt_box Next();
  // The box Next answered is anchored in the story of the box before it.
  bool anchored() const { return anchored_; }

  // The range of the current box's story whose anchored text boxes come
  // next, in story order. Without a call none do; anchored boxes of an
  // anchored box are not walked.
  void CoverAnchors(int32_t start, int32_t end);
  // CoverAnchors over the story's selection as it stands now, or over the
  // whole story for an insertion point or when `use_selection` is false.
  void CoverSelection(bool use_selection = true);

  // Ends the walk early as if it had run to its end: the walk's own box is
  // current again and the tool put back.
  void Rewind();

 private:
  struct Pending {
    xt_box box;
    bool anchored;
  };
  void PutToolBack();

  xt_box home_;
  xt_box current_ = 0;
  bool anchored_ = false;
  bool done_ = false;
  int16_t tool_ = 0;
  bool tool_switched_ = false;
  std::vector<Pending> pending_;  // a stack: the next box is at the back
  std::vector<xt_story> visited_;
};
