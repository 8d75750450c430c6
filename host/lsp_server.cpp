// Requests, notifications and diagnostics of the language server. A document
// is cut into pieces (lines of plain text, paragraphs of Markdown and LaTeX)
// and each piece is read and checked once per content and the markup left
// open before it (the cache), so after an edit only the changed paragraphs
// are read and walked again.
#include "host/lsp_server.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "host/cp1250.h"
#include "host/editor_prose.h"
#include "host/line_words.h"
#include "host/lsp_transport.h"

using nlohmann::json;

namespace {

// JSON-RPC and LSP error codes.
constexpr int kParseError = -32700;
constexpr int kInvalidRequest = -32600;
constexpr int kMethodNotFound = -32601;
constexpr int kInvalidParams = -32602;
constexpr int kServerNotInitialized = -32002;
constexpr int kRequestCancelled = -32800;

constexpr const char* kAddCommand = "wirsel.addToDictionary";
// The text the cache of pieces may hold before it starts afresh (every
// keystroke in a long paragraph adds a piece).
constexpr size_t kCacheBytes = size_t{64} << 20;

// A request's parameters that do not fit what the method needs.
struct ParamsError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
struct MethodNotFound {};

std::string Send(const json& message) {
  return FrameMessage(message.dump(-1, ' ', false, json::error_handler_t::replace));
}

json Error(const json& id, int code, const std::string& message) {
  return {{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", message}}}};
}

const json& Member(const json& object, const char* key) {
  if (!object.is_object() || !object.contains(key)) throw ParamsError(std::string("no ") + key);
  return object.at(key);
}

std::string StringMember(const json& object, const char* key) {
  const json& value = Member(object, key);
  if (!value.is_string()) throw ParamsError(std::string(key) + " is not a string");
  return value.get<std::string>();
}

size_t CountMember(const json& object, const char* key) {
  const json& value = Member(object, key);
  if (!value.is_number_integer() || value.get<int64_t>() < 0)
    throw ParamsError(std::string(key) + " is not a count");
  return value.get<size_t>();
}

LspPosition PositionOf(const json& position) {
  return LspPosition{CountMember(position, "line"), CountMember(position, "character")};
}

json PositionJson(size_t line, size_t character) {
  return {{"line", line}, {"character", character}};
}

Markup MarkupOf(const std::string& language) {
  if (language == "markdown") return Markup::kMarkdown;
  if (language == "latex" || language == "tex" || language == "plaintex" || language == "context")
    return Markup::kTex;
  return Markup::kNone;
}

// Where the document is cut into pieces, as first lines: every line of plain
// text; for Markdown and LaTeX, a line after a blank line (a paragraph), but
// not in Markdown's front matter, fenced code or HTML comment, nor at a line
// that is indented (it may go on with a list item) or starts "---" (a piece
// that starts so is read as front matter).
std::vector<size_t> PieceStarts(const LspDocument& document, Markup markup) {
  std::vector<size_t> starts;
  const size_t count = document.line_count();
  if (markup == Markup::kNone) {
    starts.resize(count);
    for (size_t line = 0; line < count; ++line) starts[line] = line;
    return starts;
  }
  starts.push_back(0);
  bool blank_before = false;
  std::string closing;  // Markdown: what ends the block that is open
  for (size_t line = 0; line < count; ++line) {
    const std::string_view text = document.Line(line);
    const size_t indent = text.find_first_not_of(' ');
    const bool blank = text.find_first_not_of(" \t") == std::string_view::npos;
    if (markup == Markup::kMarkdown) {
      const std::string_view body = indent == std::string_view::npos ? "" : text.substr(indent);
      if (!closing.empty()) {
        const bool fence = closing[0] == '`' || closing[0] == '~';
        const size_t after = body.find_first_not_of(closing[0]);
        if (fence ? indent < 4 && body.substr(0, closing.size()) == closing &&
                        (after == std::string_view::npos ||
                         body.find_first_not_of(" \t", after) == std::string_view::npos)
            : closing == "---" ? (text == "---" || text == "...")
                               : text.find(closing) != std::string_view::npos) {
          closing.clear();
        }
        blank_before = false;
        continue;
      }
      if (line > 0 && blank_before && !blank && indent == 0 && text[0] != '\t' &&
          text.substr(0, 3) != "---") {
        starts.push_back(line);
      }
      if (line == 0 && text == "---") {
        closing = "---";
      } else if (indent < 4 && (body.substr(0, 3) == "```" || body.substr(0, 3) == "~~~")) {
        closing = std::string(body.substr(0, body.find_first_not_of(body[0])));
      } else {
        const size_t comment = text.rfind("<!--");
        if (comment != std::string_view::npos &&
            text.find("-->", comment + 4) == std::string_view::npos) {
          closing = "-->";
        }
      }
    } else if (line > 0 && blank_before && !blank) {
      starts.push_back(line);
    }
    blank_before = blank;
  }
  return starts;
}

// Line (from the piece's first) and UTF-16 column of byte offsets in a
// piece; lines end at "\n", "\r\n" or "\r", as the protocol says.
class PiecePositions {
 public:
  explicit PiecePositions(std::string_view text) : text_(text) {
    starts_.push_back(0);
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      if (text[i] == '\n' || text[i] == '\r') starts_.push_back(i + 1);
    }
  }
  // Offsets asked in rising order are counted on from the one before, so a
  // long line with many hits is walked once.
  void Locate(size_t offset, size_t& line, size_t& character) {
    offset = std::min(offset, text_.size());
    line = static_cast<size_t>(std::upper_bound(starts_.begin(), starts_.end(), offset) -
                               starts_.begin()) -
           1;
    if (line != line_ || offset < offset_) {
      line_ = line;
      offset_ = starts_[line];
      character_ = 0;
    }
    for (; offset_ < offset; ++offset_) {
      const auto byte = static_cast<unsigned char>(text_[offset_]);
      if ((byte & 0xC0) != 0x80) character_ += byte >= 0xF0 ? 2 : 1;
    }
    character = character_;
  }

 private:
  std::string_view text_;
  std::vector<size_t> starts_;
  size_t line_ = 0;  // where the last offset was counted to
  size_t offset_ = 0;
  size_t character_ = 0;
};

// Bad parameters: an error reply to a request; a notification has none, so
// the client's log gets the message.
void Refuse(bool request, const json& id, const std::string& message,
            std::vector<std::string>* out) {
  if (request) {
    out->push_back(Send(Error(id, kInvalidParams, message)));
  } else {
    out->push_back(Send({{"jsonrpc", "2.0"},
                         {"method", "window/logMessage"},
                         {"params", {{"type", 1}, {"message", "wirsel: " + message}}}}));
  }
}

// What the pass put in, as LaTeX source writes it: a tie, -- and ---.
std::string TexSpelling(const std::u32string& text) {
  std::string out;
  for (const char32_t c : text) {
    if (c == 0xA0) {
      out += '~';
    } else if (c == 0x2013) {
      out += "--";
    } else if (c == 0x2014) {
      out += "---";
    } else {
      out += EncodeUtf8(std::u32string(1, c));
    }
  }
  return out;
}

// A character a message had better name than show; null for the others.
const char* NameOf(char32_t c) {
  switch (c) {
    case U' ':
      return "space";
    case U'~':
      return "tie";
    case 0xA0:
      return "no-break space";
    case 0x2013:
      return "en dash";
    case 0x2014:
      return "em dash";
    case 0xAD:
      return "soft hyphen";
    case U'\n':
    case U'\r':
      return "line end";
    default:
      return nullptr;
  }
}

// Text for a message: `space`, `no-break space + en dash`, or `"a<space>b"`.
std::string VisibleText(const std::string& utf8) {
  const std::u32string chars = DecodeLine(utf8).chars;
  if (chars.empty()) return "nothing";
  const bool all_named =
      std::all_of(chars.begin(), chars.end(), [](char32_t c) { return NameOf(c) != nullptr; });
  std::string out;
  for (const char32_t c : chars) {
    const char* name = NameOf(c);
    if (all_named) {
      out += (out.empty() ? "" : " + ") + std::string(name);
    } else {
      out += name ? "<" + std::string(name) + ">" : EncodeUtf8(std::u32string(1, c));
    }
  }
  return all_named ? out : "\"" + out + "\"";
}

}  // namespace

std::string LspServer::FrameError(const std::string& message) {
  return Send(Error(nullptr, kParseError, message));
}

void LspServer::Receive(const std::vector<std::string>& bodies, int64_t now_ms,
                        std::vector<std::string>* out) {
  std::vector<json> messages;
  std::set<std::string> cancelled;
  for (const std::string& body : bodies) {
    json message = json::parse(body, nullptr, false);
    if (message.is_discarded()) {
      out->push_back(Send(Error(nullptr, kParseError, "the message is not JSON")));
      continue;
    }
    if (message.is_object() && message.value("method", json()) == "$/cancelRequest" &&
        message.contains("params") && message["params"].is_object() &&
        message["params"].contains("id")) {
      cancelled.insert(message["params"]["id"].dump());
    }
    messages.push_back(std::move(message));
  }
  for (const json& message : messages) {
    if (message.is_object() && message.contains("id") && message.contains("method") &&
        cancelled.count(message["id"].dump())) {
      out->push_back(Send(Error(message["id"], kRequestCancelled, "cancelled")));
      continue;
    }
    Handle(message, now_ms, out);
    if (exited_) return;
  }
}

void LspServer::Handle(const json& message, int64_t now_ms, std::vector<std::string>* out) {
  const bool valid =
      message.is_object() && message.value("jsonrpc", json()) == "2.0" &&
      message.contains("method") && message["method"].is_string() &&
      (!message.contains("id") || message["id"].is_number_integer() || message["id"].is_string());
  if (!valid) {
    // A response from the client (to a request this server never makes) is
    // not an error; anything else is.
    if (message.is_object() && message.contains("id") &&
        (message.contains("result") || message.contains("error")))
      return;
    const json id = message.is_object() && message.contains("id") ? message["id"] : json();
    out->push_back(Send(Error(id, kInvalidRequest, "not a JSON-RPC 2.0 request or notification")));
    return;
  }
  const std::string method = message["method"].get<std::string>();
  const bool request = message.contains("id");
  const json params = message.value("params", json::object());
  const json id = request ? message["id"] : json();
  if (method == "exit") {
    exited_ = true;
    return;
  }
  if (phase_ == Phase::kStarting && method != "initialize") {
    if (request) out->push_back(Send(Error(id, kServerNotInitialized, "initialize first")));
    return;
  }
  if (phase_ == Phase::kShutDown) {
    if (request) out->push_back(Send(Error(id, kInvalidRequest, "the server is shut down")));
    return;
  }
  try {
    json result = Dispatch(method, params, now_ms, out);
    if (request) out->push_back(Send({{"jsonrpc", "2.0"}, {"id", id}, {"result", result}}));
  } catch (const MethodNotFound&) {
    // Notifications the server does not know ("$/progress" ...) are ignored.
    if (request) out->push_back(Send(Error(id, kMethodNotFound, "unknown method " + method)));
  } catch (const ParamsError& e) {
    Refuse(request, id, method + ": " + e.what(), out);
  } catch (const json::exception& e) {
    Refuse(request, id, method + ": " + e.what(), out);
  }
}

json LspServer::Dispatch(const std::string& method, const json& params, int64_t now_ms,
                         std::vector<std::string>* out) {
  if (method == "initialize") {
    phase_ = Phase::kServing;
    if (params.is_object() && params.contains("initializationOptions"))
      Configure(params["initializationOptions"], out);
    return {{"capabilities",
             {{"textDocumentSync", {{"openClose", true}, {"change", 2}}},
              {"codeActionProvider", {{"codeActionKinds", {"quickfix"}}}},
              {"executeCommandProvider", {{"commands", {kAddCommand}}}}}},
            {"serverInfo", {{"name", "wirsel"}, {"version", WIRSEL_VERSION}}}};
  }
  if (method == "initialized") return nullptr;
  if (method == "shutdown") {
    phase_ = Phase::kShutDown;
    return nullptr;
  }
  if (method == "textDocument/didOpen") {
    DidOpen(params, now_ms);
    return nullptr;
  }
  if (method == "textDocument/didChange") {
    DidChange(params, now_ms);
    return nullptr;
  }
  if (method == "textDocument/didClose") {
    const std::string uri = StringMember(Member(params, "textDocument"), "uri");
    if (documents_.erase(uri)) {
      out->push_back(Send({{"jsonrpc", "2.0"},
                           {"method", "textDocument/publishDiagnostics"},
                           {"params", {{"uri", uri}, {"diagnostics", json::array()}}}}));
    }
    return nullptr;
  }
  if (method == "textDocument/didSave") return nullptr;
  if (method == "textDocument/codeAction") return CodeAction(params);
  if (method == "workspace/executeCommand") return ExecuteCommand(params, now_ms);
  if (method == "workspace/didChangeConfiguration") {
    const json settings = params.value("settings", json::object());
    Configure(settings.is_object() && settings.contains("wirsel") ? settings["wirsel"] : settings,
              out);
    for (auto& [uri, open] : documents_) {
      open.checked = false;
      open.due_ms = now_ms;
    }
    return nullptr;
  }
  throw MethodNotFound{};
}

void LspServer::Configure(const json& options, std::vector<std::string>* out) {
  if (!options.is_object()) return;
  auto warn = [out](const std::string& message) {
    out->push_back(Send({{"jsonrpc", "2.0"},
                         {"method", "window/logMessage"},
                         {"params", {{"type", 2}, {"message", "wirsel: " + message}}}}));
  };
  if (options.contains("passes") && options["passes"].is_array()) {
    settings_.spelling = false;
    settings_.typography = false;
    for (const json& pass : options["passes"]) {
      if (pass == "spelling") {
        settings_.spelling = true;
      } else if (pass == "typography") {
        settings_.typography = true;
      } else {
        warn("unknown pass " + pass.dump() + " (known: \"spelling\", \"typography\")");
      }
    }
    ClearCache();
  }
  if (options.contains("userDictionary") && options["userDictionary"].is_string()) {
    std::string error;
    std::string warning;
    if (!speller_.SetUserDictionary(options["userDictionary"].get<std::string>(), &error,
                                    &warning)) {
      warn(error);
    }
    if (!warning.empty()) warn(warning);
    ClearCache();
  }
  if (options.contains("debounceMs") && options["debounceMs"].is_number_integer())
    settings_.debounce_ms = std::clamp<int64_t>(options["debounceMs"].get<int64_t>(), 0, 10000);
}

LspServer::OpenDocument& LspServer::Find(const json& params) {
  const std::string uri = StringMember(Member(params, "textDocument"), "uri");
  const auto found = documents_.find(uri);
  if (found == documents_.end()) throw ParamsError("no open document " + uri);
  return found->second;
}

void LspServer::DidOpen(const json& params, int64_t now_ms) {
  const json& item = Member(params, "textDocument");
  OpenDocument open;
  open.document = std::make_unique<LspDocument>(StringMember(item, "text"),
                                                MarkupOf(item.value("languageId", "")));
  open.version = item.value("version", 0);
  open.due_ms = now_ms;
  documents_[StringMember(item, "uri")] = std::move(open);
}

void LspServer::DidChange(const json& params, int64_t now_ms) {
  OpenDocument& open = Find(params);
  const json& changes = Member(params, "contentChanges");
  if (!changes.is_array()) throw ParamsError("contentChanges is not a list");
  for (const json& change : changes) {
    const std::string text = StringMember(change, "text");
    if (!change.contains("range")) {
      open.document->ReplaceAll(text);
      continue;
    }
    const json& range = change["range"];
    std::string error;
    if (!open.document->Replace(PositionOf(Member(range, "start")),
                                PositionOf(Member(range, "end")), text, &error))
      throw ParamsError(error);
  }
  if (params["textDocument"].contains("version") &&
      params["textDocument"]["version"].is_number_integer())
    open.version = params["textDocument"]["version"].get<int64_t>();
  open.checked = false;
  open.due_ms = now_ms + settings_.debounce_ms;
}

std::shared_ptr<const LspServer::PieceResult> LspServer::CheckPiece(std::string_view piece,
                                                                    const std::string& carry,
                                                                    Markup markup) {
  const size_t key = std::hash<std::string_view>{}(piece) ^
                     (std::hash<std::string>{}(carry)*31 + static_cast<size_t>(markup));
  const auto [first, last] = piece_cache_.equal_range(key);
  for (auto it = first; it != last; ++it) {
    const PieceResult& cached = *it->second;
    if (cached.markup == markup && cached.carry_in == carry && cached.text == piece)
      return it->second;
  }
  if (cache_bytes_ > kCacheBytes) ClearCache();
  cache_bytes_ += piece.size() + carry.size();
  auto shared = std::make_shared<PieceResult>();
  PieceResult& result = *shared;
  result.markup = markup;
  result.carry_in = carry;
  result.text = piece;
  result.carry = carry;
  const std::string text = SanitizeUtf8(piece);
  FindHits(text, ReadPiece(markup, text, result.carry), markup, result.hits);
  for (WordHit& hit : result.hits) {
    json rest = DiagnosticOf(hit, 0);
    rest.erase("range");
    hit.json_middle = ",\"character\":" + std::to_string(hit.character) + "},\"end\":{\"line\":";
    hit.json_end = ",\"character\":" + std::to_string(hit.end_character) + "}}," +
                   rest.dump(-1, ' ', false, json::error_handler_t::replace).substr(1);
  }
  piece_cache_.emplace(key, shared);
  return shared;
}

void LspServer::ClearCache() {
  piece_cache_.clear();
  cache_bytes_ = 0;
}

void LspServer::FindHits(const std::string& text, const std::vector<wirsel::source::ProseRun>& runs,
                         Markup markup, std::vector<WordHit>& hits) {
  PiecePositions positions(text);
  auto add = [&](size_t start, size_t end, WordHit hit) {
    positions.Locate(start, hit.line, hit.character);
    positions.Locate(end, hit.end_line, hit.end_character);
    hit.shown = text.substr(start, end - start);
    hits.push_back(std::move(hit));
  };
  for (const wirsel::source::ProseRun& run : runs) {
    if (settings_.spelling) {
      for (const RunWord& word : WordsOfRun(run, text)) {
        if (speller_.Correct(word.word)) continue;
        WordHit hit;
        hit.checked = word.word.text;
        add(word.start, word.end, std::move(hit));
      }
    }
    if (!settings_.typography || !typography_ || !typography_->started() || run.text.empty()) {
      continue;
    }
    std::vector<bool> objects(run.text.size());
    for (size_t k = 0; k < run.text.size(); ++k) objects[k] = run.text[k] == 0xFFFC;
    for (const TypographyEdit& edit : typography_->Changes(run.text, objects)) {
      if (edit.to > run.text.size() || edit.from > edit.to) continue;
      // The edit replaces whole characters that stand next to each other in
      // the source: no markup between them is lost.
      bool adjacent = true;
      for (size_t k = edit.from; k + 1 < edit.to; ++k)
        adjacent = adjacent && run.ends[k] == run.offsets[k + 1];
      if (!adjacent) continue;
      const size_t start = edit.from < run.text.size() ? run.offsets[edit.from] : run.ends.back();
      const size_t end = edit.to > edit.from ? run.ends[edit.to - 1] : start;
      WordHit hit;
      hit.typographic = true;
      const std::u32string replacement(edit.replacement.begin(), edit.replacement.end());
      hit.replacement = markup == Markup::kTex ? TexSpelling(replacement) : EncodeUtf8(replacement);
      add(start, end, std::move(hit));
    }
  }
  std::sort(hits.begin(), hits.end(), [](const WordHit& a, const WordHit& b) {
    return std::tie(a.line, a.character) < std::tie(b.line, b.character);
  });
}

void LspServer::Check(OpenDocument& open) {
  const LspDocument& document = *open.document;
  const Markup markup = document.markup();
  const std::vector<size_t> starts = PieceStarts(document, markup);
  std::vector<PlacedPiece> before = std::move(open.pieces);
  open.pieces.resize(starts.size());
  std::string carry;
  for (size_t k = 0; k < starts.size(); ++k) {
    const size_t end = k + 1 < starts.size() ? starts[k + 1] : document.line_count();
    const std::string_view text =
        markup == Markup::kNone ? document.Line(starts[k]) : document.Lines(starts[k], end);
    PlacedPiece& piece = open.pieces[k];
    piece.first_line = starts[k];
    piece.result = CheckPiece(text, carry, markup);
    carry = piece.result->carry;
    // Rendered again only when the piece or the line it starts on changed.
    if (k < before.size() && before[k].result == piece.result &&
        before[k].first_line == piece.first_line) {
      piece.json = std::move(before[k].json);
      continue;
    }
    for (const WordHit& hit : piece.result->hits) {
      piece.json += "{\"range\":{\"start\":{\"line\":";
      piece.json += std::to_string(piece.first_line + hit.line);
      piece.json += hit.json_middle;
      piece.json += std::to_string(piece.first_line + hit.end_line);
      piece.json += hit.json_end;
      piece.json += ',';
    }
  }
  open.checked = true;
}

json LspServer::DiagnosticOf(const WordHit& hit, size_t line) const {
  const json range = {{"start", PositionJson(line + hit.line, hit.character)},
                      {"end", PositionJson(line + hit.end_line, hit.end_character)}};
  if (!hit.typographic) {
    return {{"range", range},
            {"severity", 2},
            {"source", "wirsel"},
            {"code", "spelling"},
            {"message", "Unknown word: " + hit.shown},
            {"data", {{"word", hit.shown}}}};
  }
  return {{"range", range},
          {"severity", 3},
          {"source", "wirsel"},
          {"code", "typography"},
          {"message",
           "Typography: " + VisibleText(hit.shown) + " \u2192 " + VisibleText(hit.replacement)},
          {"data", {{"replacement", hit.replacement}}}};
}

// The notification is put together from each hit's JSON, rendered once
// when its line was checked: a large document is published without
// building its diagnostics again.
// The notification is put together from each piece's diagnostics, rendered
// when the piece was checked or moved: a large document is published
// without building its diagnostics again.
void LspServer::Publish(const std::string& uri, OpenDocument& open, std::vector<std::string>* out) {
  if (!open.checked) Check(open);
  const std::string head =
      "{\"jsonrpc\":\"2.0\",\"method\":\"textDocument/publishDiagnostics\","
      "\"params\":{\"uri\":" +
      json(uri).dump(-1, ' ', false, json::error_handler_t::replace) +
      ",\"version\":" + std::to_string(open.version) + ",\"diagnostics\":[";
  size_t size = head.size() + 3;
  for (const PlacedPiece& piece : open.pieces) size += piece.json.size();
  if (size > head.size() + 3) --size;  // no ',' after the last diagnostic
  std::string message = "Content-Length: ";
  message.reserve(size + 40);
  message += std::to_string(size);
  message += "\r\n\r\n";
  message += head;
  for (const PlacedPiece& piece : open.pieces) message += piece.json;
  if (message.back() == ',') message.pop_back();  // after the last diagnostic
  message += "]}}";
  out->push_back(std::move(message));
}

void LspServer::Tick(int64_t now_ms, std::vector<std::string>* out) {
  for (auto& [uri, open] : documents_) {
    if (open.due_ms < 0 || open.due_ms > now_ms) continue;
    open.due_ms = -1;
    Publish(uri, open, out);
  }
}

int64_t LspServer::WaitMs(int64_t now_ms) const {
  int64_t wait = -1;
  for (const auto& [uri, open] : documents_) {
    if (open.due_ms < 0) continue;
    const int64_t left = std::max<int64_t>(0, open.due_ms - now_ms);
    wait = wait < 0 ? left : std::min(wait, left);
  }
  return wait;
}

json LspServer::CodeAction(const json& params) {
  OpenDocument& open = Find(params);
  const std::string uri = StringMember(Member(params, "textDocument"), "uri");
  const json& range = Member(params, "range");
  const LspPosition start = PositionOf(Member(range, "start"));
  const LspPosition end = PositionOf(Member(range, "end"));
  if (start.line >= open.document->line_count() || end.line >= open.document->line_count())
    throw ParamsError("range past the end of the document");
  // An edit not yet published.
  if (!open.checked) Check(open);
  json actions = json::array();
  // The pieces from the one holding the range's first line.
  auto piece =
      std::upper_bound(open.pieces.begin(), open.pieces.end(), start.line,
                       [](size_t line, const PlacedPiece& p) { return line < p.first_line; });
  if (piece != open.pieces.begin()) --piece;
  for (; piece != open.pieces.end() && piece->first_line <= end.line; ++piece) {
    const size_t line = piece->first_line;
    for (const WordHit& hit : piece->result->hits) {
      const LspPosition from{line + hit.line, hit.character};
      const LspPosition to{line + hit.end_line, hit.end_character};
      const bool overlaps =
          std::tie(from.line, from.character) <= std::tie(end.line, end.character) &&
          std::tie(to.line, to.character) >= std::tie(start.line, start.character);
      if (!overlaps) continue;
      const json hit_range = {{"start", PositionJson(from.line, from.character)},
                              {"end", PositionJson(to.line, to.character)}};
      json diagnostic = DiagnosticOf(hit, line);
      diagnostic.erase("data");
      if (hit.typographic) {
        actions.push_back(
            {{"title",
              "Typography: " + VisibleText(hit.shown) + " \u2192 " + VisibleText(hit.replacement)},
             {"kind", "quickfix"},
             {"diagnostics", {diagnostic}},
             {"isPreferred", true},
             {"edit",
              {{"changes", {{uri, {{{"range", hit_range}, {"newText", hit.replacement}}}}}}}}});
        continue;
      }
      bool first = true;
      for (const std::string& suggestion : speller_.Suggest(hit.checked)) {
        actions.push_back(
            {{"title", "Replace with " + suggestion},
             {"kind", "quickfix"},
             {"diagnostics", {diagnostic}},
             {"isPreferred", first},
             {"edit", {{"changes", {{uri, {{{"range", hit_range}, {"newText", suggestion}}}}}}}}});
        first = false;
      }
      const std::string word = Win1250ToUtf8(hit.checked);
      actions.push_back(
          {{"title", "Add \"" + word + "\" to dictionary"},
           {"kind", "quickfix"},
           {"diagnostics", {diagnostic}},
           {"command",
            {{"title", "Add to dictionary"}, {"command", kAddCommand}, {"arguments", {word}}}}});
    }
  }
  return actions;
}

json LspServer::ExecuteCommand(const json& params, int64_t now_ms) {
  if (StringMember(params, "command") != kAddCommand) throw ParamsError("unknown command");
  const json& arguments = Member(params, "arguments");
  if (!arguments.is_array() || arguments.empty() || !arguments[0].is_string())
    throw ParamsError("the command takes the word to add");
  const std::string word = arguments[0].get<std::string>();
  speller_.Accept(word);
  std::string error;
  if (!speller_.AddToUserDictionary(word, &error)) throw ParamsError(error);
  ClearCache();
  for (auto& [uri, open] : documents_) {
    open.checked = false;
    open.due_ms = now_ms;
  }
  return nullptr;
}
