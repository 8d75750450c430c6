// The host's state around its documents: the open documents and which one is
// in front, the current tool, the redraw switch and the busy cursor, and the
// undoable-change bracket as the plug-in sees it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "host/model/document.h"
#include "host/model/types.h"

namespace wirsel::model {

class Workspace {
 public:
  // Takes the document and brings it to the front; answers its index.
  int16_t Open(std::unique_ptr<Document> document);
  // Closes the document at index; the front moves to the last one opened.
  Result Close(int16_t index);
  int32_t document_count() const { return static_cast<int32_t>(documents_.size()); }
  // Index of the front document, -1 with none.
  int16_t front_index() const { return front_; }
  Document* front();
  const Document* front() const;
  Document* document(int16_t index);
  Result SetFront(int16_t index);

  int16_t tool() const { return tool_; }
  Result SetTool(int16_t tool);  // kContentTool or kItemTool

  bool redraw() const { return redraw_; }
  void SetRedraw(bool on) { redraw_ = on; }
  bool busy() const { return busy_; }
  void SetBusy(bool on) { busy_ = on; }

  // The bracket is kept with the document that was in front when the
  // outermost one opened; with no document only the nesting is counted.
  void BeginUndoableChange();
  void EndUndoableChange();
  int32_t change_depth() const { return depth_; }

 private:
  std::vector<std::unique_ptr<Document>> documents_;
  int16_t front_ = -1;
  int16_t tool_ = kContentTool;
  bool redraw_ = true;
  bool busy_ = false;
  int32_t depth_ = 0;
  Document* bracket_document_ = nullptr;
};

}  // namespace wirsel::model
