// A story held in memory for the typography pass: UTF-16 characters read as
// the text layer reads host characters, a non-breaking mark per character,
// a selection, and the alerts shown. Written from and read back
// as UTF-8, where a marked space reads as '~' and any other marked character
// is followed by '^'.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "base/charset.h"
#include "base/utf8.h"
#include "typo/typo_story.h"

class MemoryStory : public TypoStory {
 public:
  explicit MemoryStory(const std::string& utf8, int32_t sel_start = 0, int32_t sel_end = 0)
      : sel_start_(sel_start), sel_end_(sel_end) {
    for (size_t i = 0; i < utf8.size();) {
      const bool marked = utf8[i] == '~';
      const Utf8Decoded decoded = DecodeUtf8At(utf8, i);
      const uint16_t code = marked ? u' ' : static_cast<uint16_t>(decoded.c);
      i += marked ? 1 : decoded.length;
      const bool caret = i < utf8.size() && utf8[i] == '^';
      if (caret) ++i;
      text_.push_back(code);
      marks_.push_back(marked || caret);
    }
    gap_start_ = gap_end_ = text_.size();
  }

  std::string Utf8() const {
    std::string out;
    for (int32_t p = 0; p < Length(); ++p) {
      const size_t i = Index(p);
      if (marks_[i] && text_[i] == ' ') {
        out += '~';
        continue;
      }
      AppendUtf8(out, text_[i]);
      if (marks_[i]) out += '^';
    }
    return out;
  }

  void GetSelection(int32_t* start, int32_t* end, int32_t* length) override {
    *start = sel_start_;
    *end = sel_end_;
    *length = Length();
  }
  int32_t Next(int32_t p) override { return p + 1 < Length() ? p + 1 : -1; }
  int32_t Previous(int32_t p) override { return p > 0 ? p - 1 : -1; }
  uint16_t Read(int32_t p) override {
    ++reads;
    return p >= 0 && p < Length() ? FromUnicode(text_[Index(p)]) : 0xFFFF;
  }
  bool Insert(int32_t p, uint8_t c) override {
    if (Refused() || p < 0 || p > Length()) return false;
    const bool mark = sel_start_ >= 0 && sel_start_ < Length() && marks_[Index(sel_start_)];
    const uint16_t u = Win1250ToUnicode(c);
    MoveGap(p);
    if (gap_start_ == gap_end_) {
      const size_t grow = text_.size() + 64;
      text_.insert(text_.begin() + static_cast<std::ptrdiff_t>(gap_start_), grow, 0);
      marks_.insert(marks_.begin() + static_cast<std::ptrdiff_t>(gap_start_), grow, false);
      gap_end_ += grow;
    }
    text_[gap_start_] = u == 0xEFEF ? c : u;
    marks_[gap_start_] = mark;
    ++gap_start_;
    ++edits;
    return true;
  }
  bool Delete(int32_t start, int32_t end) override {
    if (Refused() || start < 0 || end > Length() || start >= end) return false;
    MoveGap(start);
    gap_end_ += static_cast<size_t>(end - start);
    ++edits;
    return true;
  }
  void Select(int32_t start, int32_t end, int32_t) override {
    sel_start_ = start;
    sel_end_ = end;
  }
  bool IsNonBreaking(int32_t p) override { return p >= 0 && p < Length() && marks_[Index(p)]; }
  void MarkNonBreaking(int32_t start, int32_t end) override {
    Select(start, end, 0);
    for (int32_t p = std::max(start, 0); p < end && p < Length(); ++p) {
      marks_[Index(p)] = !marks_[Index(p)];
    }
  }
  void SetRedraw(bool) override {}
  void Alert(const char* stored) override { alerts.push_back(ToWindowsText(stored)); }
  // Batch runs, where Warn reports instead of an alert, go through the host.
  bool Warn(int32_t, const char*) override { return false; }

  int32_t Length() const { return static_cast<int32_t>(text_.size() - (gap_end_ - gap_start_)); }
  int32_t SelStart() const { return sel_start_; }
  int32_t SelEnd() const { return sel_end_; }

  std::vector<std::string> alerts;  // Windows-1250
  int refuse_edits = 0;             // the next this many edits are refused
  int64_t reads = 0;
  int64_t edits = 0;

 private:
  // The characters are held with a gap at the last edit, so that editing
  // along the story costs no more than the walk itself.
  size_t Index(int32_t p) const {
    const auto i = static_cast<size_t>(p);
    return i < gap_start_ ? i : i + (gap_end_ - gap_start_);
  }
  void MoveGap(int32_t p) {
    const auto to = static_cast<size_t>(p);
    while (gap_start_ > to) {
      --gap_start_;
      --gap_end_;
      text_[gap_end_] = text_[gap_start_];
      marks_[gap_end_] = marks_[gap_start_];
    }
    while (gap_start_ < to) {
      text_[gap_start_] = text_[gap_end_];
      marks_[gap_start_] = marks_[gap_end_];
      ++gap_start_;
      ++gap_end_;
    }
  }

  bool Refused() {
    if (refuse_edits <= 0) return false;
    --refuse_edits;
    return true;
  }
  // As the text layer reads a host character: soft hyphen as 31, a
  // Windows-1250 character as its code, a table hole as itself, any other
  // character as a code of 256 or more.
  static uint16_t FromUnicode(uint16_t u) {
    if (u == 0xAD) return 31;
    const int32_t code = Win1250CodeOf(u);
    if (code >= 0) return static_cast<uint16_t>(code);
    if (u <= 0xFF) return Win1250ToUnicode(static_cast<uint8_t>(u)) == 0xEFEF ? u : 0x100 | u;
    return u;
  }
  std::vector<uint16_t> text_;
  std::vector<bool> marks_;
  size_t gap_start_ = 0, gap_end_ = 0;
  int32_t sel_start_, sel_end_;
};
