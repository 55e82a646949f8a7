// Typed mathematics of any shape the editor can make, decoded from arbitrary
// bytes, read into formulas with a resolver. Reading must give a formula or an
// error whose selection exists in the expression; a formula read is written
// back and read again.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/code_point.h"
#include "formula/expr_chars.h"
#include "formula/read_expr.h"
#include "formula/write_expr.h"

namespace {

void require(bool ok_q) {
  if (!ok_q) std::abort();
}

struct Bytes {
  const uint8_t* p;
  const uint8_t* end_p;
  int32_t n_powers = 0;  // integer powers fold exactly: a tower would not fit in memory
  uint8_t next() { return p == end_p ? 0 : *p++; }
};

const uint32_t OP_CPS[] = {'!', '%', 0xAC, 0x221A, '*', 0x22C5, 0x2297, 0xD7, 0x2022, '+', '-', 0xB1,
                           0x2213, 0x2229, 0x222A, '=', '<', '>', 0x2260, 0x2264, 0x2265, 0x2208, 0x2209,
                           0x2282, 0x2283, 0x2227, 0x2228, 0x2190, 0x21D2, 0x21D4, ',', ';', 0x2193, '^',
                           '/', '\r', 0};  // 0: juxtaposition
const uint32_t DELIM_CPS[] = {'(', ')', '[', ']', '{', '}', 0x2308, 0x2309, 0x230A, 0x230B, 0x2329, 0x232A,
                              BAR_OPEN_CP, BAR_CLOSE_CP};
const uint32_t LEAF_CPS[] = {'x', 'y', 'a', 'e', 'E', 'i', '.', '1', '2', '0', '9', '_', 'l', 'o', 'g',
                             's', 'n', 0x3C0, 'q', '\t', 0x2193, '\'', 'b', 'r', 't', 'p'};

const Op& op_of(uint32_t cp) {
  if (cp == 0) return juxt_op();
  char buf[CODE_POINT_MAX_BYTES];
  const Op* op_p = std_op_lookup(buf, int32_t(put_code_point(buf, cp) - buf));
  require(op_p);
  return *op_p;
}

Expr leaf(Bytes& in) {
  Byte_Str t;
  int32_t n = in.next() % 5;
  for (int32_t i = 0; i < n; ++i) {
    char buf[CODE_POINT_MAX_BYTES];
    uint32_t cp = LEAF_CPS[in.next() % std::size(LEAF_CPS)];
    append(t, buf, int32_t(put_code_point(buf, cp) - buf));
  }
  return expr_str(t.first_p, n_elts(t));
}

Expr decode(Bytes& in, int32_t depth) {
  uint8_t b = in.next();
  int32_t kind = depth >= 10 ? 0 : b % 3;
  if (kind == 0) return leaf(in);
  if (kind == 1) {
    uint32_t cp = OP_CPS[in.next() % std::size(OP_CPS)];
    if ((cp == '^' || cp == 0x221A) && ++in.n_powers > 2) cp = '+';
    Expr x = decode(in, depth + 1);
    Expr z = decode(in, depth + 1);
    return expr_infix(std::move(x), op_of(cp), std::move(z));
  }
  Expr prefix = b & 0x40 ? decode(in, depth + 1) : Expr();
  uint32_t open = DELIM_CPS[in.next() % std::size(DELIM_CPS)];
  Expr inner = decode(in, depth + 1);
  uint32_t close = in.next() & 1 ? DELIM_CPS[in.next() % std::size(DELIM_CPS)] : bracket_partner(open);
  Expr suffix = b & 0x80 ? decode(in, depth + 1) : Expr();
  return expr_group(std::move(prefix), open, std::move(inner), close, std::move(suffix));
}

void check(const Expr& e, const Read_Result& r, const Resolver& res) {
  if (r.err_mp) {
    require(expr_sel_valid_q(e, r.err_mp->sel) && zero_q(r.w.get()) && n_elts(r.err_mp->message) > 0);
    return;
  }
  Expr back = write_expr(r.w.get(), res, 1e-6);
  Read_Result again = read_expr(back, res);
  if (again.err_mp) require(expr_sel_valid_q(back, again.err_mp->sel));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Hdl syms = [] {
    Hdl l = EMPTY_HDL;
    for (const char* name : {"x", "y", "a", "b", "t", "log\x93\x43" "2"}) l = pair_new(Ref::adopt(symbol_new(name)).get(), l);
    return l;
  }();
  Resolver res = list_resolver(syms);
  Bytes in{data, data + size};
  Expr e = decode(in, 0);
  check(e, read_expr(e, res), res);
  std::vector<Ref> ineqs;
  check(e, read_constraints(e, res, ineqs), res);
  return 0;
}
