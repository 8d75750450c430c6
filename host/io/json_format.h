// The JSON document format: the whole model of one document (spreads and
// pages, boxes with their kinds, groups, chains, anchored boxes, stories with
// attribute runs, paragraphs and selection, H&J specifications, current box
// and tool). docs/document-format.md describes it with examples.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "host/model/document.h"

namespace wirsel::io {

struct JsonDocument {
  std::unique_ptr<model::Document> document;
  int16_t tool = model::kContentTool;
};

// Throws IoError with the file, line and reason for broken JSON, invalid
// UTF-8, wrong types or values, and references to boxes or stories that do
// not exist.
JsonDocument ParseJson(std::string_view bytes, const std::string& name);
JsonDocument ReadJsonFile(const std::string& path);

// The document as JSON text (two-space indented, ending with a line feed).
std::string RenderJson(const model::Document& document, int16_t tool);

}  // namespace wirsel::io
