// The cells of the model's tables. A cell's expression refuses the line
// break at its top level, so that Enter in a cell reaches the table and adds
// a row; inside brackets (a computed cell holding several values) it is a
// line stack as anywhere else. Cells take no blanks or control characters,
// so that text from a spreadsheet fills one cell per tab.
#include <cstring>
#include <new>

#include "core/code_point.h"
#include "draw/font.h"
#include "tables/math_tables.h"

namespace {

constexpr uint32_t ANGLE_OPEN = 0x2329, ANGLE_CLOSE = 0x232A;
constexpr int32_t CELL_ACCEPT_N = 1;
constexpr int32_t LINE_BREAK_PREC = 1;

bool open_q(uint32_t cp) { return cp == '(' || cp == '[' || cp == '{' || cp == ANGLE_OPEN; }
bool close_q(uint32_t cp) { return cp == ')' || cp == ']' || cp == '}' || cp == ANGLE_CLOSE; }
uint32_t partner(uint32_t cp) {
  switch (cp) {
    case '(': return ')';
    case '[': return ']';
    case '{': return '}';
  }
  return ANGLE_CLOSE;
}

// By characters, not bytes: the last byte of é or θ is a control code's.
bool none_below_q(const char* t, int32_t n, uint32_t least) {
  for (const char* p = t; p < t + n;)
    if (take_code_point(p, t + n) < least) return false;
  return true;
}
bool no_blank_q(const char* t, int32_t n) { return none_below_q(t, n, ' ' + 1); }
bool no_control_q(const char* t, int32_t n) { return none_below_q(t, n, ' '); }

const Styl& make_styl(const char* family, int32_t kind, int32_t size) {
  return *new Styl(make_style(make_font(font_family_resolve(family, kind), size), ROMAN_CODING));
}
const Styl& cell_style() {
  static const Styl& s = make_styl("Times", SERIF_KIND, 12);
  return s;
}
const Styl& script_style() {
  static const Styl& s = make_styl("Times", SERIF_KIND, 9);
  return s;
}
const Styl& note_style() {
  static const Styl& s = make_styl("Arial", SANS_SERIF_KIND, 10);
  return s;
}
const Styl& expr_style(const char*, int32_t, int32_t depth) { return depth == 0 ? cell_style() : script_style(); }
const void* format_info(const Format& f, int32_t) { return &f; }

// Numbers line up on their decimal point, or on their end.
int32_t point_i(const char* t, int32_t n) {
  const char* p = static_cast<const char*>(std::memchr(t, '.', size_t(n)));
  return p ? int32_t(p - t) : n;
}

}  // namespace

const Expr_Env CELL_ENV = {std_op_lookup, open_q, close_q, partner, no_blank_q, expr_style, format_info, LINE_BREAK_PREC, false};
const Expr_Kind MATH_CELL = {EXPR_OPS, &CELL_ENV, CELL_ACCEPT_N};
const Text_Field_Kind NUMBER_CELL = {TEXT_FIELD_OPS, {no_blank_q, cell_style, point_i, CELL_ACCEPT_N}};
const Text_Field_Kind NOTE_CELL = {TEXT_FIELD_OPS, {no_control_q, cell_style, nullptr, CELL_ACCEPT_N}};
const Text_Field_Kind TITLE_CELL = {TEXT_FIELD_OPS, {nullptr, note_style, nullptr, CELL_ACCEPT_N}};
const Swatch_Kind SWATCH_CELL = {SWATCH_OPS, CELL_ACCEPT_N};

Expr* math_cell_new(const char* text) {
  Expr* e = expr_new(CELL_ENV);
  if (!*text) return e;
  Sel s = MATH_CELL.kind.initial_sel(MATH_CELL.kind, e);
  Text_Partial_Cmd c{Byte_Str(text)};
  Cmd_Args args(s, c);
  MATH_CELL.kind.perform(MATH_CELL.kind, e, args);
  return e;
}

Byte_Str cell_text(const Small_Table& t, int32_t i, int32_t j) {
  return elt_text(*t.kind_p->env.col_kinds[size_t(j)].kind_p, table_cell(t, i, j));
}
