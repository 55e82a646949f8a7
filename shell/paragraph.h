// A paragraph of internal text in the default font: its words flow in rows
// no wider than a wrap width, a carriage return starting a new line a row
// below. It is the message of alerts, and on its own the content of windows
// that only show text (the Tips), taking no edits.
#pragma once
#include <cstdint>
#include <vector>

#include "core/byte_str.h"
#include "draw/styl.h"
#include "editor/GUI_Ops.h"

struct Para_Word {
  int32_t start, end;  // byte range of the text
  Point at;            // start of its baseline
};

struct Paragraph {
  Byte_Str text;
  std::vector<Para_Word> words;
  Rect bounds;  // the first baseline at y = 0, the left edge at x = 0
};

const Styl& paragraph_style();

Paragraph paragraph_of(const Byte_Str& text, int32_t wrap_width);
void paragraph_draw(const Paragraph& p, Canvas& c, Point origin);

// Shows a Paragraph; refuses every edit, copies its whole text, and the
// mouse gets the arrow.
extern const Gui_Kind PARAGRAPH_KIND;
// For kinds that show no caret and keep no selection of their own.
Region no_caret_region(const Gui_Kind& k, const void* e, const Sel& s, const Canvas& c, Point origin);
Sel no_initial_sel(const Gui_Kind& k, const void* e);

// For a controller to own (released through the kind).
Paragraph* paragraph_new(const Byte_Str& text, int32_t wrap_width);
