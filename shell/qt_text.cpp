#include "shell/qt_text.h"

#include <string>

#include "core/code_point.h"

Byte_Str internal_of(const QString& s) {
  std::string out;
  for (char32_t cp : s.toUcs4()) {
    if (cp == 0) continue;  // it would end the internal text there
    char buf[8] = {};
    out.append(buf, size_t(put_code_point(buf, cp == '\n' ? '\r' : cp) - buf));
  }
  return Byte_Str(out.data(), int32_t(out.size()));
}

Byte_Str internal_of_utf8(const std::string& utf8) { return internal_of(QString::fromStdString(utf8)); }

std::string internal_string(const std::string& utf8) {
  Byte_Str t = internal_of_utf8(utf8);
  return std::string(t.first_p, size_t(n_elts(t)));
}

QString qstring_of(const Byte_Str& t) {
  std::u32string cps;
  for (const char* p = t.first_p; p < t.write_p;) {
    uint32_t cp = take_code_point(p, t.write_p);
    cps += char32_t(cp == '\r' ? '\n' : cp);
  }
  return QString::fromUcs4(cps.data(), qsizetype(cps.size()));
}
