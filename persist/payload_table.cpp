#include "persist/payload_table.h"

#include "core/bin_codec.h"
#include "persist/payload_expr.h"
#include "tables/swatch.h"

namespace {

constexpr uint32_t MAX_COLOUR = 0xFFFFFF;

// The cell kinds a table holds, told apart by their operations.
bool expr_cell_q(const Gui_Kind& k) { return k.perform == EXPR_OPS.perform; }
bool text_cell_q(const Gui_Kind& k) { return k.perform == TEXT_FIELD_OPS.perform; }
void check_swatch(const Gui_Kind& k) { CHECK(k.perform == SWATCH_OPS.perform); }

void write_cell(Out_Stream& out, const Gui_Kind& k, const void* cell) {
  if (expr_cell_q(k)) return write_expr(out, *static_cast<const Expr*>(cell));
  if (text_cell_q(k)) return write_str(out, *static_cast<const Byte_Str*>(cell));
  check_swatch(k);
  write_unsigned(out, uint32_t(swatch_colour(cell)));
}

void read_cell(In_Stream& in, const Gui_Kind& k, void* cell) {
  if (expr_cell_q(k)) return read_expr(in, *reinterpret_cast<const Expr_Kind&>(k).env_p, *static_cast<Expr*>(cell));
  if (text_cell_q(k)) {
    Byte_Str& text = *static_cast<Byte_Str*>(cell);
    read_str(in, text);
    const Text_Opts& o = reinterpret_cast<const Text_Field_Kind&>(k).opts;
    if (o.valid_q && !o.valid_q(text.first_p, n_elts(text))) raise_syntax(in, "Syntax Error");
    return;
  }
  check_swatch(k);
  uint32_t colour = read_unsigned(in);
  if (colour > MAX_COLOUR) raise_syntax(in, "Syntax Error");
  static_cast<Swatch*>(cell)->colour = int32_t(colour);
}

}  // namespace

void write_table_rows(Out_Stream& out, const Small_Table& t) {
  const Table_Env& env = t.kind_p->env;
  write_unsigned(out, uint32_t(n_elts(t)));
  for (const Table_Row* r : t.rws)
    for (int32_t j = 0; j < n_cols(env); ++j) write_cell(out, *env.col_kinds[size_t(j)].kind_p, r->row_eAvs[size_t(j)]);
}

void read_table_rows(In_Stream& in, Small_Table& t) {
  const Table_Env& env = t.kind_p->env;
  int32_t n = int32_t(read_unsigned(in));
  // Rows without cells take no bytes: a count of them could only be damage.
  if (n < 0 || (n > 0 && n_cols(env) == 0)) raise_syntax(in, "Syntax Error");
  const Gui_Kind& row_kind = env.row_kind.kind;
  for (Table_Row* r : t.rws) row_kind.release(row_kind, r);
  t.rws.clear();
  // Row by row, each placed before it is filled, so a false count ends
  // where the bytes do and a failure leaves every row to the table.
  for (int32_t i = 0; i < n; ++i) {
    t.rws.push_back(row_make(t, i));
    for (int32_t j = 0; j < n_cols(env); ++j) read_cell(in, *env.col_kinds[size_t(j)].kind_p, t.rws.back()->row_eAvs[size_t(j)]);
  }
  table_layout(t);
}
