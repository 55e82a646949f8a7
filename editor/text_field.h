// The plain text field: one string of internal text, selected by byte
// offsets on character boundaries. Typing merges into one undo step. The
// workers below also serve elements that keep a string inside them (the
// strings of an expression), with options of their own.
#pragma once
#include <cstdint>

#include "core/byte_str.h"
#include "draw/styl.h"
#include "editor/gui_kind.h"

struct Text_Opts {
  // The test of the whole text; null takes any text. It must take every
  // prefix of a text it takes: replacing the whole text builds it character
  // by character.
  bool (*valid_q)(const char* text, int32_t n_bytes);
  const Styl& (*style)();
  // The byte offset that lies on the alignment line x = 0; null for left
  // alignment (offset 0 there).
  int32_t (*align_i)(const char* text, int32_t n_bytes);
  int32_t accept_n;  // positive: the answer to a text query the field takes
};

// The kind of one sort of field: the text field operations and its options.
struct Text_Field_Kind {
  Gui_Kind kind;
  Text_Opts opts;
};

// The operations of every Text_Field_Kind; contents are Byte_Str.
extern const Gui_Kind TEXT_FIELD_OPS;

// A field's content for a controller to own (released through the kind).
Byte_Str* text_field_new(const char* text);

int32_t text_query(const Byte_Str& t, const Text_Opts& o, const Sel& s, Cmd& c);
// Raises Str_Err "Illegal text string" when an edit would make an invalid text.
void text_perform(Byte_Str& t, const Text_Opts& o, Cmd_Args& args);

// Typing, the worker of text_query and text_perform for TEXT_PARTIAL_CMD.
int32_t text_typing_query(const Byte_Str& t, const Text_Opts& o, const Sel& s, Text_Partial_Cmd& c);
void text_type(Byte_Str& t, const Text_Opts& o, Cmd_Args& args);

// Geometry in the field's style and alignment: the x of byte offset i, the
// extent of the text from offset i to its end, the boundary nearest to x.
int32_t text_x(const Byte_Str& t, const Text_Opts& o, int32_t i);
Rect text_extent(const Byte_Str& t, const Text_Opts& o, int32_t i);
int32_t text_hit_i(const Byte_Str& t, const Text_Opts& o, int32_t x);
Rect text_sel_bounds(const Byte_Str& t, const Text_Opts& o, const Sel& s);
void text_draw(const Byte_Str& t, const Text_Opts& o, Canvas& c, Point origin);

// Half the width of the caret drawn at an insertion point.
constexpr int32_t CARET_HALF_WIDTH = 96;
