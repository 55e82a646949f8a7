#include "model/model_env.h"

#include <string>

#include "draw/font.h"
#include "formula/expr_chars.h"

namespace {

bool open_q(uint32_t cp) { return bracket_partner(cp) != 0; }
bool close_q(uint32_t cp) {
  for (uint32_t o : {uint32_t('('), uint32_t('['), uint32_t('{'), 0x2308u, 0x230Au, 0x2329u, BAR_OPEN_CP})
    if (bracket_partner(o) == cp) return true;
  return false;
}

// The document font, and a smaller one for exponents and subscripts at every depth below.
const Styl& doc_style(const char*, int32_t, int32_t depth) {
  static Styl* base_p = new Styl(make_style(make_font(font_family_resolve("Times", SERIF_KIND), 18), ROMAN_CODING));
  static Styl* script_p = new Styl(make_style(make_font(font_family_resolve("Times", SERIF_KIND), 13), ROMAN_CODING));
  return depth == 0 ? *base_p : *script_p;
}
const void* format_info(const Format& f, int32_t) { return &f; }

constexpr int32_t MODEL_ACCEPT_N = 1;

}  // namespace

const Expr_Env MODEL_ENV = {std_op_lookup, open_q, close_q, bracket_partner, nullptr, doc_style, format_info, 0, false};
const Expr_Kind MODEL_EXPR = {EXPR_OPS, &MODEL_ENV, MODEL_ACCEPT_N};

Expr expr_typed(const char* text) {
  Expr e;
  expr_restyle(e, MODEL_ENV, 0);
  Sel s = MODEL_EXPR.kind.initial_sel(MODEL_EXPR.kind, &e);
  Text_Partial_Cmd c{Byte_Str(text)};
  Cmd_Args args(s, c);
  MODEL_EXPR.kind.perform(MODEL_EXPR.kind, &e, args);
  return e;
}

std::string expr_string(const Expr& e) {
  Byte_Str t = expr_text(e);
  return std::string(t.first_p, size_t(n_elts(t)));
}

const Styl& model_text_style() { return doc_style("", 0, 0); }
