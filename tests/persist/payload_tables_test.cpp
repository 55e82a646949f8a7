// The payloads of the variable tables and of the Table section: exact bytes
// of each cell kind, rows read into a table of another size, and the
// messages of damaged rows.
#include <gtest/gtest.h>

#include "core/bin_codec.h"
#include "persist/payload_data_table.h"
#include "persist/payload_table.h"
#include "tests/bytes_of.h"
#include "tests/err_text.h"
#include "tests/tables/table_test_util.h"

namespace {

using namespace std::string_literals;

using Table_Hold = std::unique_ptr<Small_Table, decltype(&table_release)>;
Table_Hold hold(Small_Table* t) { return Table_Hold(t, table_release); }

std::string rows_bytes(const Small_Table& t) {
  Byte_Str out;
  write_table_rows(out, t);
  return bytes_of(out);
}

// Reads bytes into t: its rows as text, or the message.
std::string read_rows_into(Small_Table& t, const std::string& bytes) {
  Mem_In_Stream in(bytes.data(), int32_t(bytes.size()));
  std::string m = message_of<Syntax_Err>([&] { read_table_rows(in, t); });
  return m == "<no error>" ? table_text(t) : m;
}

TEST(PayloadTables, VariableRows) {
  Table_Hold indep = hold((rec_screen(), var_table_new("Indep Var", 1, 1))), dep = hold(dep_table(2));
  table_set_cell(*dep, 1, NAME_COL, math_cell_new("z"));
  table_set_cell(*dep, 1, HIGH_COL, text_field_new("2.5"));
  // Name, Low, High, then the colour word: black, red, blue.
  EXPECT_EQ(rows_bytes(*indep), "\x01\x00\x01x\x03-10\x02" "10\x00"s);
  std::string dep_bytes = rows_bytes(*dep);
  EXPECT_EQ(dep_bytes, "\x02\x00\x01y\x03-10\x02" "10\x80\x80\xFC\x07"
                                   "\x00\x01z\x03-10\x03" "2.5\xFF\x01"s);
  Table_Hold back = hold(dep_table(5));
  EXPECT_EQ(read_rows_into(*back, dep_bytes), "/y|-10|10|#FF0000/z|-10|2.5|#0000FF");
  EXPECT_EQ(rows_bytes(*back), dep_bytes);
  EXPECT_EQ(read_rows_into(*back, std::string(1, '\0')), "");
}

TEST(PayloadTables, DataTable) {
  Table_Hold t = hold(xy_table(2));
  table_set_cell(*t, 0, 0, math_cell_new("1.5"));
  table_set_cell(*t, 1, 1, math_cell_new("(2)"));
  table_set_cell(*t, 1, 3, text_field_new("ok"));
  Byte_Str out;
  write_data_table(out, t.get());
  const std::string titles = "\x04\x01x\x01y\x02~y\x05Notes";
  const std::string rows = "\x02\x00\x03" "1.5\x00\x00\x00\x00\x00"
                           "\x00\x00\x02\x00\x00\x00\x01" "2\x00\x00(\x01)\x01\x00\x00\x02ok"s;
  EXPECT_EQ(bytes_of(out), titles + rows);
  Mem_In_Stream in(out.first_p, n_elts(out));
  Table_Hold back = hold(read_data_table(in, 1));
  EXPECT_EQ(table_text(*back), "/1.5|||/|(2)||ok");
  EXPECT_EQ(bytes_of(table_title(*back, 3)), "Notes");
  // No table: no titles and no rows.
  Byte_Str none;
  write_data_table(none, nullptr);
  EXPECT_EQ(bytes_of(none), std::string(2, '\0'));
  Mem_In_Stream in2(none.first_p, n_elts(none));
  EXPECT_EQ(read_data_table(in2, 1), nullptr);
}

TEST(PayloadTables, DamagedRows) {
  const std::pair<std::string, std::string> var_cases[] = {
      {"\x80\x80\x80\x80\x08"s, "Syntax Error"},                                     // 2^31 rows
      {"\x01\x00\x01x\x03" "1 2\x02" "10\x00"s, "Syntax Error"},    // a blank in a number
      {"\x01\x00\x01x\x02-1\x02" "10\x80\x80\x80\x08"s, "Syntax Error"},  // colour 2^24
      {"\x01\x03"s, "Syntax Error"},                                 // no such expression case
      {"\x02\x00\x01y\x03-10\x02" "10\x00"s, "Illegal unsigned"},   // the second row missing
      {"\x01\x00\x01y\x05-10"s, "Not enough input"},
  };
  for (const auto& [bytes, want] : var_cases) {
    Table_Hold t = hold(dep_table(1));
    EXPECT_EQ(read_rows_into(*t, bytes), want) << bytes;
  }
  const std::pair<std::string, std::string> data_cases[] = {
      {"\x00\x01"s, "Syntax Error"},  // rows without columns
      {"\x01\x05Notes\x01\x02" "a\x0D"s, "Syntax Error"},  // a line break in a note
      {"\x80\x80\x80\x80\x08"s, "Syntax Error"},
  };
  for (const auto& [bytes, want] : data_cases)
    EXPECT_EQ(message_of<Syntax_Err>([&] {
                Mem_In_Stream in(bytes.data(), int32_t(bytes.size()));
                hold(read_data_table(in, 1));
              }),
              want)
        << bytes;
}

}  // namespace
