// Tables driven as the shell drives them: sessions over a variable table or
// a data table, written with the codes of editor_test_util.h, and the rows
// shown as text ("|" a tab, "/" a carriage return). Extra codes: "N" Enter.
#pragma once
#include "tables/math_tables.h"
#include "tests/editor/structured_test_util.h"

struct Table_Session : Session {
  explicit Table_Session(Small_Table* t) : Session(t->kind_p->kind, (rec_screen(), t)) {}
  Small_Table& table() { return *static_cast<Small_Table*>(con.content_p); }
};

inline Small_Table* dep_table(int32_t n_rows) { return (rec_screen(), var_table_new("Dep Var", n_rows, 1)); }
inline Small_Table* xy_table(int32_t n_rows) {
  rec_screen();
  return data_table_new({Byte_Str("x"), Byte_Str("y"), Byte_Str("~y"), Byte_Str("Notes")}, n_rows, 1);
}

// All rows' text, "|" for a tab and "/" for a carriage return.
inline std::string table_text(const Small_Table& t) {
  Byte_Str b = rows_text(t, 0, n_elts(t));
  std::string out(b.first_p, size_t(n_elts(b)));
  for (char& c : out) c = c == '\t' ? '|' : c == '\r' ? '/' : c;
  return out;
}

// The titles of the columns, a blank between them.
inline std::string titles_of(const Small_Table& t) {
  std::string out;
  for (int32_t j = 0; j < int32_t(t.hdr.size()); ++j) {
    Byte_Str title = table_title(t, j);
    out += (j ? " " : "") + std::string(title.first_p, size_t(n_elts(title)));
  }
  return out;
}

// One step: "N" is Enter, anything else a code of run_step, where in typed
// text "|" stands for a tab and "/" for a carriage return.
inline void table_step(Table_Session& s, std::string code) {
  if (code == "N") code = "+/";
  if (strchr("+*!", code[0]))
    for (char& c : code) c = c == '|' ? '\t' : c == '/' ? '\r' : c;
  run_step(s, code);
}
