#include "shell/doc_content.h"

#include "draw/font.h"
#include "editor/Expr.h"
#include "persist/payload_expr.h"

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

const Section_Io EXPR_IO = {[](Out_Stream& out, const void* e) { write_expr(out, *static_cast<const Expr*>(e)); },
                            [](Doc_In& in, void* e) { read_expr(in.in, DOC_ENV, *static_cast<Expr*>(e)); }};
const int32_t OLD_ORDER[] = {0};
// The document is its one section.
const Doc_File_Kind DOC_FILE = {1,
                                &EXPR_IO,
                                "Variables",
                                OLD_ORDER,
                                1,
                                [] { return static_cast<void*>(expr_new(DOC_ENV)); },
                                [](void* doc, int32_t) { return doc; },
                                nullptr,
                                [](void* doc) { delete static_cast<Expr*>(doc); },
                                nullptr};

}  // namespace

Doc_Content doc_content_new() { return {&DOC_EXPR.kind, DOC_FILE.make_empty()}; }
const Doc_File_Kind& doc_file_kind() { return DOC_FILE; }
const Gui_Kind& doc_gui_kind() { return DOC_EXPR.kind; }
