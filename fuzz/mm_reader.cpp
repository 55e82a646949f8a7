// The model file reader on arbitrary bytes, handed out in small refills: a
// document of the payloads files hold (a constraint expression, parameter
// rows with sliders, a solution expression and the Table's titles) either
// reads, and then writes back bytes that read and write again unchanged, or
// fails with one of the reader's own messages. Never a crash or a leak.
// The input's first byte chooses the refill size; the file's bytes follow.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "draw/font.h"
#include "persist/doc_file.h"
#include "persist/payload_expr.h"
#include "persist/payload_params.h"
#include "persist/table_titles.h"
#include "tests/core/chunk_stream.h"
#include "tests/draw/rec_screen.h"

namespace {

void require(bool ok_q) {
  if (!ok_q) std::abort();
}

bool open_q(uint32_t cp) { return cp == '(' || cp == '[' || cp == 0x2329; }
bool close_q(uint32_t cp) { return cp == ')' || cp == ']' || cp == 0x232A; }
uint32_t partner(uint32_t cp) { return cp == '(' ? ')' : cp == '[' ? ']' : 0x232A; }
const Styl& style(const char*, int32_t, int32_t) {
  static Styl* style_p = new Styl(make_style(make_font(font_family_resolve("Times", SERIF_KIND), 12), ROMAN_CODING));
  return *style_p;
}
const void* format_info(const Format& f, int32_t) { return &f; }
const Expr_Env ENV = {std_op_lookup, open_q, close_q, partner, nullptr, style, format_info, 0, false};

struct Doc {
  Expr constraints;
  std::vector<Param_Fields> params;
  Expr solutions;
  std::vector<Byte_Str> titles;
};

const Section_Io IOS[] = {
    {[](Out_Stream& out, const void* s) { write_expr(out, *static_cast<const Expr*>(s)); },
     [](Doc_In& in, void* s) { read_expr(in.in, ENV, *static_cast<Expr*>(s)); }},
    {[](Out_Stream& out, const void* s) { write_param_rows(out, *static_cast<const std::vector<Param_Fields>*>(s)); },
     [](Doc_In& in, void* s) { read_param_rows(in.in, ENV, *static_cast<std::vector<Param_Fields>*>(s)); }},
    {[](Out_Stream& out, const void* s) { write_expr(out, *static_cast<const Expr*>(s)); },
     [](Doc_In& in, void* s) { read_expr(in.in, ENV, *static_cast<Expr*>(s)); }},
    {[](Out_Stream& out, const void* s) { write_table_titles(out, *static_cast<const std::vector<Byte_Str>*>(s)); },
     [](Doc_In& in, void* s) { *static_cast<std::vector<Byte_Str>*>(s) = read_table_titles(in.in); }},
};
const int32_t OLD_ORDER[] = {0, 2, 3};
void* section(void* d, int32_t i) {
  Doc& doc = *static_cast<Doc*>(d);
  void* slots[] = {&doc.constraints, &doc.params, &doc.solutions, &doc.titles};
  return slots[i];
}
const Doc_File_Kind KIND = {4, IOS, "Variables", OLD_ORDER, 3, [] { return static_cast<void*>(new Doc()); }, section,
                            nullptr, [](void* d) { delete static_cast<Doc*>(d); }, nullptr};

bool starts_q(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

bool known_message_q(const std::string& m) {
  for (const char* whole : {"Illegal unsigned", "Illegal int", "Illegal character string", "Syntax Error",
                            "Not enough input", "Expected:  Variables"})
    if (m == whole) return true;
  return starts_q(m, "Infix operator not found:  ") ||
         (starts_q(m, "You need to start Corvandile (or Corvandile Veza) version ") &&
          m.size() > 28 && m.compare(m.size() - 28, 28, " or later to read this file.") == 0);
}

std::string written(const Doc& d) {
  Byte_Str out;
  write_doc(out, KIND, &d);
  return std::string(out.first_p, size_t(n_elts(out)));
}

std::string read_and_write(const std::string& bytes, size_t chunk) {
  Chunk_Stream s(bytes, chunk);
  Doc* d = static_cast<Doc*>(read_doc(s, KIND, nullptr));
  std::string out = written(*d);
  for (const Param_Fields& p : d->params) (void)expr_text(p.name);
  (void)expr_text(d->constraints);
  KIND.release(d);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  rec_screen();
  if (size < 1) return 0;
  size_t chunk = 1 + data[0] % 16;
  std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string once;
  try {
    once = read_and_write(bytes, chunk);
  } catch (const Syntax_Err& e) {
    require(known_message_q(e.message()));
    return 0;
  }
  // What was read writes as the current version, which reads back to itself.
  require(read_and_write(once, 4096) == once);
  return 0;
}
