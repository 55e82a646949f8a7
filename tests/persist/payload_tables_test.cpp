// The rows of the variable and data tables as stored: the exact bytes of
// every cell kind, rows read back into a table of another size, and the
// messages of damaged rows.
#include <gtest/gtest.h>

#include "persist/payload_data_table.h"
#include "persist/payload_table.h"
#include "tests/bytes_of.h"
#include "tests/err_text.h"
#include "tests/tables/table_test_util.h"

namespace {

using namespace std::string_literals;
using Table_Hold = std::unique_ptr<Small_Table, decltype(&table_release)>;

// The rows read as a data table (titles first) or into a Dep Var table of five rows, or the message.
std::string read_back(const std::string& bytes, bool data_q) {
  Mem_In_Stream in(bytes.data(), int32_t(bytes.size()));
  Table_Hold t(nullptr, table_release);
  std::string m = message_of<Syntax_Err>([&] {
    if (data_q) return t.reset(read_data_table(in, 1));
    t.reset(dep_table(5));
    read_table_rows(in, *t);
  });
  return m != "<no error>" ? m : t ? table_text(*t) : "no table";
}

TEST(PayloadTables, ExactBytes) {
  Table_Hold dep(dep_table(2), table_release), data(xy_table(2), table_release);
  table_set_cell(*dep, 1, NAME_COL, math_cell_new("z"));
  table_set_cell(*data, 0, 0, math_cell_new("1.5"));
  table_set_cell(*data, 1, 1, math_cell_new("(2)"));
  table_set_cell(*data, 1, 3, text_field_new("ok"));
  std::string rows = written([&](Byte_Str& s) { write_table_rows(s, *dep); }),
              table = written([&](Byte_Str& s) { write_data_table(s, data.get()); }),
              none = written([](Byte_Str& s) { write_data_table(s, nullptr); });
  // Name, Low, High and the colour word (red, blue); the titles, then cells of x, y, ~y and Notes.
  EXPECT_EQ(rows, "\x02\x00\x01y\x03-10\x02" "10\x80\x80\xFC\x07\x00\x01z\x03-10\x02" "10\xFF\x01"s);
  EXPECT_EQ(table, "\x04\x01x\x01y\x02~y\x05Notes\x02\x00\x03" "1.5\x00\x00\x00\x00\x00\x00"
                             "\x00\x02\x00\x00\x00\x01" "2\x00\x00(\x01)\x01\x00\x00\x02ok"s);
  EXPECT_EQ(none, "\x00\x00"s);
  EXPECT_EQ(read_back(rows, false), "/y|-10|10|#FF0000/z|-10|10|#0000FF");
  EXPECT_EQ(read_back(table, true), "/1.5|||/|(2)||ok");
  EXPECT_EQ(read_back(none, true), "no table");
}

TEST(PayloadTables, DamagedRows) {
  const std::tuple<std::string, bool, std::string> cases[] = {
      {"\x80\x80\x80\x80\x08"s, false, "Syntax Error"},                         // 2^31 rows
      {"\x01\x00\x01x\x03" "1 2\x02" "10\x00"s, false, "Syntax Error"},         // a blank in a number
      {"\x01\x00\x01x\x02-1\x02" "10\x80\x80\x80\x08"s, false, "Syntax Error"},  // colour 2^24
      {"\x01\x03"s, false, "Syntax Error"},                                     // no such expression case
      {"\x02\x00\x01y\x03-10\x02" "10\x00"s, false, "Illegal unsigned"},        // the second row missing
      {"\x01\x00\x01y\x05-10"s, false, "Not enough input"},
      {"\x00\x01"s, true, "Syntax Error"},                                      // rows without columns
      {"\x01\x05Notes\x01\x02" "a\x0D"s, true, "Syntax Error"},                 // a line break in a note
      {"\x80\x80\x80\x80\x08"s, true, "Syntax Error"},                          // 2^31 titles
  };
  for (const auto& [bytes, data_q, want] : cases) EXPECT_EQ(read_back(bytes, data_q), want) << bytes;
}

}  // namespace
