// Composites and element lists built of text cells, written as their texts:
// "ab|+|cd" gives a content's parts (or elements) in order, nested parts
// taking as many pieces as they have parts. A selection prints as "a,g" at a
// level without a nested selection and "a/" followed by the nested one.
#pragma once
#include <new>

#include "editor/composite.h"
#include "editor/elt_list.h"
#include "tests/editor/editor_test_util.h"

// At most six bytes, no spaces and no control characters, so separated text
// fills cells one by one and carriage returns split list elements.
inline bool cell_q(const char* t, int32_t n) {
  for (int32_t i = 0; i < n; ++i)
    if (uint8_t(t[i]) <= ' ') return false;
  return n <= 6;
}
inline const Text_Field_Kind CELL = {TEXT_FIELD_OPS, {cell_q, test_style, nullptr, ACCEPT_N}};
inline void* cell_new(const Byte_Str& t) {
  return cell_q(t.first_p, n_elts(t)) ? new (pool_alloc(sizeof(Byte_Str))) Byte_Str(t) : nullptr;
}

// A row like a+b, whose middle part is no stop; a column of stops; a row
// without ranges of its own; a cell before such a row.
inline const Part_Kind ROW_PARTS[] = {{&CELL.kind, 1}, {&CELL.kind, 0}, {&CELL.kind, 1}};
inline const Part_Kind STOP_PARTS[] = {{&CELL.kind, 1}, {&CELL.kind, 1}, {&CELL.kind, 1}};
inline const Composite_Kind ROW3 = {COMPOSITE_OPS, ROW_PARTS, 3, {ROW_LAYOUT, 192}, true, &COMPOSITE_ACCESS};
inline const Composite_Kind COL3 = {COMPOSITE_OPS, STOP_PARTS, 3, {COLUMN_LAYOUT, 192}, true, &COMPOSITE_ACCESS};
inline const Composite_Kind WHOLE3 = {COMPOSITE_OPS, STOP_PARTS, 3, {ROW_LAYOUT, 192}, false, &COMPOSITE_ACCESS};
inline const Part_Kind NEST_PARTS[] = {{&CELL.kind, 1}, {&ROW3.kind, 1}};
inline const Composite_Kind NEST = {COMPOSITE_OPS, NEST_PARTS, 2, {ROW_LAYOUT, 192}, true, &COMPOSITE_ACCESS};
inline const Elt_List_Kind LINES = {ELT_LIST_OPS, &CELL.kind, {COLUMN_LAYOUT, 192}, cell_new};
inline const Elt_List_Kind ITEMS = {ELT_LIST_OPS, &CELL.kind, {ROW_LAYOUT, 192}, cell_new};

inline void* content_from(const Gui_Kind& k, const std::vector<std::string>& pieces, size_t& i) {
  if (k.query == COMPOSITE_OPS.query) {
    std::vector<void*> parts;
    for (int32_t j = 0; j < comp_kind(k).n_parts; ++j) parts.push_back(content_from(part_kind(comp_kind(k), j), pieces, i));
    return composite_new(comp_kind(k), std::move(parts));
  }
  return text_field_new(pieces[i++].c_str());
}
inline void* content_of(const Gui_Kind& k, const std::string& spec) {
  std::vector<std::string> pieces(1);
  for (char c : spec) c == '|' ? pieces.push_back("") : void(pieces.back() += c);
  size_t i = 0;
  if (k.query != ELT_LIST_OPS.query) return content_from(k, pieces, i);
  std::vector<void*> elts;
  if (!spec.empty())
    for (const std::string& p : pieces) elts.push_back(text_field_new(p.c_str()));
  return elt_list_new(list_kind(k), std::move(elts));
}

// The whole text, tabs shown as "|" and carriage returns as "/".
inline std::string shown_text(Session& s) {
  Byte_Str t = elt_text(*s.con.kind_p, s.con.content_p);
  std::string out(t.first_p, size_t(n_elts(t)));
  for (char& c : out) c = c == '\t' ? '|' : c == '\r' ? '/' : c;
  return out;
}
inline std::string shown_sel(const Sel& s) {
  std::string a = std::to_string(s.anchor_i);
  return s.e_sel_mp ? a + "/" + shown_sel(*s.e_sel_mp) : a + "," + std::to_string(s.gen_i);
}

// A step's code, then the whole text after it (SAME: as after the step
// before), the selection and what the step said.
constexpr const char* SAME = nullptr;
struct Struct_Step {
  const char* code;
  const char* text;
  const char* sel;
  const char* said = "";
};
struct Struct_Script {
  const Gui_Kind& kind;
  const char* start;
  std::vector<Struct_Step> steps;
};

template <class S, class Step, class Text>
void check_steps(S& s, const std::string& name, const std::vector<Struct_Step>& steps, Step step, Text text_of) {
  std::string text;
  for (const Struct_Step& st : steps) {
    step(s, st.code);
    text = st.text ? st.text : text;
    SCOPED_TRACE(name + ", step " + escaped(st.code));
    EXPECT_EQ(text_of(s), text);
    EXPECT_EQ(shown_sel(s.con.sel), st.sel);
    EXPECT_EQ(s.log.said, st.said);
  }
}
inline void run_scripts(const std::vector<Struct_Script>& scripts) {
  for (const Struct_Script& script : scripts) {
    Session s(script.kind, content_of(script.kind, script.start));
    check_steps(s, std::string("\"") + script.start + "\"", script.steps, run_step, shown_text);
  }
}
