#include "shell/doc_content.h"

#include <cstring>

#include "draw/font.h"

namespace {

bool one_line_q(const char* text, int32_t n_bytes) { return !std::memchr(text, '\r', size_t(n_bytes)); }

const Styl& doc_style() {
  static Styl* style_p = new Styl(make_style(make_font(font_family_resolve("Times", SERIF_KIND), 18), ROMAN_CODING));
  return *style_p;
}

constexpr int32_t DOC_ACCEPT_N = 1;
const Text_Field_Kind DOC_FIELD = {TEXT_FIELD_OPS, {one_line_q, doc_style, nullptr, DOC_ACCEPT_N}};

}  // namespace

Doc_Content doc_content_new() { return {&DOC_FIELD.kind, text_field_new("")}; }
