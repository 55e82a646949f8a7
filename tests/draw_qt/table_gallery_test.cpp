// A variable table and a data table drawn by Qt: every inked pixel lies
// inside the table's bounds, and the grid's lines are where the layout puts
// them. With VEZA_GALLERY_DIR set, the pictures are written there as PNG files.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <string>

#include "draw/qt/qt_targets.h"
#include "draw/units.h"
#include "tables/math_tables.h"

namespace {

constexpr int32_t DPI = 192, MARGIN = 8;

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
  const char* dir_mp = std::getenv("VEZA_GALLERY_DIR");
  std::pair<const char*, Small_Table*> tables[] = {
      {"dep_var_table", filled(var_table_new("Dep Var", 3, 1), "\ry\t-10\t10\t#FF0000\rspeed\t0\t125.5\t#0000FF\rz\t-2.5\t2.5\t#009900")},
      {"data_table", filled(data_table_new({Byte_Str("x"), Byte_Str("y"), Byte_Str("~y"), Byte_Str("Notes")}, 4, 1),
                            "\r1\t2.5\t\tfirst\r2\t-3.75\t\t\r10\t12.125\t\tlast one\r\t\t\t")},
  };
  for (auto& [name, t] : tables) {
    Rect b = table_bounds(*t);
    int32_t px = UNITS_PER_INCH / DPI;
    Point origin = {MARGIN * px - b.x0, -MARGIN * px - b.y1};
    int32_t w = (b.x1 - b.x0) / px + 2 * MARGIN, h = (b.y1 - b.y0) / px + 2 * MARGIN;
    QImage img = qt_draw_image(w, h, DPI, [&](Canvas& c) { TABLE_OPS.draw(TABLE_OPS, t, c, origin); });
    // The box of the inked pixels lies inside the table's bounds.
    Device_Rect d = device_rect(rect_shift(b, origin), DPI, -DPI), ink = {w, h, -1, -1};
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x), std::max(ink.bottom, y)};
    EXPECT_GE(ink.left, d.left - 1) << name;
    EXPECT_GE(ink.top, d.top - 1) << name;
    EXPECT_LE(ink.right, d.right) << name;
    EXPECT_LE(ink.bottom, d.bottom) << name;
    // The line under the last row is drawn across the whole table.
    int32_t bottom = device_rect(rect_shift({b.x0, b.x1, b.y0, b.y0 + 1}, origin), DPI, -DPI).top;
    int32_t n_line = 0;
    for (int x = d.left; x < d.right; ++x)
      for (int y = bottom - 1; y <= bottom + 1; ++y) n_line += (img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GE(n_line, d.right - d.left - 2) << name;
    if (dir_mp) qt_save_png(img, std::string(dir_mp) + "/" + name + ".png");
    table_release(t);
  }
}
