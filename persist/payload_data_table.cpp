#include "persist/payload_data_table.h"

#include <memory>

#include "core/bin_codec.h"
#include "persist/payload_table.h"
#include "persist/table_titles.h"
#include "tables/math_tables.h"

void write_data_table(Out_Stream& out, const Small_Table* t_mp) {
  std::vector<Byte_Str> titles;
  if (t_mp)
    for (int32_t j = 0; j < n_cols(t_mp->kind_p->env); ++j) titles.push_back(table_title(*t_mp, j));
  write_table_titles(out, titles);
  if (t_mp) write_table_rows(out, *t_mp);
  else write_unsigned(out, 0);  // and no rows
}

Small_Table* read_data_table(In_Stream& in, int32_t can_edit01) {
  std::unique_ptr<Small_Table, decltype(&table_release)> t(data_table_new(read_table_titles(in), 0, can_edit01), table_release);
  read_table_rows(in, *t);
  return n_cols(t->kind_p->env) > 0 ? t.release() : nullptr;
}
