// Composite elements: a fixed sequence of parts, each an element of its own
// kind, laid out in a row or a column (an alert's message and buttons, the
// parts of an infix or a group, a row of cells). Every command is routed into
// the part that holds the selection; arrows and Tab move between parts.
//
// The selection at this level is either an insertion point inside part j
// (anchor_i = gen_i = j, the part's own selection in e_sel_mp) or a range of
// whole parts min(anchor_i, gen_i) .. max(anchor_i, gen_i), half open, with
// no nested selection.
//
// A content record of another shape (an expression node) is routed through
// its own Parts_Access; Composite records below use COMPOSITE_ACCESS.
#pragma once
#include <cstdint>
#include <vector>

#include "editor/gui_kind.h"

enum Layout_N : int32_t { ROW_LAYOUT, COLUMN_LAYOUT };

// Parts side by side on one baseline, or stacked downward at x = 0.
struct Part_Layout {
  int32_t layout_n;
  int32_t gap;  // between neighbouring parts
};

// Keyboard movement skips parts of rank 0; ranks of 1 and up are stops.
struct Part_Kind {
  const Gui_Kind* kind_p;
  int32_t rank;
};

struct Composite_Kind;

// How routing reaches the parts of a content.
struct Parts_Access {
  void* (*part_p)(const Composite_Kind& k, const void* e, int32_t j);
  // Part j's origin from the content's origin.
  Point (*part_pt)(const Composite_Kind& k, const void* e, int32_t j);
  // Arrows move vertically between parts: Up and Down act like Left and Right.
  bool (*column_q)(const Composite_Kind& k, const void* e);
  // Places the parts again after one changed its size; the content's bounds follow.
  void (*relayout)(const Composite_Kind& k, void* e);
  // Notes that part j's content changed.
  void (*mark_changed)(const Composite_Kind& k, void* e, int32_t j);
};

struct Composite_Kind {
  Gui_Kind kind;  // COMPOSITE_OPS, or a kind's own operations calling the comp_ functions
  const Part_Kind* parts_p;
  int32_t n_parts;  // "n > 0"
  Part_Layout layout;
  bool range_q;  // clear: every range at this level covers all parts
  const Parts_Access* access_p;
};

// The operations of a Composite_Kind whose contents are Composite records.
extern const Gui_Kind COMPOSITE_OPS;
extern const Parts_Access COMPOSITE_ACCESS;

// One content per part, their origins, the whole extent, and a changed bit
// per part (parts 31 and up share bit 31) that the owner reads and clears.
struct Composite {
  std::vector<void*> parts;
  std::vector<Point> pts;
  Rect bds = EMPTY_RECT;
  uint32_t changed_bits = 0;
};

// Takes over one content per part (released through the part kinds) and lays them out.
Composite* composite_new(const Composite_Kind& k, std::vector<void*> parts);
inline const Composite_Kind& comp_kind(const Gui_Kind& k) { return reinterpret_cast<const Composite_Kind&>(k); }
inline const Gui_Kind& part_kind(const Composite_Kind& k, int32_t j) { return *k.parts_p[j].kind_p; }

// An insertion point in the first part of rank 1 or more (part 0 when none
// is), at that part's initial selection.
Sel comp_initial_sel(const Composite_Kind& k, const void* e);
// An insertion point in part j, at its initial selection unless already inside it.
void comp_select_part(const Composite_Kind& k, const void* e, Sel& s, int32_t j);
// Whether s is an insertion point inside a part (else a range of parts).
inline bool inside_q(const Sel& s) { return s.anchor_i == s.gen_i && s.e_sel_mp; }
// A range of parts from anchor to gen; without the range flag, all parts in
// the same direction.
Sel comp_range(const Composite_Kind& k, int32_t anchor, int32_t gen);
// Whether s is the range of all parts.
bool comp_all_q(const Composite_Kind& k, const Sel& s);
// The part range of s, ordered and half open.
int32_t range_j(const Sel& s);
int32_t range_k(const Sel& s);

// One element inside another, as routing sees it: its kind, its content
// and its origin in the container.
struct Sub_Elt {
  const Gui_Kind* kind_p;
  void* e;
  Point pt;
};
// Performs args' command on sub with args' nested selection, as the element
// at index j: redraw bounds shifted by its origin, a record selecting inside
// it, changed_q and the result passed up. True when its bounds changed.
bool perform_in_sub(const Sub_Elt& sub, int32_t j, Cmd_Args& args);
// A move inside sub at index j: nothing may be recorded, changed or returned.
void move_in_sub(const Sub_Elt& sub, Sel& s, Cmd& c, Cmd_Args& args);
// Moves the nested selection of sub to its very end (a Ctrl+Down step).
void move_to_end(const Sub_Elt& sub, Sel& s, Cmd_Args& args);

// Performs args' command in part j on the nested selection: the redraw
// bounds come back shifted by the part's origin, a change marks the part and
// leaves an undo record selecting inside part j, and a part whose size
// changed is laid out again with the old and new area redrawn.
void comp_perform_in_part(const Composite_Kind& k, void* e, int32_t j, Cmd_Args& args);
Sub_Elt comp_part(const Composite_Kind& k, const void* e, int32_t j);

// The element kind operations, for kinds that route through composites.
int32_t comp_query(const Composite_Kind& k, const void* e, const Sel& s, Cmd& c);
void comp_perform(const Composite_Kind& k, void* e, Cmd_Args& args);
Rect comp_sel_bounds(const Composite_Kind& k, const void* e, const Sel& s);
void comp_draw(const Composite_Kind& k, const void* e, Canvas& c, Point origin);
Region comp_caret_region(const Composite_Kind& k, const void* e, const Sel& s, const Canvas& c, Point origin);

// Arrows and Tab: true when this level (or the part) takes the arrow;
// args_mp null asks without moving anything.
bool comp_arrow(const Composite_Kind& k, void* e, Sel& s, const Arrow_Cmd& a, Cmd_Args* args_mp);
// The texts of parts j..k (each part's whole text) joined by tabs.
Byte_Str comp_range_text(const Composite_Kind& k, const void* e, int32_t j, int32_t k_end);
// Typing over the range of s: part by part, each entirely selected, one
// separator skipped before every part after the first.
int32_t comp_range_typing_query(const Composite_Kind& k, const void* e, const Sel& s, Text_Partial_Cmd& c);
void comp_range_type(const Composite_Kind& k, void* e, Cmd_Args& args);
// The mouse: a press selects the nearest insertion point in the nearest
// part; drags across parts select whole parts; a double click on a part
// that is already all selected, like Select More, widens to all parts.
int32_t comp_mouse_query(const Composite_Kind& k, const void* e, const Sel& s, const Mouse_Cmd& m);
void comp_mouse(const Composite_Kind& k, void* e, Cmd_Args& args);
// Where sub lies in its container.
Rect sub_extent(const Sub_Elt& sub);
// The square of the distance from p to r (0 inside).
int64_t rect_distance2(const Rect& r, Point p);
// Of the elements sub_of(0) .. sub_of(n - 1), the index of the one nearest
// to p, the first on a tie.
template <class Sub_Of>
int32_t nearest_sub(int32_t n, Sub_Of sub_of, Point p) {
  int32_t best_i = 0;
  int64_t best = INT64_MAX;
  for (int32_t i = 0; i < n; ++i) {
    int64_t d = rect_distance2(sub_extent(sub_of(i)), p);
    if (d < best) {
      best = d;
      best_i = i;
    }
  }
  return best_i;
}
// The part nearest to p (distance to its bounds; the first one on a tie).
int32_t comp_hit_part(const Composite_Kind& k, const void* e, Point p);
