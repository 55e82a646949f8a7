#include "tests/tables/table_test_util.h"

TEST(Small_Table, Explore) {
  Table_Session s(dep_table(2));
  std::cout << table_text(s.table()) << " sel " << shown_sel(s.con.sel) << "\n";
  for (std::string code : {"+ab", "T0", "+5", "N", "+z", "D2", "U0", "U2", "U2", "*/1|2|3|#00FF00/4|5", "<", "Z", "Z", "Z", "Y"}) {
    table_step(s, code);
    std::cout << code << ": " << table_text(s.table()) << " sel " << shown_sel(s.con.sel) << " said " << s.log.said << "\n";
  }
}
