// Spreads, boxes, groups, chains and anchored boxes of one document, and the
// walks over them.
#include "host/model/document.h"

#include <algorithm>

namespace wirsel::model {

Document::Document(std::string name, std::vector<HJSpec> hjs)
    : name_(std::move(name)), hjs_(std::move(hjs)) {
  if (hjs_.empty()) hjs_.push_back({"Standard", true});
}

Document::~Document() = default;

int32_t Document::AddSpread(int32_t pages) {
  spreads_.push_back(Spread{std::max(pages, 1), {}});
  pages_ += spreads_.back().pages;
  return spread_count();
}

const Spread* Document::spread(int32_t number) const {
  if (number < 1 || number > spread_count()) return nullptr;
  return &spreads_[static_cast<std::size_t>(number - 1)];
}

int32_t Document::page_count() const { return pages_; }

BoxId Document::Fail(Result result) {
  last_result_ = result;
  return kNoBox;
}

namespace {

// The id for a new box or story: the next free one when `wanted` is `none`,
// else `wanted` when it is free and `none` when it is taken.
template <typename Map>
uint32_t TakeId(uint32_t wanted, uint32_t none, uint32_t& next, const Map& used) {
  if (wanted == none) {
    while (next == none || used.count(next)) ++next;
    return next++;
  }
  if (used.count(wanted)) return none;
  if (wanted != UINT32_MAX) next = std::max(next, wanted + 1);
  return wanted;
}

}  // namespace

BoxId Document::TakeBoxId(BoxId wanted) { return TakeId(wanted, kNoBox, next_box_id_, boxes_); }

StoryId Document::TakeStoryId(StoryId wanted) {
  return TakeId(wanted, kNoStory, next_story_id_, stories_);
}

StoryId Document::NewStory(StoryId id) {
  StoryId taken = TakeStoryId(id);
  if (taken == kNoStory) {
    last_result_ = Result::kIdTaken;
    return kNoStory;
  }
  stories_[taken] = std::make_unique<Story>(*this, taken);
  last_result_ = Result::kOk;
  return taken;
}

Box* Document::MutableBox(BoxId id) {
  auto it = boxes_.find(id);
  return it == boxes_.end() ? nullptr : &it->second;
}

const Box* Document::box(BoxId id) const {
  auto it = boxes_.find(id);
  return it == boxes_.end() ? nullptr : &it->second;
}

std::vector<BoxId> Document::ChainOf(StoryId story) const {
  std::vector<BoxId> chain;
  auto ends = chains_.find(story);
  if (ends == chains_.end()) return chain;
  for (BoxId at = ends->second.first; at != kNoBox; at = boxes_.at(at).next_linked) {
    chain.push_back(at);
  }
  return chain;
}

Result Document::SetChainOrder(StoryId id, const std::vector<BoxId>& order) {
  if (!story(id)) return Result::kNoSuchStory;
  std::vector<BoxId> current = ChainOf(id);
  std::vector<BoxId> wanted = order;
  std::sort(current.begin(), current.end());
  std::sort(wanted.begin(), wanted.end());
  if (current != wanted) return Result::kWrongPlacement;
  for (std::size_t i = 0; i < order.size(); ++i) {
    Box& box = boxes_.at(order[i]);
    box.previous_linked = i > 0 ? order[i - 1] : kNoBox;
    box.next_linked = i + 1 < order.size() ? order[i + 1] : kNoBox;
  }
  if (!order.empty()) chains_[id] = {order.front(), order.back()};
  return Result::kOk;
}

void Document::AppendToChain(Box& box, StoryId story) {
  ChainEnds& ends = chains_[story];
  if (ends.last != kNoBox) {
    boxes_.at(ends.last).next_linked = box.id;
    box.previous_linked = ends.last;
  } else {
    ends.first = box.id;
  }
  ends.last = box.id;
  box.story = story;
}

// Checks that a new box can be made; the caller then places it.
BoxId Document::NewBox(BoxKind kind, BoxId id, StoryId story) {
  if (story != kNoStory && (kind != BoxKind::kText || !stories_.count(story))) {
    return Fail(Result::kNoSuchStory);
  }
  BoxId taken = TakeBoxId(id);
  if (taken == kNoBox) return Fail(Result::kIdTaken);
  Box box;
  box.id = taken;
  box.kind = kind;
  if (kind == BoxKind::kText) AppendToChain(box, story != kNoStory ? story : NewStory());
  boxes_[taken] = std::move(box);
  last_result_ = Result::kOk;
  return taken;
}

BoxId Document::AddBox(BoxKind kind, int32_t spread, int32_t page, Bounds bounds, BoxId id,
                       StoryId story) {
  if (spread < 1 || spread > spread_count() || page < 0 || page > page_count()) {
    return Fail(Result::kBadValue);
  }
  BoxId made = NewBox(kind, id, story);
  if (made == kNoBox) return made;
  Box& box = boxes_.at(made);
  box.spread = spread;
  box.page = page;
  box.bounds = bounds;
  auto& items = spreads_[static_cast<std::size_t>(spread - 1)].items;
  box.slot = items.size();
  items.push_back(made);
  return made;
}

BoxId Document::AddGroup(const std::vector<BoxId>& items, BoxId id) {
  if (items.empty()) return Fail(Result::kBadValue);
  const Box* first = box(items.front());
  for (BoxId item : items) {
    const Box* member = box(item);
    if (!member) return Fail(Result::kNoSuchBox);
    if (member->spread == 0 || member->spread != first->spread) {
      return Fail(Result::kWrongPlacement);
    }
  }
  std::vector<BoxId> sorted = items;
  std::sort(sorted.begin(), sorted.end());
  if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
    return Fail(Result::kWrongPlacement);
  }
  int32_t spread_number = first->spread;
  int32_t page = first->page;
  BoxId made = NewBox(BoxKind::kGroup, id, kNoStory);
  if (made == kNoBox) return made;
  // The group takes the first item's slot; the other items leave the list,
  // which is compacted from the earliest of them on (readers group the
  // boxes they have just added, so that is the list's tail).
  auto& spread_items = spreads_[static_cast<std::size_t>(spread_number - 1)].items;
  std::size_t from = spread_items.size();
  for (BoxId item : items) from = std::min(from, boxes_.at(item).slot);
  spread_items[boxes_.at(items.front()).slot] = made;
  for (std::size_t i = 0; i < items.size(); ++i) {
    Box& member = boxes_.at(items[i]);
    if (i > 0) spread_items[member.slot] = kNoBox;
    member.spread = 0;
    member.group = made;
    member.slot = i;
  }
  spread_items.erase(std::remove(spread_items.begin() + static_cast<std::ptrdiff_t>(from),
                                 spread_items.end(), kNoBox),
                     spread_items.end());
  Renumber(spread_items, from);
  Box& group = boxes_.at(made);
  group.spread = spread_number;
  group.page = page;
  group.items = items;
  return made;
}

BoxId Document::InsertAnchoredBox(StoryId story_id, int32_t pos, BoxKind kind, BoxId id,
                                  StoryId box_story) {
  Story* host = story(story_id);
  if (!host) return Fail(Result::kNoSuchStory);
  if (pos < 0 || pos > host->length()) return Fail(Result::kBadPosition);
  if (host->length() >= kMaxStoryLength) return Fail(Result::kTooLong);
  BoxId made = NewBox(kind, id, box_story);
  if (made == kNoBox) return made;
  const char16_t anchor = kAnchorChar;
  host->Insert(pos, &anchor, 1, host->SelectionAttributes());
  host->SetAnchor(pos, made);
  boxes_.at(made).anchored_in = story_id;
  return made;
}

BoxId Document::AttachAnchoredBox(StoryId story_id, int32_t pos, BoxKind kind, BoxId id,
                                  StoryId box_story) {
  Story* host = story(story_id);
  if (!host) return Fail(Result::kNoSuchStory);
  if (host->CharAt(pos) != kAnchorChar || host->AnchoredBoxAt(pos) != kNoBox) {
    return Fail(Result::kBadPosition);
  }
  BoxId made = NewBox(kind, id, box_story);
  if (made == kNoBox) return made;
  host->SetAnchor(pos, made);
  boxes_.at(made).anchored_in = story_id;
  return made;
}

Result Document::Link(BoxId previous, BoxId next) {
  Box* first = MutableBox(previous);
  Box* second = MutableBox(next);
  if (!first || !second) return Result::kNoSuchBox;
  if (first->kind != BoxKind::kText || second->kind != BoxKind::kText) {
    return Result::kNotTextBox;
  }
  if (first->next_linked != kNoBox || second->previous_linked != kNoBox ||
      second->next_linked != kNoBox || first->story == second->story) {
    return Result::kWrongPlacement;
  }
  if (story(second->story)->length() != 0) return Result::kBadValue;
  stories_.erase(second->story);
  chains_.erase(second->story);
  AppendToChain(*second, first->story);
  return Result::kOk;
}

Result Document::SetBoxPlacement(BoxId id, int32_t page, Bounds bounds) {
  Box* found = MutableBox(id);
  if (!found) return Result::kNoSuchBox;
  if (page < 0 || page > page_count()) return Result::kBadValue;
  found->page = page;
  found->bounds = bounds;
  return Result::kOk;
}

bool Document::BoxValid(BoxId id) const {
  const Box* found = box(id);
  return found && found->attached;
}

bool Document::IsTextBox(BoxId id) const {
  const Box* found = box(id);
  return found && found->kind == BoxKind::kText;
}

bool Document::IsGroup(BoxId id) const {
  const Box* found = box(id);
  return found && found->kind == BoxKind::kGroup;
}

std::vector<BoxId> Document::BoxIds() const {
  std::vector<BoxId> ids;
  for (const auto& entry : boxes_) ids.push_back(entry.first);
  return ids;
}

void Document::SetAttached(BoxId id, bool attached) {
  if (Box* found = MutableBox(id)) found->attached = attached;
}

Story* Document::story(StoryId id) {
  auto it = stories_.find(id);
  return it == stories_.end() ? nullptr : it->second.get();
}

const Story* Document::story(StoryId id) const {
  auto it = stories_.find(id);
  return it == stories_.end() ? nullptr : it->second.get();
}

StoryId Document::StoryOfBox(BoxId id) const {
  const Box* found = box(id);
  return found ? found->story : kNoStory;
}

std::vector<StoryId> Document::StoryIds() const {
  std::vector<StoryId> ids;
  for (const auto& entry : stories_) ids.push_back(entry.first);
  return ids;
}

BoxId Document::FirstBoxOfSpread(int32_t number, Walk walk) const {
  const Spread* found = spread(number);
  return found && !found->items.empty() ? found->items.front() : kNoBox;
}

BoxId Document::NextSibling(const Box& of) const {
  const std::vector<BoxId>* list = nullptr;
  if (of.group != kNoBox) list = &boxes_.at(of.group).items;
  else if (const Spread* on = spread(of.spread)) list = &on->items;
  if (!list || of.slot + 1 >= list->size()) return kNoBox;
  return (*list)[of.slot + 1];
}

void Document::Renumber(const std::vector<BoxId>& list, std::size_t from) {
  for (std::size_t i = from; i < list.size(); ++i) boxes_.at(list[i]).slot = i;
}

BoxId Document::NextBox(BoxId id, Walk walk) const {
  const Box* at = box(id);
  if (!at) return kNoBox;
  if (walk == Walk::kWithMembers && !at->items.empty()) return at->items.front();
  while (at) {
    BoxId sibling = NextSibling(*at);
    if (sibling != kNoBox) return sibling;
    at = at->group != kNoBox ? box(at->group) : nullptr;
  }
  return kNoBox;
}

BoxId Document::FirstInDocument() const {
  for (int32_t s = 1; s <= spread_count(); ++s) {
    BoxId first = FirstBoxOfSpread(s, Walk::kWithMembers);
    if (first != kNoBox) return first;
  }
  return kNoBox;
}

BoxId Document::WalkNext(BoxId id) const {
  BoxId next = NextBox(id, Walk::kWithMembers);
  if (next != kNoBox) return next;
  const Box* at = box(id);
  while (at && at->group != kNoBox) at = box(at->group);
  for (int32_t s = at ? at->spread + 1 : spread_count() + 1; s <= spread_count(); ++s) {
    BoxId first = FirstBoxOfSpread(s, Walk::kWithMembers);
    if (first != kNoBox) return first;
  }
  return kNoBox;
}

BoxId Document::FirstBoxOfPage(int32_t page) const {
  for (BoxId at = FirstInDocument(); at != kNoBox; at = WalkNext(at)) {
    if (box(at)->page == page) return at;
  }
  return kNoBox;
}

BoxId Document::NextBoxOnPage(BoxId id) const {
  const Box* from = box(id);
  if (!from) return kNoBox;
  for (BoxId at = WalkNext(id); at != kNoBox; at = WalkNext(at)) {
    if (box(at)->page == from->page) return at;
  }
  return kNoBox;
}

BoxId Document::FirstTextBox() const {
  for (BoxId at = FirstInDocument(); at != kNoBox; at = WalkNext(at)) {
    if (IsTextBox(at)) return at;
  }
  return kNoBox;
}

const HJSpec* Document::hj(int32_t index) const {
  if (index < 0 || index >= hj_count()) return nullptr;
  return &hjs_[static_cast<std::size_t>(index)];
}

Result Document::SetHjAutoHyphenation(int32_t index, bool on) {
  if (!hj(index)) return Result::kBadValue;
  auto& hj_spec = hjs_[static_cast<std::size_t>(index)];
  if (hj_spec.auto_hyphenation == on) return Result::kOk;
  if (journal_.recording()) {
    Edit edit;
    edit.type = Edit::Type::kHjAuto;
    edit.start = index;
    edit.old_value = hj_spec.auto_hyphenation ? 1 : 0;
    journal_.Record(std::move(edit));
  }
  hj_spec.auto_hyphenation = on;
  return Result::kOk;
}

Result Document::SetCurrentBox(BoxId id) {
  if (id != kNoBox && !BoxValid(id)) return Result::kNoSuchBox;
  current_box_ = id;
  return Result::kOk;
}

}  // namespace wirsel::model
