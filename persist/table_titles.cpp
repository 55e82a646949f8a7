#include "persist/table_titles.h"

#include "core/bin_codec.h"

void write_table_titles(Out_Stream& out, const std::vector<Byte_Str>& titles) {
  write_unsigned(out, uint32_t(titles.size()));
  for (const Byte_Str& t : titles) write_str(out, t);
}

std::vector<Byte_Str> read_table_titles(In_Stream& in) {
  int32_t n = int32_t(read_unsigned(in));
  if (n < 0) raise_syntax(in, "Syntax Error");
  std::vector<Byte_Str> titles;
  // Each title takes a byte at least, so a false count ends at the end of the bytes.
  for (int32_t i = 0; i < n; ++i) {
    titles.emplace_back();
    read_str(in, titles.back());
  }
  return titles;
}
