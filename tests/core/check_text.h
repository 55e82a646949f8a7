// The text of the Misc_Static_Err a call raises; for an assertion without
// its line number, which changes with every edit of the file.
#pragma once
#include <string>

#include "core/err.h"

template <class F>
std::string check_text(F f) {
  try {
    f();
  } catch (const Misc_Static_Err& e) {
    std::string m = e.message();
    size_t line = m.find(", line ");
    size_t colon = m.find(":\r");
    if (line == std::string::npos || colon == std::string::npos) return m;
    return m.substr(0, line) + m.substr(colon);
  }
  return "<no error>";
}
