#include "formula/order.h"

#include <cmath>
#include <cstring>


bool reorder_ = true;

namespace {

int sign_of(int c) { return (c > 0) - (c < 0); }
int cmp_hdl(Hdl a, Hdl b) { return a < b ? -1 : a > b; }

int compare_reals(wff a, wff b) {
  double x = real_value(a), y = real_value(b);
  bool nan_x = std::isnan(x), nan_y = std::isnan(y);
  if (nan_x || nan_y) return nan_x && nan_y ? cmp_hdl(a, b) : nan_x ? 1 : -1;
  return x < y ? -1 : x > y;
}

bool has_prop(wff s, const Prop_Key& k) { return prop_get(s, k) != NO_HDL; }

// Orders by a small integer property; lacking_sign is the result when only a
// lacks it.
int compare_by_prop(wff a, wff b, const Prop_Key& k, int lacking_sign) {
  Hdl pa = prop_get(a, k), pb = prop_get(b, k);
  if ((pa == NO_HDL) != (pb == NO_HDL)) return (pa == NO_HDL) ? lacking_sign : -lacking_sign;
  if (pa == NO_HDL) return 0;
  return sign_of(imm_value(pa) - imm_value(pb));
}

int compare_symbols(wff a, wff b) {
  bool lit_a = has_prop(a, LITERAL_Q), lit_b = has_prop(b, LITERAL_Q);
  if (lit_a != lit_b) return lit_a ? -1 : 1;
  // A constant kind sorts before none; no variable index sorts before one.
  if (int c = compare_by_prop(a, b, NUMBER_KIND, 1)) return c;
  if (int c = compare_by_prop(a, b, VAR_INDEX, -1)) return c;
  if (int c = std::strcmp(symbol_name(a), symbol_name(b))) return sign_of(c);
  return cmp_hdl(a, b);
}

int compare_symbol_appl(wff s, wff app) {
  Hdl args = args_of(app);
  if (!pair_q(args)) return 1;
  int c = compare(s, pair_first(args));
  return c ? c : -1;
}

int compare_appls(wff a, wff b) {
  Hdl xs = args_of(a), ys = args_of(b);
  for (; pair_q(xs) && pair_q(ys); xs = pair_rest(xs), ys = pair_rest(ys))
    if (int c = compare(pair_first(xs), pair_first(ys))) return c;
  if (pair_q(xs) != pair_q(ys)) return pair_q(xs) ? 1 : -1;
  return compare(head_of(a), head_of(b));
}

// Rank of a kind: integers, reals, then everything else.
int rank(wff w) { return integer_p(w) ? 0 : real_p(w) ? 1 : 2; }

}  // namespace

int compare(wff a, wff b) {
  if (a == b) return 0;
  int ra = rank(a), rb = rank(b);
  if (ra != rb) return ra < rb ? -1 : 1;
  if (ra == 0) return sign_of(int_compare(a, b));
  if (ra == 1) return compare_reals(a, b);
  bool sa = symbol_p(a), sb = symbol_p(b);
  if (sa && sb) return compare_symbols(a, b);
  if (sa) return compare_symbol_appl(a, b);
  if (sb) return -compare_symbol_appl(b, a);
  return compare_appls(a, b);
}
