#include "shell/doc_content.h"

#include "draw/font.h"
#include "editor/Expr.h"

namespace {

bool open_q(uint32_t cp) { return cp == '(' || cp == '['; }
bool close_q(uint32_t cp) { return cp == ')' || cp == ']'; }
uint32_t partner(uint32_t cp) { return cp == '(' ? ')' : ']'; }

// The document font, and a smaller one for exponents and subscripts at every depth below.
const Styl& doc_style(const char*, int32_t, int32_t depth) {
  static Styl* base_p = new Styl(make_style(make_font(font_family_resolve("Times", SERIF_KIND), 18), ROMAN_CODING));
  static Styl* script_p = new Styl(make_style(make_font(font_family_resolve("Times", SERIF_KIND), 13), ROMAN_CODING));
  return depth == 0 ? *base_p : *script_p;
}
const void* format_info(const Format& f, int32_t) { return &f; }

const Expr_Env DOC_ENV = {std_op_lookup, open_q, close_q, partner, nullptr, doc_style, format_info, 0, false};
constexpr int32_t DOC_ACCEPT_N = 1;
const Expr_Kind DOC_EXPR = {EXPR_OPS, &DOC_ENV, DOC_ACCEPT_N};

}  // namespace

Doc_Content doc_content_new() { return {&DOC_EXPR.kind, expr_new(DOC_ENV)}; }
