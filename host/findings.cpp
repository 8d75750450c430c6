// The findings plug-ins report in a batch run, kept with their story and
// printed in the compiler form once the command is done.
#include "host/findings.h"

#include <iostream>
#include <string_view>

#include "host/frontend.h"
#include "host/progress.h"
#include "host/proof_words.h"
#include "host/session.h"
#include "host/session_options.h"
#include "host/source/source_document.h"

namespace {

namespace model = wirsel::model;

// A discretionary hyphen: the story holds the plug-in's (31) or a soft
// hyphen of the file.
bool IsSoftHyphen(char16_t c) { return c == 31 || c == 0x00AD; }

struct Finding {
  model::StoryId story;
  // Characters other than soft hyphens before the finding, so that hyphens
  // a later command sets do not move it.
  int32_t place;
  std::string text;
};

std::vector<Finding>& Findings() {
  static std::vector<Finding> findings;
  return findings;
}

// The place of the last finding taken: a command reports its findings in
// story order and never edits before the last one, so the next place is
// counted on from there rather than from the story's start.
struct LastPlace {
  model::StoryId story = model::kNoStory;
  int32_t position = 0;
  int32_t place = 0;
};
LastPlace& Last() {
  static LastPlace last;
  return last;
}

// The position of the character with `place` characters other than soft
// hyphens before it.
size_t PositionOf(std::u16string_view text, int32_t place) {
  size_t pos = 0;
  for (int32_t seen = 0; pos < text.size(); ++pos) {
    if (IsSoftHyphen(text[pos])) continue;
    if (seen++ == place) break;
  }
  return pos;
}

bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Line and column of `pos`, counted as the spelling report counts them.
void LineAndColumn(std::u16string_view text, size_t pos, int64_t& line, int64_t& column) {
  column = 1;
  for (size_t i = 0; i < pos && i < text.size(); ++i) {
    if (text[i] == 13 || text[i] == 10) {
      ++line;
      column = 1;
    } else if (!IsLowSurrogate(text[i]) || i == 0 || IsLowSurrogate(text[i - 1])) {
      ++column;
    }
  }
}

// "Quotation mark ..." reads "quotation mark ..." after "warning: ".
std::string Lowered(std::string text) {
  if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') text[0] = char(text[0] - 'A' + 'a');
  return text;
}

}  // namespace

bool RecordFinding(model::StoryId story, int32_t position, const std::string& text) {
  if (CurrentFrontEnd().Attended()) return false;
  const model::Document* document = FrontDocument();
  const model::Story* s = document ? document->story(story) : nullptr;
  if (!s || position < 0 || position > s->length()) return false;
  LastPlace& last = Last();
  if (last.story != story || last.position > position) last = {story, 0, 0};
  for (; last.position < position; ++last.position) {
    if (!IsSoftHyphen(s->CharAt(last.position))) ++last.place;
  }
  Findings().push_back({story, last.place, text});
  return true;
}

std::vector<PlacedFinding> TakeFindings(const std::vector<model::StoryId>& order,
                                        int64_t first_line,
                                        const wirsel::source::SourceDocument* source) {
  std::vector<Finding> findings;
  findings.swap(Findings());
  Last() = {};
  std::vector<PlacedFinding> placed;
  const model::Document* document = FrontDocument();
  if (findings.empty() || !document) return placed;
  for (const model::StoryId id : order) {
    const model::Story* story = document->story(id);
    if (!story) continue;
    const std::u16string text = story->Text();
    for (const Finding& finding : findings) {
      if (finding.story != id) continue;
      PlacedFinding p{id, first_line, 1, Lowered(finding.text)};
      const size_t pos = PositionOf(text, finding.place);
      if (source && id == source->story_id()) {
        source->Locate(static_cast<int32_t>(pos), p.line, p.column);
      } else {
        LineAndColumn(text, pos, p.line, p.column);
      }
      placed.push_back(std::move(p));
    }
    first_line = WordWalker(text, first_line).NextFreeLine();
  }
  return placed;
}

size_t ReportFindings(const std::string& shown_name, const std::vector<model::StoryId>& order) {
  const std::vector<PlacedFinding> placed = TakeFindings(order);
  if (placed.empty()) return 0;
  HostProgress().Clear();
  for (const PlacedFinding& p : placed) {
    std::cerr << Printable(shown_name) << ':' << p.line << ':' << p.column
              << ": warning: " << p.text << '\n';
  }
  return placed.size();
}
