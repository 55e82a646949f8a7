// Two-dimensional layout of structured expressions. Each function places the
// parts of one node from nothing but the parts' own bounds, so a tree is laid
// out bottom up (its parts first, then the node holding them) and drawn top
// down (each part at its node's origin plus the part's point).
//
// All numbers are canvas units. Bounds are relative to their owner's origin
// (x0 left, x1 right, y0 bottom, y1 top); an owner's baseline is y = 0 and a
// styled string's origin the left end of its baseline. A part's point is the
// offset of the part's origin from the node's origin.
#pragma once
#include <cstdint>

#include "draw/canvas.h"
#include "draw/geom.h"
#include "draw/styl.h"

constexpr int32_t PART_GAP = 192;  // between the parts of a node
constexpr int32_t STACK_MIN_WIDTH = 576;
constexpr int32_t BAR_HALF_THICKNESS = 96;
constexpr int32_t FRACTION_BAR_Y = 480;
// Raised parts climb SCRIPT_STEP for every SCRIPT_STEP_HEIGHT of base height.
constexpr int32_t SCRIPT_STEP = 192;
constexpr int32_t SCRIPT_STEP_HEIGHT = 2048;
// No lowered part's top is above this, however tall the base.
constexpr int32_t SUBSCRIPT_CEILING = 384;

// An operator drawn invisibly takes no room and draws nothing.
constexpr Rect NO_BOUNDS = {0, 0, 0, 0};

// A styled string: from its origin to its width, from the style's descent up
// to its ascent.
Rect styled_str_bounds(const char* text, int32_t n_bytes, const Styl& s);

// Infix nodes: x, operator, z.
struct Infix_Layout {
  Rect bds;      // the node's
  Point pts[3];  // the origins of x, the operator and z
  Rect op_bds;   // the operator's, relative to pts[1]: for stacks, the bar's
};

// x, op and z are the parts' bounds; every layout rule has this form, so an
// operator's format can hold the one it uses.
typedef Infix_Layout (*Infix_Layout_Fn)(const Rect& x, const Rect& op, const Rect& z);

// In a row with a gap on both sides of the operator, invisible ones
// (NO_BOUNDS) too.
Infix_Layout horizontal_layout(const Rect& x, const Rect& op, const Rect& z);
// The operator right after the base x, the raised part z a gap after it;
// z is lifted with the base's height. Its smaller style is the caller's.
Infix_Layout superscript_layout(const Rect& x, const Rect& op, const Rect& z);
// As superscript, with z lowered so that its top stays below the ceiling.
Infix_Layout subscript_layout(const Rect& x, const Rect& op, const Rect& z);
// x over a bar over z, both centred on a bar at least STACK_MIN_WIDTH long;
// op is not used: the bar takes its place.
Infix_Layout fraction_layout(const Rect& x, const Rect& op, const Rect& z);
// x on the line above z, z resting on the baseline; op is not used and the
// place of the bar stays empty.
Infix_Layout line_stack_layout(const Rect& x, const Rect& op, const Rect& z);

// A group's delimiter: height 0 when hidden, which takes no room.
struct Delimiter {
  uint32_t cp;
  int32_t height;
};

// What a delimiter of a group with this inner part holds: its height when
// shown, 0 when hidden.
int32_t delimiter_height(const Rect& inner, bool shown_q);

struct Group_Layout {
  Rect bds;
  Point pts[5];               // prefix, opening, inner, closing, suffix
  Rect open_bds, close_bds;  // the delimiters', relative to pts[1] and pts[3]
};

// Delimiters are brackets (bracket_q) stretched to their height and centred
// on the middle of the inner part. A prefix or suffix with no width is empty
// and gets no gap.
Group_Layout group_layout(const Rect& prefix, Delimiter open, const Rect& inner, Delimiter close,
                          const Rect& suffix);

// The x that lies on the alignment line: the middle of the first "." when
// the text has one, else the middle of its width. A node's is the middle of
// its bounds, or for a sign before a number (-3.25), its right operand's
// plus that operand's point.
int32_t str_align_x(const char* text, int32_t n_bytes, const Styl& s);
inline int32_t centre_align_x(const Rect& bds) { return bds.x0 + (bds.x1 - bds.x0) / 2; }
// Where an expression's origin goes so that its alignment x lies on the
// line: a column of them then has its decimal points, or centres, in line.
inline int32_t aligned_origin_x(int32_t line_x, int32_t align_x) { return line_x - align_x; }

// The text in its style from its origin at; the current colour is kept.
void canvas_draw_styled_str(Canvas& c, Point at, const char* text, int32_t n_bytes, const Styl& s);

// Stacks whose operator is a space or a line or page break have no bar.
bool bar_drawn_q(const char* op_text, int32_t n_bytes);
// A horizontal stroke through the bar's point across the bar's bounds, thin
// enough to stay inside them; leaves the pen at the canvas's default width.
void canvas_draw_bar(Canvas& c, Point at, const Rect& bar_bds);

// The bracket with its point at at; a hidden one draws nothing.
void canvas_draw_delimiter(Canvas& c, Point at, Delimiter d);
