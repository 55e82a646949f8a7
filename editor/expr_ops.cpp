#include <vector>

#include "core/code_point.h"
#include "editor/Expr.h"

namespace {

Byte_Str text_of_cp(uint32_t cp) {
  char buf[CODE_POINT_MAX_BYTES];
  return Byte_Str(buf, int32_t(put_code_point(buf, cp) - buf));
}

struct Op_Table {
  Format horizontal{0, HORIZONTAL_LAYOUT, false, Byte_Str("*"), 0};
  Format superscript{1, SUPERSCRIPT_LAYOUT, false, Byte_Str("^"), HIDE_RIGHT_PARENS};
  Format subscript{1, SUBSCRIPT_LAYOUT, false, text_of_cp(SUBSCRIPT_CP), HIDE_RIGHT_PARENS};
  Format stacked{0, STACKED_LAYOUT, true, Byte_Str("\r"), HIDE_RIGHT_PARENS | HIDE_LEFT_PARENS};
  Op juxt{Byte_Str(), JUXT_PREC, JUXT_PREC, &horizontal};
  std::vector<Op*> ops;

  void add(uint32_t cp, int32_t left, int32_t right, const Format& f) {
    ops.push_back(new Op{text_of_cp(cp), left, right, &f});
  }
  Op_Table() {
    struct Row {
      uint32_t cp;
      int32_t left, right;
    };
    static const Row ROWS[] = {
        {'!', 123, 124},    {'%', 123, 124},    {0xAC, 122, 121},   {0x221A, 110, 109}, {'*', 107, 108},
        {0x22C5, 107, 108}, {0x2297, 105, 106}, {0xD7, 103, 104},   {0x2022, 101, 102}, {'+', 81, 82},
        {'-', 81, 82},      {0xB1, 81, 82},     {0x2213, 81, 82},   {0x2229, 63, 64},   {0x222A, 61, 62},
        {'=', 40, 40},      {'<', 40, 40},      {'>', 40, 40},      {0x2260, 40, 40},   {0x2264, 40, 40},
        {0x2265, 40, 40},   {0x2208, 40, 40},   {0x2209, 40, 40},   {0x2282, 40, 40},   {0x2283, 40, 40},
        {0x2227, 25, 26},   {0x2228, 23, 24},   {0x2190, 22, 21},   {0x21D2, 20, 20},   {0x21D4, 20, 20},
        {',', 11, 11},      {';', 10, 10}};
    for (const Row& r : ROWS) add(r.cp, r.left, r.right, horizontal);
    add(SUBSCRIPT_CP, 128, 127, subscript);
    add('^', 126, 125, superscript);
    add('/', 107, 108, stacked);
    add('\r', 1, 2, stacked);
  }
};

// Operators live as long as the process: trees everywhere point at them.
const Op_Table& table() {
  static const Op_Table* table_p = new Op_Table();
  return *table_p;
}

}  // namespace

const Op* std_op_lookup(const char* text, int32_t n_bytes) {
  for (const Op* op : table().ops)
    if (n_elts(op->text) == n_bytes && std::memcmp(op->text.first_p, text, size_t(n_bytes)) == 0) return op;
  return nullptr;
}

const Op& juxt_op() { return table().juxt; }

const Op& stored_op(const Byte_Str& text) {
  if (n_elts(text) == 0) return juxt_op();
  const Op* op = std_op_lookup(text.first_p, n_elts(text));
  if (!op) throw Syntax_Err("Infix operator not found:  " + std::string(text.first_p, size_t(n_elts(text))), nullptr);
  return *op;
}
