// Numbers in text always use "." as the decimal point, whatever locale the
// platform layer sets for the process (Qt sets the user's on start-up): the
// formatted conversions run inside this scope, which switches the calling
// thread to the C locale and back.
#pragma once
#include <clocale>
#include <locale.h>

class C_Numeric_Scope {
 public:
  C_Numeric_Scope() : old_(uselocale(c_locale())) {}
  ~C_Numeric_Scope() { uselocale(old_); }
  C_Numeric_Scope(const C_Numeric_Scope&) = delete;
  C_Numeric_Scope& operator=(const C_Numeric_Scope&) = delete;

 private:
  static locale_t c_locale() {
    static const locale_t c_ = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c_;
  }
  locale_t old_;
};
