// Document files in and out of the workspace.
#include "host/document_files.h"

#include "host/io/io_error.h"
#include "host/io/json_format.h"
#include "host/session.h"

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

bool OpenDocumentFile(const std::string& path, OpenedDocument& opened, std::string& error) {
  opened.path = path;
  try {
    std::unique_ptr<wirsel::model::Document> document;
    if (EndsWith(path, ".json")) {
      wirsel::io::JsonDocument json = wirsel::io::ReadJsonFile(path);
      opened.format = DocumentFormat::kJson;
      document = std::move(json.document);
      Session().workspace.SetTool(json.tool);
    } else {
      wirsel::io::TextFile text = wirsel::io::ReadTextFile(path);
      opened.format = DocumentFormat::kText;
      opened.line_end = text.line_end;
      document = std::move(text.document);
    }
    // No command of this program undoes: a kept journal would only grow with
    // every edit of a pass (a million hyphens, a million steps' worth).
    document->SetUndoKept(false);
    if (document->current_box() == wirsel::model::kNoBox) {
      document->SetCurrentBox(document->FirstTextBox());
    }
    Session().workspace.Open(std::move(document));
  } catch (const wirsel::io::IoError& e) {
    error = e.what();
    return false;
  }
  return true;
}

bool ValidOutputFormat(const std::string& format) {
  return format.empty() || format == "text" || format == "tex" || format == "html" ||
         format == "json";
}

bool RenderFrontDocument(const OpenedDocument& opened, const std::string& format,
                         std::string& bytes, std::string& error) {
  const wirsel::model::Document* document = FrontDocument();
  const std::string chosen =
      !format.empty() ? format : opened.format == DocumentFormat::kJson ? "json" : "text";
  if (chosen == "json") {
    bytes = wirsel::io::RenderJson(*document, Session().workspace.tool());
    return true;
  }
  const wirsel::model::Story* story = document->story(document->StoryOfBox(document->FirstTextBox()));
  if (!story) {
    error = opened.path + ": the document has no text box to write as " + chosen;
    return false;
  }
  const auto flavor = chosen == "tex"    ? wirsel::io::TextFlavor::kTex
                      : chosen == "html" ? wirsel::io::TextFlavor::kHtml
                                         : wirsel::io::TextFlavor::kText;
  bytes = wirsel::io::RenderStory(*story, flavor, opened.line_end, document->name());
  return true;
}
