// A variable table and a data table drawn by Qt: every inked pixel lies
// inside the table's bounds, and the line under the last row spans the table.
#include <gtest/gtest.h>

#include "gallery.h"
#include "tables/math_tables.h"

namespace {

// The rows pasted over all rows of t.
Small_Table* filled(Small_Table* t, const char* rows) {
  Sel s = sel_of(0, n_elts(*t));
  Text_Partial_Cmd c{Byte_Str(rows)};
  Cmd_Args args(s, c);
  TABLE_OPS.perform(TABLE_OPS, t, args);
  return t;
}

}  // namespace

TEST(Table_Gallery, TablesDrawInsideTheirBounds) {
  std::pair<const char*, Small_Table*> tables[] = {
      {"dep_var_table", filled(var_table_new("Dep Var", 3, 1), "\ry\t-10\t10\t#FF0000\rspeed\t0\t125.5\t#0000FF\rz\t-2.5\t2.5\t#009900")},
      {"data_table", filled(data_table_new({Byte_Str("x"), Byte_Str("y"), Byte_Str("~y"), Byte_Str("Notes")}, 4, 1),
                            "\r1\t2.5\t\tfirst\r2\t-3.75\t\t\r10\t12.125\t\tlast one\r\t\t\t")},
  };
  for (auto& [name, t] : tables) {
    Drawn d = expect_drawn_inside(name, table_bounds(*t),
                                  [&](Canvas& c, Point at) { TABLE_OPS.draw(TABLE_OPS, t, c, at); }, 192, 0);
    int32_t n_line = 0;
    for (int x = d.bds.left; x < d.bds.right; ++x)
      for (int y = d.bds.bottom - 2; y <= d.bds.bottom; ++y) n_line += (d.img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GE(n_line, d.bds.right - d.bds.left - 2) << name;
    table_release(t);
  }
}
