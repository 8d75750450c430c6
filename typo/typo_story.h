// The story operations the typography pass needs, as one interface: the
// plug-in binds it to the host's story of the current box; a story held in
// memory stands in for it where no host runs.
#pragma once

#include <cstdint>

class TypoStory {
 public:
  virtual ~TypoStory() = default;

  // Selection start, end and text length of the story.
  virtual void GetSelection(int32_t* start, int32_t* end, int32_t* length) = 0;
  // The neighbouring position, or -1 when there is none.
  virtual int32_t Next(int32_t position) = 0;
  virtual int32_t Previous(int32_t position) = 0;
  // One character: a Windows-1250 code (soft hyphen as 31), or the host code
  // (256 and above) of a character Windows-1250 lacks.
  virtual uint16_t Read(int32_t position) = 0;
  // Inserts before the character at `position`, taking the attributes of the
  // current selection. False when refused (the story is unchanged).
  virtual bool Insert(int32_t position, uint8_t character) = 0;
  // Deletes [start, end). False when refused.
  virtual bool Delete(int32_t start, int32_t end) = 0;
  virtual void Select(int32_t start, int32_t end, int32_t show) = 0;
  // The non-breaking mark of one character. MarkNonBreaking selects
  // [start, end) and toggles the mark there, so callers check IsNonBreaking
  // first.
  virtual bool IsNonBreaking(int32_t position) = 0;
  virtual void MarkNonBreaking(int32_t start, int32_t end) = 0;
  virtual void SetRedraw(bool on) = 0;
  // Tells the user `stored` (a Mac Central European message, translated).
  virtual void Alert(const char* stored) = 0;
  // Reports `stored` about the character at `position` as a warning when
  // nobody is there to answer an alert (a batch run): true, and the pass
  // leaves the character and goes on. False when someone is: the pass then
  // selects the character, alerts and stops.
  virtual bool Warn(int32_t position, const char* stored) = 0;
};
