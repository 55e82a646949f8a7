// Element lists: a growable sequence of elements of one kind in a row or a
// column (the lines of a multi-line text, repeated items). The selection is
// a range of whole elements j..k (half open), an insertion point inside
// element i (anchor_i = gen_i = i with e_sel_mp), or an insertion point
// between elements i - 1 and i (anchor_i = gen_i = i, no nested selection).
//
// Doubled positions name all of these on one scale: 2i is the point before
// element i, 2i + 1 a place inside element i.
//
// Text: the text of a range is each element's text followed by a carriage
// return, and typing text at a point between elements or over a range makes
// one element per carriage return (plus one for a last piece that is not
// empty). A carriage return typed inside an element splits it at the
// insertion point; deleting at a point between two elements joins them.
// Backspace at an element's start and Delete at its end reach that point
// first: a Shift step that the element cannot take moves there.
#pragma once
#include <cstdint>
#include <vector>

#include "editor/composite.h"

struct Elt_List_Kind {
  Gui_Kind kind;  // ELT_LIST_OPS
  const Gui_Kind* elt_kind_p;
  Part_Layout layout;
  // A new element holding text, which has no carriage return.
  void* (*elt_new)(const Byte_Str& text);
};

extern const Gui_Kind ELT_LIST_OPS;

struct Elt_List {
  std::vector<void*> elts;  // owned, released through the element kind
  std::vector<Point> pts;
  Rect bds = EMPTY_RECT;
};

// Takes over the elements and lays them out.
Elt_List* elt_list_new(const Elt_List_Kind& k, std::vector<void*> elts);
inline const Elt_List_Kind& list_kind(const Gui_Kind& k) { return reinterpret_cast<const Elt_List_Kind&>(k); }
inline int32_t n_elts(const Elt_List& t) { return int32_t(t.elts.size()); }

// Doubled position m (0 <= m <= 2n): anchor_i = gen_i = m / 2, inside the
// element (at its initial selection) when m is odd.
void list_select_pos(const Elt_List_Kind& k, const Elt_List& t, Sel& s, int32_t m2);
// The ordered doubled ends of s.
int32_t list_start2(const Sel& s);
int32_t list_end2(const Sel& s);

// Arrows and Tab; args_mp null asks without moving anything.
bool list_arrow(const Elt_List_Kind& k, Elt_List& t, Sel& s, const Arrow_Cmd& a, Cmd_Args* args_mp);
// Typing, deleting, splitting and joining.
int32_t list_typing_query(const Elt_List_Kind& k, const Elt_List& t, const Sel& s, Text_Partial_Cmd& c);
void list_type(const Elt_List_Kind& k, Elt_List& t, Cmd_Args& args);
// The texts of elements j..k, each followed by a carriage return.
Byte_Str list_range_text(const Elt_List_Kind& k, const Elt_List& t, int32_t j, int32_t k_end);
// Lays the elements out again and redraws the old and new extent.
void list_relayout(const Elt_List_Kind& k, Elt_List& t, Cmd_Args& args);
