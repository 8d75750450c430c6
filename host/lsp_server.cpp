// Requests, notifications and diagnostics of the language server. Each line
// is checked once per content and markup state (the cache), so after an edit
// only the changed lines are walked again.
#include "host/lsp_server.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "host/cp1250.h"
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
constexpr size_t kCacheLimit = 500000;

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

std::string StateKey(const MarkupState& state) {
  std::string key(1, static_cast<char>(state.in_tag | (state.in_comment << 1)));
  key += static_cast<char>(state.math_end);
  key += static_cast<char>(state.fence);
  return key;
}

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
  if (!initialized_ && method != "initialize") {
    if (request) out->push_back(Send(Error(id, kServerNotInitialized, "initialize first")));
    return;
  }
  if (shutdown_) {
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
    initialized_ = true;
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
    shutdown_ = true;
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
    for (auto& [uri, open] : documents_) open.due_ms = now_ms;
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
    report_spelling_ = false;
    report_typography_ = false;
    for (const json& pass : options["passes"]) {
      if (pass == "spelling") {
        report_spelling_ = true;
      } else if (pass == "typography") {
        report_typography_ = true;
      } else {
        warn("unknown pass " + pass.dump() + " (known: \"spelling\", \"typography\")");
      }
    }
    line_cache_.clear();
  }
  if (options.contains("userDictionary") && options["userDictionary"].is_string()) {
    std::string error;
    std::string warning;
    if (!speller_.SetUserDictionary(options["userDictionary"].get<std::string>(), &error,
                                    &warning)) {
      warn(error);
    }
    if (!warning.empty()) warn(warning);
    line_cache_.clear();
  }
  if (options.contains("debounceMs") && options["debounceMs"].is_number_integer())
    debounce_ms_ = std::clamp<int64_t>(options["debounceMs"].get<int64_t>(), 0, 10000);
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
  open.due_ms = now_ms + debounce_ms_;
}

std::shared_ptr<const LspServer::LineResult> LspServer::CheckLine(std::string_view line,
                                                                  const MarkupState& before,
                                                                  Markup markup) {
  std::string key = StateKey(before);
  key += static_cast<char>(markup);
  key.append(line);
  const auto found = line_cache_.find(key);
  if (found != line_cache_.end()) return found->second;
  if (line_cache_.size() > kCacheLimit) line_cache_.clear();
  auto shared = std::make_shared<LineResult>();
  LineResult& result = *shared;
  result.after = before;
  const DecodedLine decoded = DecodeLine(line);
  // Markup is filled with a noncharacter, so that typography can tell it
  // from the line's own spaces; the words see spaces there.
  constexpr char32_t kMarkup = 0xFFFF;
  std::u32string masked = decoded.chars;
  MaskMarkup(markup, masked, result.after, kMarkup);
  std::vector<bool> is_markup(masked.size());
  for (size_t i = 0; i < masked.size(); ++i) {
    is_markup[i] = masked[i] == kMarkup || decoded.chars[i] == 0xFFFD ||
                   (markup == Markup::kTex && (masked[i] == U'{' || masked[i] == U'}'));
    if (masked[i] == kMarkup) masked[i] = U' ';
  }
  if (report_spelling_) {
    for (const LineWord& word : WordsOfLine(masked)) {
      if (speller_.Correct(word)) continue;
      result.hits.push_back(
          WordHit{word.utf16_offset, word.utf16_length, word.shown, false, {}, {}, {}});
    }
  }
  if (report_typography_ && typography_ && typography_->started()) {
    std::u16string units;
    std::vector<bool> protected_units;
    for (size_t i = 0; i < decoded.chars.size(); ++i) {
      const char32_t c = decoded.chars[i];
      const size_t count = c >= 0x10000 ? 2 : 1;
      if (count == 2) {
        units.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
        units.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
      } else {
        units.push_back(static_cast<char16_t>(c));
      }
      protected_units.insert(protected_units.end(), count, is_markup[i]);
    }
    for (const TypographyEdit& edit : typography_->Changes(units, protected_units)) {
      WordHit hit{edit.from, edit.to - edit.from, {}, true, {}, {}, {}};
      std::u32string shown;
      size_t unit = 0;
      for (const char32_t c : decoded.chars) {
        if (unit >= edit.from && unit < edit.to) shown.push_back(c);
        unit += c >= 0x10000 ? 2 : 1;
      }
      hit.shown = EncodeUtf8(shown);
      std::u32string replacement(edit.replacement.begin(), edit.replacement.end());
      hit.replacement = markup == Markup::kTex ? TexSpelling(replacement) : EncodeUtf8(replacement);
      result.hits.push_back(std::move(hit));
    }
    std::sort(result.hits.begin(), result.hits.end(),
              [](const WordHit& a, const WordHit& b) { return a.character < b.character; });
  }
  for (WordHit& hit : result.hits) {
    json rest = DiagnosticOf(hit, 0);
    rest.erase("range");
    hit.json_middle = ",\"character\":" + std::to_string(hit.character) + "},\"end\":{\"line\":";
    hit.json_end = ",\"character\":" + std::to_string(hit.character + hit.length) + "}}," +
                   rest.dump(-1, ' ', false, json::error_handler_t::replace).substr(1);
  }
  line_cache_.emplace(std::move(key), shared);
  return shared;
}

void LspServer::Check(OpenDocument& open) {
  const LspDocument& document = *open.document;
  open.lines.resize(document.line_count());
  MarkupState state;
  for (size_t line = 0; line < document.line_count(); ++line) {
    open.lines[line] = CheckLine(document.Line(line), state, document.markup());
    state = open.lines[line]->after;
  }
}

json LspServer::DiagnosticOf(const WordHit& hit, size_t line) const {
  const json range = {{"start", PositionJson(line, hit.character)},
                      {"end", PositionJson(line, hit.character + hit.length)}};
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
void LspServer::Publish(const std::string& uri, OpenDocument& open, std::vector<std::string>* out) {
  Check(open);
  std::string body =
      "{\"jsonrpc\":\"2.0\",\"method\":\"textDocument/publishDiagnostics\","
      "\"params\":{\"uri\":" +
      json(uri).dump(-1, ' ', false, json::error_handler_t::replace) +
      ",\"version\":" + std::to_string(open.version) + ",\"diagnostics\":[";
  bool first = true;
  for (size_t line = 0; line < open.lines.size(); ++line) {
    const std::string number = std::to_string(line);
    for (const WordHit& hit : open.lines[line]->hits) {
      body += first ? "{\"range\":{\"start\":{\"line\":" : ",{\"range\":{\"start\":{\"line\":";
      body += number;
      body += hit.json_middle;
      body += number;
      body += hit.json_end;
      first = false;
    }
  }
  body += "]}}";
  out->push_back(FrameMessage(body));
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
  if (open.due_ms >= 0 || open.lines.size() != open.document->line_count()) Check(open);
  json actions = json::array();
  for (size_t line = start.line; line <= end.line && line < open.lines.size(); ++line) {
    for (const WordHit& hit : open.lines[line]->hits) {
      const bool overlaps = (line > start.line || hit.character + hit.length >= start.character) &&
                            (line < end.line || hit.character <= end.character);
      if (!overlaps) continue;
      const json hit_range = {{"start", PositionJson(line, hit.character)},
                              {"end", PositionJson(line, hit.character + hit.length)}};
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
      // The word as checked: what WordsOfLine reads at this place.
      std::string checked;
      for (const LineWord& word : WordsOfLine(DecodeLine(hit.shown).chars)) checked += word.text;
      bool first = true;
      for (const std::string& suggestion : speller_.Suggest(checked)) {
        actions.push_back(
            {{"title", "Replace with " + suggestion},
             {"kind", "quickfix"},
             {"diagnostics", {diagnostic}},
             {"isPreferred", first},
             {"edit", {{"changes", {{uri, {{{"range", hit_range}, {"newText", suggestion}}}}}}}}});
        first = false;
      }
      const std::string word = Win1250ToUtf8(checked);
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
  line_cache_.clear();
  for (auto& [uri, open] : documents_) open.due_ms = now_ms;
  return nullptr;
}
