// The document, story and H&J suites over the front document of the
// workspace. Ids that name nothing are answered with none, 0 or a non-zero
// status; nothing a plug-in passes is trusted.
#include <algorithm>
#include <cstring>
#include <string>

#include "host/cp1250.h"
#include "host/progress.h"
#include "host/session.h"
#include "host/suites.h"

namespace {

using wirsel::model::BoxId;
using wirsel::model::Document;
using wirsel::model::Result;
using wirsel::model::Story;
using wirsel::model::Walk;

constexpr xt_status kNoDocument = static_cast<xt_status>(Result::kNoDocument);
constexpr xt_status kNoSuchStory = static_cast<xt_status>(Result::kNoSuchStory);
constexpr xt_status kBadValue = static_cast<xt_status>(Result::kBadValue);

xt_status Status(Result result) { return static_cast<xt_status>(result); }

// Bit 0 of a walk selector asks for the members of groups as well.
Walk WalkOf(uint8_t selector) { return (selector & 1) ? Walk::kWithMembers : Walk::kTopLevel; }

Story* StoryOf(xt_story id) {
  Document* document = FrontDocument();
  return document ? document->story(id) : nullptr;
}

const wirsel::model::Box* BoxOf(xt_box id) {
  const Document* document = FrontDocument();
  return document ? document->box(id) : nullptr;
}

// ---- Documents and boxes ----

int16_t CurrentLayoutView() { return Session().workspace.front_index(); }
int32_t DocumentCount() { return Session().workspace.document_count(); }
xt_box CurrentBox() {
  const Document* document = FrontDocument();
  return document ? document->current_box() : 0;
}
xt_status SetCurrentBox(xt_box box) {
  Document* document = FrontDocument();
  return document ? Status(document->SetCurrentBox(box)) : kNoDocument;
}
int32_t BoxValid(xt_box box) {
  const Document* document = FrontDocument();
  return document && document->BoxValid(box);
}
int32_t BoxIsText(xt_box box) {
  const Document* document = FrontDocument();
  return document && document->IsTextBox(box);
}
int32_t BoxIsGroup(xt_box box) {
  const Document* document = FrontDocument();
  return document && document->IsGroup(box);
}
int32_t SpreadCount() {
  const Document* document = FrontDocument();
  return document ? document->spread_count() : 0;
}
xt_box FirstBoxOfSpread(int32_t spread, uint8_t selector) {
  const Document* document = FrontDocument();
  return document ? document->FirstBoxOfSpread(spread, WalkOf(selector)) : 0;
}
xt_box NextBox(xt_box box, uint8_t selector) {
  const Document* document = FrontDocument();
  return document ? document->NextBox(box, WalkOf(selector)) : 0;
}
int32_t PageCount() {
  const Document* document = FrontDocument();
  return document ? document->page_count() : 0;
}
xt_box FirstBoxOfPage(int32_t page) {
  const Document* document = FrontDocument();
  return document ? document->FirstBoxOfPage(page) : 0;
}
xt_box NextBoxOnPage(xt_box box) {
  const Document* document = FrontDocument();
  return document ? document->NextBoxOnPage(box) : 0;
}
int32_t GroupItemCount(xt_box group) {
  const auto* box = BoxOf(group);
  return box && box->kind == wirsel::model::BoxKind::kGroup
             ? static_cast<int32_t>(box->items.size())
             : 0;
}
xt_box GroupItem(xt_box group, int32_t index) {
  const auto* box = BoxOf(group);
  if (index < 1 || index > GroupItemCount(group)) return 0;
  return box->items[index - 1];
}
xt_box PreviousLinkedBox(xt_box id) {
  const auto* box = BoxOf(id);
  return box ? box->previous_linked : 0;
}
xt_box NextLinkedBox(xt_box id) {
  const auto* box = BoxOf(id);
  return box ? box->next_linked : 0;
}
xt_story StoryOfBox(xt_box box) {
  const Document* document = FrontDocument();
  return document ? document->StoryOfBox(box) : 0;
}
// Every story is to be checked.
int32_t StoryQuery(xt_story) { return 0; }

// ---- Stories ----

xt_status GetSelection(xt_box box, xt_story* story, int32_t* start, int32_t* end, int32_t* length) {
  if (story) *story = 0;
  if (start) *start = 0;
  if (end) *end = 0;
  if (length) *length = 0;
  Document* document = FrontDocument();
  if (!document) return kNoDocument;
  const BoxId id = box ? box : document->current_box();
  if (!document->IsTextBox(id)) return Status(Result::kNotTextBox);
  const Story* text = document->story(document->StoryOfBox(id));
  if (!text) return kNoSuchStory;
  if (story) *story = text->id();
  if (start) *start = text->selection().start;
  if (end) *end = text->selection().end;
  if (length) *length = text->length();
  return 0;
}

xt_status SetSelection(xt_story story, int32_t start, int32_t end, int32_t) {
  Story* text = StoryOf(story);
  return text ? Status(text->SetSelection(start, end)) : kNoSuchStory;
}

int32_t ReadChars(xt_story story, int32_t position, int32_t count, uint16_t* codes) {
  const Story* text = StoryOf(story);
  if (!text || !codes) return 0;
  // How far a menu command has read into a story is how far it has come.
  HostProgress().ReportWithinSpan(position, text->length(), story);
  return text->Read(position, count, reinterpret_cast<char16_t*>(codes));
}

xt_status InsertChars(xt_story story, int32_t position, int32_t count, const uint16_t* codes,
                      int32_t) {
  Story* text = StoryOf(story);
  if (!text) return kNoSuchStory;
  if (count < 0 || (count > 0 && !codes)) return kBadValue;
  return Status(text->Insert(position, reinterpret_cast<const char16_t*>(codes), count,
                             text->SelectionAttributes()));
}

xt_status DeleteChars(xt_story story, int32_t start, int32_t end) {
  Story* text = StoryOf(story);
  return text ? Status(text->Erase(start, end)) : kNoSuchStory;
}

int32_t NextPosition(xt_story story, int32_t position) {
  const Story* text = StoryOf(story);
  return text ? text->NextPosition(position) : -1;
}

int32_t PreviousPosition(xt_story story, int32_t position) {
  const Story* text = StoryOf(story);
  return text ? text->PreviousPosition(position) : -1;
}

xt_status AnchoredItem(xt_story story, int32_t start, int32_t end, int32_t n, int32_t* position,
                       xt_box* box) {
  const Story* text = StoryOf(story);
  if (!text) return kNoSuchStory;
  int32_t found_position = 0;
  BoxId found_box = 0;
  const Result result = text->FindAnchored(start, end, n, &found_position, &found_box);
  if (position) *position = found_position;
  if (box) *box = found_box;
  return Status(result);
}

uint32_t CharAttribute(xt_story story, int32_t position, int32_t kind) {
  const Story* text = StoryOf(story);
  return text ? text->Attribute(position, kind) : 0;
}

xt_status ToggleStyle(xt_story story, int32_t selector, uint32_t value) {
  Story* text = StoryOf(story);
  if (!text) return kNoSuchStory;
  if (selector != XT_STYLE_TOGGLE) return kBadValue;
  const auto& selection = text->selection();
  return Status(text->ToggleFlags(selection.start, selection.end, XT_ATTR_KIND_STYLE, value));
}

void SetRedraw(int32_t on) { Session().workspace.SetRedraw(on != 0); }

xt_status ParagraphAt(xt_story story, int32_t position, int32_t* start, int32_t* end,
                      int32_t* hj_index) {
  const Story* text = StoryOf(story);
  if (!text) return kNoSuchStory;
  if (position < 0 || position > text->length()) return Status(Result::kBadPosition);
  const wirsel::model::Paragraph paragraph = text->ParagraphAt(position);
  if (start) *start = paragraph.start;
  if (end) *end = paragraph.end;
  if (hj_index) *hj_index = paragraph.hj;
  return 0;
}

int32_t StoryLength(xt_story story) {
  const Story* text = StoryOf(story);
  return text ? text->length() : 0;
}

// ---- H&J specifications ----

int32_t HjCount() {
  const Document* document = FrontDocument();
  return document ? document->hj_count() : 0;
}

xt_status HjGet(int32_t index, char* name, int32_t name_size, int32_t* auto_hyphenation) {
  const Document* document = FrontDocument();
  const wirsel::model::HJSpec* hj_spec = document ? document->hj(index) : nullptr;
  if (!hj_spec) return kBadValue;
  if (name && name_size > 0) {
    const std::string text = Utf8ToWin1250(hj_spec->name);
    const size_t length = std::min(text.size(), static_cast<size_t>(name_size) - 1);
    std::memcpy(name, text.data(), length);
    name[length] = 0;
  }
  if (auto_hyphenation) *auto_hyphenation = hj_spec->auto_hyphenation;
  return 0;
}

xt_status HjSetAuto(int32_t index, int32_t auto_hyphenation) {
  Document* document = FrontDocument();
  return document ? Status(document->SetHjAutoHyphenation(index, auto_hyphenation != 0))
                  : kNoDocument;
}

}  // namespace

std::span<const xt_fn> DocumentSuiteTable() {
  return Suite<XT_DOCUMENT_SUITE_COUNT, CurrentLayoutView, DocumentCount, CurrentBox, SetCurrentBox,
               BoxValid, BoxIsText, BoxIsGroup, SpreadCount, FirstBoxOfSpread, NextBox, PageCount,
               FirstBoxOfPage, NextBoxOnPage, GroupItemCount, GroupItem, PreviousLinkedBox,
               NextLinkedBox, StoryOfBox, StoryQuery>();
}
std::span<const xt_fn> StorySuiteTable() {
  return Suite<XT_STORY_SUITE_COUNT, GetSelection, SetSelection, ReadChars, InsertChars,
               DeleteChars, NextPosition, PreviousPosition, AnchoredItem, CharAttribute,
               ToggleStyle, SetRedraw, ParagraphAt, StoryLength>();
}
std::span<const xt_fn> HjSuiteTable() {
  return Suite<XT_HJ_SUITE_COUNT, HjCount, HjGet, HjSetAuto>();
}
