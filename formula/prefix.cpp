#include "formula/prefix.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

#include "core/code_point.h"
#include "formula/construct.h"

namespace {

void append_utf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

std::string utf8_of_internal(const char* p) {
  std::string out;
  while (*p) append_utf8(out, take_code_point(p));
  return out;
}

std::string internal_of_utf8(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int n_more = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
    uint32_t cp = n_more == 0 ? c : c & (0x3F >> n_more);
    for (int k = 1; k <= n_more; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    i += size_t(n_more) + 1;
    char buf[CODE_POINT_MAX_BYTES];
    out.append(buf, put_code_point(buf, cp));
  }
  return out;
}

void append_real(std::string& out, double x) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, x);
  std::string t(buf, res.ptr);
  if (t.find_first_of(".en") == std::string::npos) t += ".0";
  out += t;
}

void append_prefix(std::string& out, wff w) {
  if (integer_p(w)) {
    out += int_to_string(w);
  } else if (const double* x = real_p(w)) {
    append_real(out, *x);
  } else if (symbol_p(w)) {
    out += utf8_of_internal(symbol_name(w));
  } else if (pair_q(w)) {
    out += '(';
    for (Hdl e = w; pair_q(e); e = pair_rest(e)) {
      if (e != w) out += ' ';
      append_prefix(out, pair_first(e));
    }
    out += ')';
  } else {
    out += "<";
    out += kinds_[kind_of(w)].name;
    out += ">";
  }
}

struct Reader {
  const char* p;
  Hdl syms;

  void skip_space() {
    while (*p == ' ' || *p == '\n' || *p == '\t') ++p;
  }

  std::string atom() {
    if (*p == '\r') return std::string(1, *p++);
    const char* start = p;
    while (*p && !std::strchr(" \n\t\r()", *p)) ++p;
    CHECK(p > start);
    return std::string(start, p);
  }

  wff number(const std::string& a) {
    if (a.find_first_of(".eE") != std::string::npos || a == "nan" || a == "inf" || a == "-inf")
      return real_new(std::strtod(a.c_str(), nullptr));
    return int_from_string(a.c_str());
  }

  wff name(const std::string& a) {
    std::string internal = internal_of_utf8(a);
    wff s = builtin_named(internal.c_str());
    if (s != NO_HDL) return hdl_copy(s);
    for (Hdl l = syms; pair_q(l); l = pair_rest(l))
      if (std::strcmp(symbol_name(pair_first(l)), internal.c_str()) == 0) return hdl_copy(pair_first(l));
    CHECK(FALSE);
  }

  wff atom_wff() {
    std::string a = atom();
    size_t d = a[0] == '-' ? 1 : 0;
    bool numeric = (d < a.size() && a[d] >= '0' && a[d] <= '9') || a == "nan" || a == "inf" || a == "-inf";
    return numeric ? number(a) : name(a);
  }

  // Elements up to the closing bracket, as a list.
  Hdl elements() {
    skip_space();
    if (*p == ')') {
      ++p;
      return EMPTY_HDL;
    }
    CHECK(*p != 0);
    Ref first = Ref::adopt(formula());
    Ref rest = Ref::adopt(elements());
    return pair_new(first.get(), rest.get());
  }

  wff formula() {
    skip_space();
    if (*p != '(') return atom_wff();
    ++p;
    Ref list = Ref::adopt(elements());
    CHECK(pair_q(list.get()));
    return apply(pair_first(list.get()), pair_rest(list.get()));
  }
};

}  // namespace

std::string prefix_text(wff w) {
  std::string out;
  append_prefix(out, w);
  return out;
}

wff prefix_read(const char* text, Hdl syms) {
  Reader r{text, syms};
  Ref w = Ref::adopt(r.formula());
  r.skip_space();
  CHECK(*r.p == 0);
  return w.release();
}
