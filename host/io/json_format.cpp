// Reading and writing the JSON document format. Reading checks every value
// and reference and names the line of the value at fault.
#include "host/io/json_format.h"

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "host/io/files.h"
#include "host/io/io_error.h"
#include "host/io/text_format.h"
#include "host/messages/messages.h"

namespace wirsel::io {

using nlohmann::json;
using model::BoxId;
using model::BoxKind;
using model::StoryId;

namespace {

constexpr int kFormatVersion = 1;
constexpr int kMaxGroupDepth = 64;

int LineAt(std::string_view text, std::size_t offset) {
  offset = std::min(offset, text.size());
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

// Finds the line where the value at a JSON pointer starts in text that is
// known to be valid JSON. Only the containers on the way to the value are
// entered; everything else is skipped without recursion.
class Locator {
 public:
  Locator(std::string_view text, const json::json_pointer& pointer) : text_(text) {
    for (json::json_pointer p = pointer; !p.empty(); p = p.parent_pointer()) {
      path_.insert(path_.begin(), p.back());
    }
  }

  int Line() {
    Value(0);
    return line_;
  }

 private:
  void SkipSpace() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                  text_[at_] == '\r' || text_[at_] == '\n')) {
      ++at_;
    }
  }

  std::string_view String() {
    std::size_t start = ++at_;
    while (at_ < text_.size() && text_[at_] != '"') at_ += text_[at_] == '\\' ? 2 : 1;
    std::string_view inner = text_.substr(start, std::min(at_, text_.size()) - start);
    ++at_;
    return inner;
  }

  void Skip() {
    SkipSpace();
    if (at_ >= text_.size()) return;
    if (text_[at_] == '"') {
      String();
      return;
    }
    if (text_[at_] != '{' && text_[at_] != '[') {
      while (at_ < text_.size() && std::string_view(",]} \t\r\n").find(text_[at_]) ==
                                       std::string_view::npos) {
        ++at_;
      }
      return;
    }
    int depth = 0;
    while (at_ < text_.size()) {
      char c = text_[at_];
      if (c == '"') {
        String();
        continue;
      }
      if (c == '{' || c == '[') ++depth;
      if (c == '}' || c == ']') --depth;
      ++at_;
      if (depth == 0) return;
    }
  }

  // Enters the value at depth `level` of the path; true when found.
  bool Value(std::size_t level) {
    SkipSpace();
    if (level == path_.size()) {
      line_ = LineAt(text_, at_);
      return true;
    }
    if (at_ >= text_.size()) return false;
    char open = text_[at_];
    if (open != '{' && open != '[') return false;
    ++at_;
    for (std::size_t index = 0;; ++index) {
      SkipSpace();
      if (at_ >= text_.size() || text_[at_] == '}' || text_[at_] == ']') return false;
      std::string key = std::to_string(index);
      if (open == '{') {
        key = std::string(String());
        SkipSpace();
        ++at_;  // ':'
      }
      if (key == path_[level]) return Value(level + 1);
      Skip();
      SkipSpace();
      if (at_ < text_.size() && text_[at_] == ',') ++at_;
    }
  }

  std::string_view text_;
  std::vector<std::string> path_;
  std::size_t at_ = 0;
  int line_ = 0;
};

BoxKind KindFromName(const std::string& name, bool* ok) {
  *ok = true;
  if (name == "text") return BoxKind::kText;
  if (name == "picture") return BoxKind::kPicture;
  if (name == "group") return BoxKind::kGroup;
  *ok = false;
  return BoxKind::kText;
}

const char* KindName(BoxKind kind) {
  switch (kind) {
    case BoxKind::kText: return "text";
    case BoxKind::kPicture: return "picture";
    case BoxKind::kGroup: return "group";
  }
  return "text";
}

// Where a box is placed, as the file says.
struct Placement {
  enum Where { kNowhere, kSpread, kGroup, kAnchor } where = kNowhere;
  json::json_pointer at;  // the reference that placed it
};

// Finds where parsing fails: the field (as a JSON pointer) and the byte, for
// errors that the parser reports without a place (a number out of range).
class FailureLocator : public json::json_sax_t {
 public:
  bool null() override { return Value(); }
  bool boolean(bool) override { return Value(); }
  bool number_integer(number_integer_t) override { return Value(); }
  bool number_unsigned(number_unsigned_t) override { return Value(); }
  bool number_float(number_float_t, const string_t&) override { return Value(); }
  bool string(string_t&) override { return Value(); }
  bool binary(binary_t&) override { return Value(); }
  bool start_object(std::size_t) override { return Open(false); }
  bool key(string_t& name) override {
    path_.back().key = name;
    return true;
  }
  bool end_object() override { return Close(); }
  bool start_array(std::size_t) override { return Open(true); }
  bool end_array() override { return Close(); }
  bool parse_error(std::size_t position, const std::string&, const json::exception&) override {
    byte = position;
    for (const Level& level : path_) {
      pointer /= level.array ? std::to_string(level.index) : level.key;
    }
    return false;
  }

  json::json_pointer pointer;
  std::size_t byte = 0;

 private:
  struct Level {
    bool array;
    std::size_t index;
    std::string key;
  };
  bool Value() {
    if (!path_.empty() && path_.back().array) ++path_.back().index;
    return true;
  }
  bool Open(bool array) {
    path_.push_back({array, 0, ""});
    return true;
  }
  bool Close() {
    path_.pop_back();
    return Value();
  }
  std::vector<Level> path_;
};

class Reader {
 public:
  Reader(std::string_view text, const std::string& name) : text_(text), name_(name) {}

  JsonDocument Read() {
    try {
      root_ = json::parse(text_);
    } catch (const json::parse_error& error) {
      std::string reason = error.what();
      std::size_t colon = reason.find(": ", reason.find("parse error"));
      if (colon != std::string::npos) reason = reason.substr(colon + 2);
      throw IoError(name_, LineAt(text_, error.byte > 0 ? error.byte - 1 : 0),
                    Msg("broken JSON: {1}", reason));
    } catch (const json::exception& error) {
      // A value the parser cannot hold, such as 1e400.
      FailureLocator locator;
      json::sax_parse(text_, &locator);
      const std::string field = locator.pointer.to_string();
      throw IoError(name_, LineAt(text_, locator.byte > 0 ? locator.byte - 1 : 0),
                    (field.empty() ? std::string() : field.substr(1) + ": ") +
                        Msg("a number out of range (beyond what a double can hold)"));
    }
    const json::json_pointer top;
    Expect(top, root_.is_object(), "a document must be a JSON object");
    const json* version = Optional(top, "wirsel");
    Expect(top, version != nullptr, "\"wirsel\" (the format version) is missing");
    Expect(top / "wirsel", version->is_number_integer() && *version == kFormatVersion,
           Msg("unknown format version (this reader knows {1})", std::to_string(kFormatVersion)));

    JsonDocument result;
    result.tool = ReadTool();
    result.document = std::make_unique<model::Document>(name_, ReadHjs());
    document_ = result.document.get();
    ReadSpreads();
    CollectBoxes();
    CollectStories();
    PlaceBoxes();
    for (const auto& [id, where] : stories_) FillStory(id, where);
    AttachAnchors();
    for (const auto& [id, where] : boxes_) {
      Expect(where, document_->box(id) != nullptr,
             Msg("box {1} is in a group that is never placed", std::to_string(id)));
    }
    for (const auto& [id, where] : stories_) ChainStory(id, where);
    ReadCurrentBox();
    return result;
  }

 private:
  [[noreturn]] void Fail(const json::json_pointer& where, const std::string& reason) {
    std::string path = where.to_string();
    throw IoError(name_, Locator(text_, where).Line(),
                  (path.empty() ? std::string() : path.substr(1) + ": ") + reason);
  }

  // `reason` is a message of the catalogue, said in the chosen language.
  void Expect(const json::json_pointer& where, bool condition, const char* reason) {
    if (!condition) Fail(where, Msg(reason));
  }
  void Expect(const json::json_pointer& where, bool condition, const std::string& reason) {
    if (!condition) Fail(where, reason);
  }

  const json& At(const json::json_pointer& where) const { return root_.at(where); }

  // The member `key` of the object at `where`, or null.
  const json* Optional(const json::json_pointer& where, const char* key) const {
    const json& object = At(where);
    auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
  }

  const json& Array(const json::json_pointer& where) {
    Expect(where, At(where).is_array(), "expected an array");
    return At(where);
  }

  const json& Object(const json::json_pointer& where) {
    Expect(where, At(where).is_object(), "expected an object");
    return At(where);
  }

  int64_t Integer(const json::json_pointer& where, int64_t low, int64_t high) {
    const json& value = At(where);
    Expect(where, value.is_number_integer(), "expected a whole number");
    int64_t number = value.is_number_unsigned() && value.get<uint64_t>() > INT64_MAX
                         ? INT64_MAX
                         : value.get<int64_t>();
    Expect(where, number >= low && number <= high,
           Msg("expected a number from {1} to {2}", std::to_string(low), std::to_string(high)));
    return number;
  }

  uint32_t Id(const json::json_pointer& where) {
    return static_cast<uint32_t>(Integer(where, 1, UINT32_MAX));
  }

  int16_t ReadTool() {
    const json* tool = Optional(json::json_pointer(), "tool");
    if (!tool) return model::kContentTool;
    if (*tool == "content") return model::kContentTool;
    if (*tool == "item") return model::kItemTool;
    Fail(json::json_pointer("/tool"), Msg("tool must be \"content\" or \"item\""));
  }

  std::vector<model::HJSpec> ReadHjs() {
    std::vector<model::HJSpec> specs;
    if (!Optional(json::json_pointer(), "hj")) return specs;
    const json::json_pointer list("/hj");
    Expect(list, !Array(list).empty(), "a document needs at least one H&J specification");
    for (std::size_t i = 0; i < At(list).size(); ++i) {
      const json::json_pointer at = list / i;
      Object(at);
      const json* name = Optional(at, "name");
      Expect(at, name && name->is_string(), "an H&J specification needs a \"name\" text");
      model::HJSpec hj_spec{name->get<std::string>(), true};
      if (const json* on = Optional(at, "auto_hyphenation")) {
        Expect(at / "auto_hyphenation", on->is_boolean(), "expected true or false");
        hj_spec.auto_hyphenation = on->get<bool>();
      }
      specs.push_back(std::move(hj_spec));
    }
    return specs;
  }

  // Calls `read` with each object of the top-level array `name`, if there is
  // one.
  template <typename Read>
  void EachObject(const char* name, Read read) {
    if (!Optional(json::json_pointer(), name)) return;
    const json::json_pointer list("/" + std::string(name));
    for (std::size_t i = 0; i < Array(list).size(); ++i) {
      const json::json_pointer at = list / i;
      Object(at);
      read(at);
    }
  }

  // The "id" of the object at `at`, entered in `ids`; `missing` and `twice`
  // (with the id for {1}) are the messages when it has none or it is taken.
  uint32_t NewId(const json::json_pointer& at, std::map<uint32_t, json::json_pointer>& ids,
                 const char* missing, const char* twice) {
    Expect(at, Optional(at, "id") != nullptr, missing);
    const uint32_t id = Id(at / "id");
    Expect(at / "id", ids.emplace(id, at).second, Msg(twice, std::to_string(id)));
    return id;
  }

  void ReadSpreads() {
    EachObject("spreads", [&](const json::json_pointer& at) {
      int32_t pages = 1;
      if (Optional(at, "pages")) pages = static_cast<int32_t>(Integer(at / "pages", 1, 10000));
      document_->AddSpread(pages);
      if (!Optional(at, "items")) return;
      for (std::size_t k = 0; k < Array(at / "items").size(); ++k) {
        Place(at / "items" / k, Placement::kSpread);
      }
    });
  }

  void Place(const json::json_pointer& reference, Placement::Where where) {
    BoxId id = Id(reference);
    Placement& placement = placements_[id];
    Expect(
        reference, placement.where == Placement::kNowhere,
        Msg("box {1} is placed twice (also at {2})", std::to_string(id), placement.at.to_string()));
    placement = {where, reference};
  }

  void CollectBoxes() {
    EachObject("boxes", [&](const json::json_pointer& at) {
      NewId(at, boxes_, "a box needs an \"id\"", "box id {1} is used twice");
      BoxKind kind = Kind(at);
      const json* items = Optional(at, "items");
      Expect(at, (kind == BoxKind::kGroup) == (items != nullptr),
             kind == BoxKind::kGroup ? Msg("a group needs \"items\"")
                                     : Msg("only a group has \"items\""));
      if (!items) return;
      Expect(at / "items", !Array(at / "items").empty(), "a group needs at least one item");
      for (std::size_t k = 0; k < items->size(); ++k) Place(at / "items" / k, Placement::kGroup);
    });
  }

  BoxKind Kind(const json::json_pointer& box) {
    const json* kind = Optional(box, "kind");
    Expect(box, kind && kind->is_string(), "a box needs a \"kind\" text");
    bool ok = false;
    BoxKind result = KindFromName(kind->get<std::string>(), &ok);
    Expect(box / "kind", ok, "kind must be \"text\", \"picture\" or \"group\"");
    return result;
  }

  void CollectStories() {
    EachObject("stories", [&](const json::json_pointer& at) {
      const StoryId id =
          NewId(at, stories_, "a story needs an \"id\"", "story id {1} is used twice");
      document_->NewStory(id);
      Expect(at, Optional(at, "boxes") != nullptr, "a story needs \"boxes\" (its chain)");
      const json::json_pointer chain = at / "boxes";
      Expect(chain, !Array(chain).empty(), "a story needs at least one box");
      for (std::size_t k = 0; k < At(chain).size(); ++k) {
        BoxId box = Id(chain / k);
        auto found = boxes_.find(box);
        Expect(chain / k, found != boxes_.end(), Msg("no box with id {1}", std::to_string(box)));
        Expect(chain / k, Kind(found->second) == BoxKind::kText,
               Msg("box {1} is no text box", std::to_string(box)));
        Expect(chain / k, story_of_box_.emplace(box, id).second,
               Msg("box {1} already shows another story", std::to_string(box)));
      }
      if (const json* anchors = Optional(at, "anchors")) {
        Array(at / "anchors");
        for (std::size_t k = 0; k < anchors->size(); ++k) {
          Object(at / "anchors" / k);
          Expect(at / "anchors" / k, Optional(at / "anchors" / k, "box") != nullptr,
                 "an anchor needs a \"box\"");
          Place(at / "anchors" / k / "box", Placement::kAnchor);
        }
      }
    });
  }

  // Checks every placement reference and creates the boxes of the spreads.
  void PlaceBoxes() {
    for (const auto& [id, placement] : placements_) {
      auto found = boxes_.find(id);
      Expect(placement.at, found != boxes_.end(), Msg("no box with id {1}", std::to_string(id)));
      Expect(placement.at, placement.where != Placement::kAnchor ||
                               Kind(found->second) != BoxKind::kGroup,
             "a group cannot be anchored in a story");
    }
    for (const auto& [id, where] : boxes_) {
      Expect(where, placements_.count(id) > 0,
             Msg("box {1} is placed nowhere (no spread, group or anchor)", std::to_string(id)));
    }
    for (int32_t s = 1; s <= document_->spread_count(); ++s) {
      const json::json_pointer items = json::json_pointer("/spreads") / (s - 1) / "items";
      if (!root_.contains(items)) continue;
      for (const json& item : At(items)) Create(item.get<BoxId>(), s, 0);
    }
  }

  // Creates a box (and a group's members first) at the top level of a spread.
  BoxId Create(BoxId id, int32_t spread, int depth) {
    const json::json_pointer at = boxes_.at(id);
    BoxKind kind = Kind(at);
    if (kind == BoxKind::kGroup) {
      Expect(at, depth < kMaxGroupDepth,
             Msg("groups nested more than {1} deep", std::to_string(kMaxGroupDepth)));
      std::vector<BoxId> members;
      for (const json& item : At(at / "items")) {
        members.push_back(Create(item.get<BoxId>(), spread, depth + 1));
      }
      BoxId group = document_->AddGroup(members, id);
      ApplyCommon(group, at);
      return group;
    }
    BoxId made = document_->AddBox(kind, spread, 0, {}, id, StoryFor(id));
    ApplyCommon(made, at);
    return made;
  }

  StoryId StoryFor(BoxId box) const {
    auto found = story_of_box_.find(box);
    return found == story_of_box_.end() ? model::kNoStory : found->second;
  }

  // Page and bounds, kept by the model as plain values.
  void ApplyCommon(BoxId id, const json::json_pointer& at) {
    int32_t page = 0;
    if (Optional(at, "page")) page = static_cast<int32_t>(Integer(at / "page", 0, document_->page_count()));
    model::Bounds bounds;
    if (const json* list = Optional(at, "bounds")) {
      Expect(at / "bounds", list->is_array() && list->size() == 4 &&
                                std::all_of(list->begin(), list->end(),
                                            [](const json& v) { return v.is_number(); }),
             "bounds are four numbers: x, y, width, height");
      bounds = {(*list)[0].get<double>(), (*list)[1].get<double>(), (*list)[2].get<double>(),
                (*list)[3].get<double>()};
    }
    document_->SetBoxPlacement(id, page, bounds);
  }

  void FillStory(StoryId id, const json::json_pointer& at) {
    model::Story& story = *document_->story(id);
    if (const json* text = Optional(at, "text")) {
      Expect(at / "text", text->is_string(), "expected a text");
      std::u16string units = DecodeUtf8(text->get<std::string>(), name_);
      Expect(at / "text", units.size() <= static_cast<std::size_t>(model::kMaxStoryLength),
             "text too long for one story");
      story.Insert(0, units, model::CharAttributes{});
    }
    const int64_t length = story.length();
    if (Optional(at, "attributes")) {
      const json::json_pointer list = at / "attributes";
      for (std::size_t i = 0; i < Array(list).size(); ++i) {
        const json::json_pointer entry = list / i;
        Object(entry);
        Expect(entry, Optional(entry, "kind") && Optional(entry, "runs"),
               "attributes need a \"kind\" and \"runs\"");
        int kind = static_cast<int>(Integer(entry / "kind", 0, model::kAttributeKinds - 1));
        for (std::size_t r = 0; r < Array(entry / "runs").size(); ++r) {
          const json::json_pointer run = entry / "runs" / r;
          Expect(run, At(run).is_array() && At(run).size() == 3,
                 "a run is [start, end, value]");
          auto start = static_cast<int32_t>(Integer(run / 0, 0, length));
          auto end = static_cast<int32_t>(Integer(run / 1, start, length));
          auto value = static_cast<uint32_t>(Integer(run / 2, 0, UINT32_MAX));
          story.SetAttribute(start, end, kind, value);
        }
      }
    }
    if (Optional(at, "paragraphs")) {
      const json::json_pointer list = at / "paragraphs";
      Expect(list, Array(list).size() <= static_cast<std::size_t>(story.ParagraphCount()),
             Msg("more paragraph entries than the text has paragraphs ({1})",
                 std::to_string(story.ParagraphCount())));
      int32_t pos = 0;
      for (std::size_t i = 0; i < At(list).size(); ++i) {
        auto hj = static_cast<int32_t>(Integer(list / i, 0, document_->hj_count() - 1));
        story.SetParagraphHj(pos, hj);
        pos = story.ParagraphAt(pos).end;
      }
    }
    if (Optional(at, "selection")) {
      const json::json_pointer pair = at / "selection";
      Expect(pair, At(pair).is_array() && At(pair).size() == 2, "a selection is [start, end]");
      auto start = static_cast<int32_t>(Integer(pair / 0, 0, length));
      auto end = static_cast<int32_t>(Integer(pair / 1, start, length));
      story.SetSelection(start, end);
    }
  }

  void AttachAnchors() {
    for (const auto& [id, at] : stories_) {
      if (!Optional(at, "anchors")) continue;
      const model::Story& story = *document_->story(id);
      for (std::size_t k = 0; k < At(at / "anchors").size(); ++k) {
        const json::json_pointer anchor = at / "anchors" / k;
        Expect(anchor, Optional(anchor, "position") != nullptr, "an anchor needs a \"position\"");
        auto pos = static_cast<int32_t>(Integer(anchor / "position", 0, story.length() - 1));
        Expect(anchor / "position", story.CharAt(pos) == model::kAnchorChar,
               "an anchor must sit on an anchor character (U+FFFC) of the text");
        Expect(anchor / "position", story.AnchoredBoxAt(pos) == model::kNoBox,
               "two boxes are anchored at one position");
        BoxId box = At(anchor / "box").get<BoxId>();
        const json::json_pointer box_at = boxes_.at(box);
        BoxId made = document_->AttachAnchoredBox(id, pos, Kind(box_at), box, StoryFor(box));
        ApplyCommon(made, box_at);
      }
    }
  }

  void ChainStory(StoryId id, const json::json_pointer& at) {
    std::vector<BoxId> chain;
    for (const json& box : At(at / "boxes")) chain.push_back(box.get<BoxId>());
    document_->SetChainOrder(id, chain);
  }

  void ReadCurrentBox() {
    const json* current = Optional(json::json_pointer(), "current_box");
    if (!current || (current->is_number_integer() && *current == 0)) return;
    BoxId id = Id(json::json_pointer("/current_box"));
    Expect(json::json_pointer("/current_box"), document_->SetCurrentBox(id) == model::Result::kOk,
           Msg("no box with id {1}", std::to_string(id)));
  }

  std::string_view text_;
  const std::string& name_;
  json root_;
  model::Document* document_ = nullptr;
  std::map<BoxId, json::json_pointer> boxes_;
  std::map<StoryId, json::json_pointer> stories_;
  std::map<BoxId, StoryId> story_of_box_;
  std::map<BoxId, Placement> placements_;
};

using ordered = nlohmann::ordered_json;

constexpr std::size_t kLineWidth = 100;

// A JSON string with the characters that are invisible or ambiguous in an
// editor (controls, no-break space, soft hyphen, anchor character, byte order
// mark, line separators) written as \u escapes; `utf8` is valid UTF-8.
std::string Quoted(const std::string& utf8) {
  static const char* const hex = "0123456789abcdef";
  auto escape = [&](std::string& out, unsigned code) {
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += hex[(code >> shift) & 15];
  };
  std::string out = "\"";
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    length = std::min(length, utf8.size() - i);
    unsigned code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (utf8[i + k] & 0x3F);
    if (code == '"' || code == '\\') {
      out += '\\';
      out += static_cast<char>(code);
    } else if (code == '\n') {
      out += "\\n";
    } else if (code == '\t') {
      out += "\\t";
    } else if (code < 0x20 || code == 0x7F || code == 0xA0 || code == 0xAD || code == 0xFEFF ||
               code == 0xFFFC || code == 0x2028 || code == 0x2029) {
      escape(out, code);
    } else {
      out.append(utf8, i, length);
    }
    i += length;
  }
  return out + "\"";
}

// The value on one line, appended to `out`; false (with `out` cut short) as
// soon as `out` grows past `limit`, so that asking whether a large container
// fits a line costs no more than the line.
bool Inline(const ordered& value, std::string& out, std::size_t limit) {
  if (value.is_string()) {
    out += Quoted(value.get<std::string>());
    return out.size() <= limit;
  }
  if (!value.is_structured()) {
    out += value.dump();
    return out.size() <= limit;
  }
  out += value.is_object() ? "{" : "[";
  bool first = true;
  for (auto it = value.begin(); it != value.end(); ++it) {
    if (!first) out += ", ";
    first = false;
    if (value.is_object()) out += Quoted(it.key()) + ": ";
    if (!Inline(*it, out, limit)) return false;
  }
  out += value.is_object() ? "}" : "]";
  return out.size() <= limit;
}

// Containers that fit the line (starting at `column`) stay on it; others get
// one member per line, indented one step more than their parent.
void Pretty(const ordered& value, std::size_t indent, std::size_t column, std::string& out) {
  if (!value.is_structured()) {
    Inline(value, out, SIZE_MAX);
    return;
  }
  std::string flat;
  if (Inline(value, flat, kLineWidth - std::min(column, kLineWidth))) {
    out += flat;
    return;
  }
  const std::string inner(indent + 2, ' ');
  out += value.is_object() ? "{\n" : "[\n";
  bool first = true;
  for (auto it = value.begin(); it != value.end(); ++it) {
    if (!first) out += ",\n";
    first = false;
    out += inner;
    std::size_t start = out.size();
    if (value.is_object()) out += Quoted(it.key()) + ": ";
    Pretty(*it, indent + 2, indent + 2 + (out.size() - start), out);
  }
  out += "\n" + std::string(indent, ' ') + (value.is_object() ? "}" : "]");
}

ordered AttributeRuns(const model::Story& story, int kind) {
  ordered runs = ordered::array();
  int32_t start = 0;
  while (start < story.length()) {
    uint32_t value = story.Attribute(start, kind);
    int32_t end = start + 1;
    while (end < story.length() && story.Attribute(end, kind) == value) ++end;
    if (value != 0) runs.push_back({start, end, value});
    start = end;
  }
  return runs;
}

ordered StoryJson(const model::Document& document, const model::Story& story) {
  ordered out;
  out["id"] = story.id();
  ordered chain = ordered::array();
  for (BoxId box : document.ChainOf(story.id())) {
    if (document.box(box)->attached) chain.push_back(box);
  }
  out["boxes"] = chain;
  std::u16string units = story.Text();
  std::replace(units.begin(), units.end(), model::kParagraphEnd, model::kLineFeed);
  out["text"] = EncodeUtf8(units);
  out["selection"] = {story.selection().start, story.selection().end};
  ordered paragraphs = ordered::array();
  bool any_hj = false;
  for (int32_t pos = 0;;) {
    model::Paragraph paragraph = story.ParagraphAt(pos);
    paragraphs.push_back(paragraph.hj);
    any_hj = any_hj || paragraph.hj != 0;
    if (paragraph.end == story.length() &&
        (paragraph.end == paragraph.start ||
         story.CharAt(paragraph.end - 1) != model::kParagraphEnd)) {
      break;
    }
    pos = paragraph.end;
  }
  if (any_hj) out["paragraphs"] = paragraphs;
  ordered attributes = ordered::array();
  for (int kind = 0; kind < model::kAttributeKinds; ++kind) {
    ordered runs = AttributeRuns(story, kind);
    if (!runs.empty()) attributes.push_back({{"kind", kind}, {"runs", runs}});
  }
  if (!attributes.empty()) out["attributes"] = attributes;
  ordered anchors = ordered::array();
  int32_t position = 0;
  BoxId box = model::kNoBox;
  for (int32_t n = 0;
       story.FindAnchored(0, story.length(), n, &position, &box) == model::Result::kOk; ++n) {
    anchors.push_back({{"position", position}, {"box", box}});
  }
  if (!anchors.empty()) out["anchors"] = anchors;
  return out;
}

}  // namespace

JsonDocument ParseJson(std::string_view bytes, const std::string& name) {
  return Reader(bytes, name).Read();
}

JsonDocument ReadJsonFile(const std::string& path) { return ParseJson(ReadFileBytes(path), path); }

std::string RenderJson(const model::Document& document, int16_t tool) {
  ordered out;
  out["wirsel"] = kFormatVersion;
  out["tool"] = tool == model::kItemTool ? "item" : "content";
  out["current_box"] = document.current_box();
  ordered hjs = ordered::array();
  for (int32_t i = 0; i < document.hj_count(); ++i) {
    hjs.push_back({{"name", document.hj(i)->name},
                   {"auto_hyphenation", document.hj(i)->auto_hyphenation}});
  }
  out["hj"] = hjs;
  ordered spreads = ordered::array();
  for (int32_t s = 1; s <= document.spread_count(); ++s) {
    spreads.push_back({{"pages", document.spread(s)->pages}, {"items", document.spread(s)->items}});
  }
  out["spreads"] = spreads;
  ordered boxes = ordered::array();
  std::set<StoryId> shown;
  for (BoxId id : document.BoxIds()) {
    const model::Box& box = *document.box(id);
    if (!box.attached) continue;  // its anchor was deleted
    ordered entry = {{"id", id}, {"kind", KindName(box.kind)}, {"page", box.page}};
    if (box.bounds != model::Bounds{}) {
      entry["bounds"] = {box.bounds.x, box.bounds.y, box.bounds.width, box.bounds.height};
    }
    if (box.kind == BoxKind::kGroup) entry["items"] = box.items;
    if (box.story != model::kNoStory) shown.insert(box.story);
    boxes.push_back(std::move(entry));
  }
  out["boxes"] = boxes;
  ordered stories = ordered::array();
  for (StoryId id : shown) stories.push_back(StoryJson(document, *document.story(id)));
  out["stories"] = stories;
  std::string text;
  Pretty(out, 0, 0, text);
  return text + "\n";
}

}  // namespace wirsel::io
