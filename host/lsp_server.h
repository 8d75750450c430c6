// The language server behind `wirsel lsp`: JSON-RPC requests and
// notifications in, responses and notifications out, no input or output of
// its own (cmd_lsp.cpp moves the bytes). It keeps the open documents,
// publishes a diagnostic for every unknown word and for every change the
// typography pass would make, offers the suggestions, "Add to dictionary" and
// the typographic edit as code actions, and answers every malformed message
// with the protocol's error.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/lsp_document.h"
#include "host/lsp_typography.h"
#include "host/speller.h"

class LspServer {
 public:
  // `typography` may be null (no plug-in): only spelling is reported then.
  LspServer(Speller& speller, TypographyPass* typography)
      : speller_(speller), typography_(typography) {}

  // Handles the message bodies that arrived together, in order; a
  // `$/cancelRequest` among them cancels the requests it names that are not
  // yet answered. `now_ms` schedules the debounced diagnostics. Messages to
  // send are appended to `out`.
  void Receive(const std::vector<std::string>& bodies, int64_t now_ms,
               std::vector<std::string>* out);
  // Publishes the diagnostics that are due by `now_ms`.
  void Tick(int64_t now_ms, std::vector<std::string>* out);
  // Milliseconds from `now_ms` until diagnostics are due; -1 when none wait.
  int64_t WaitMs(int64_t now_ms) const;

  bool exited() const { return exited_; }
  // 0 after shutdown then exit, 1 for an exit without shutdown.
  int exit_status() const { return phase_ == Phase::kShutDown ? 0 : 1; }
  // A parse error reply for a frame the transport could not read.
  static std::string FrameError(const std::string& message);

 private:
  // An unknown word (not typographic) or a typographic edit, placed in its
  // piece: lines after the piece's first line, UTF-16 units in that line.
  struct WordHit {
    size_t line = 0;
    size_t character = 0;
    size_t end_line = 0;
    size_t end_character = 0;
    std::string shown;  // the text of the range
    std::string checked;  // an unknown word as checked (Windows-1250)
    bool typographic = false;
    std::string replacement;  // what the typography pass puts there
    // The diagnostic as JSON around its two line numbers: after the first,
    // then after the second.
    std::string json_middle;
    std::string json_end;
  };
  // The result for one piece of a document (a line of plain text, a
  // paragraph of Markdown or LaTeX), shared by every piece with the same text
  // after the same open markup, in any document.
  struct PieceResult {
    Markup markup = Markup::kNone;  // what it was read as
    std::string carry_in;           // after what open markup
    std::string text;
    std::string carry;  // what the piece leaves open
    std::vector<WordHit> hits;
  };
  struct PlacedPiece {
    size_t first_line = 0;
    std::shared_ptr<const PieceResult> result;
    std::string json;  // its diagnostics at first_line, each followed by ','
  };
  struct OpenDocument {
    std::unique_ptr<LspDocument> document;
    int64_t version = 0;
    int64_t due_ms = -1;  // when its diagnostics are to be published
    bool checked = false;  // `pieces` are those of the document as it is
    std::vector<PlacedPiece> pieces;
  };

  void Handle(const nlohmann::json& message, int64_t now_ms, std::vector<std::string>* out);
  nlohmann::json Dispatch(const std::string& method, const nlohmann::json& params, int64_t now_ms,
                          std::vector<std::string>* out);
  void Configure(const nlohmann::json& options, std::vector<std::string>* out);
  void DidOpen(const nlohmann::json& params, int64_t now_ms);
  void DidChange(const nlohmann::json& params, int64_t now_ms);
  nlohmann::json CodeAction(const nlohmann::json& params);
  nlohmann::json ExecuteCommand(const nlohmann::json& params, int64_t now_ms);
  OpenDocument& Find(const nlohmann::json& params);
  void Publish(const std::string& uri, OpenDocument& open, std::vector<std::string>* out);
  void Check(OpenDocument& open);
  std::shared_ptr<const PieceResult> CheckPiece(std::string_view piece, const std::string& carry,
                                                Markup markup);
  void ClearCache();
  void FindHits(const std::string& text, const std::vector<wirsel::source::ProseRun>& runs,
                Markup markup, std::vector<WordHit>& hits);

  // `line` is the first line of the hit's piece.
  nlohmann::json DiagnosticOf(const WordHit& hit, size_t line) const;

  Speller& speller_;
  TypographyPass* typography_;
  std::map<std::string, OpenDocument> documents_;
  // By a hash of what it was read as, after what and its text.
  std::unordered_multimap<size_t, std::shared_ptr<const PieceResult>> piece_cache_;
  size_t cache_bytes_ = 0;  // the text of the pieces in it
  // Requests wait for initialize; after shutdown none is served.
  enum class Phase { kStarting, kServing, kShutDown };
  Phase phase_ = Phase::kStarting;
  bool exited_ = false;
  // What the client configured.
  struct Settings {
    bool spelling = true;
    bool typography = true;
    int64_t debounce_ms = 50;
  };
  Settings settings_;
};
