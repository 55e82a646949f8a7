// The message of the error a call raises, for tests that assert exact texts.
#pragma once
#include <string>

#include "core/err.h"

// The message of the E (an Err class) that f raises, or "<no error>". An error
// of another class propagates, so a test also fails when the class is wrong.
template <class E = Err, class F>
std::string message_of(F f) {
  try {
    f();
  } catch (const E& e) {
    return e.message();
  }
  return "<no error>";
}

// The text of an assertion f raises, without its line number, which changes
// with every edit of the file.
template <class F>
std::string check_text(F f) {
  std::string m = message_of<Misc_Static_Err>(f);
  size_t line = m.find(", line ");
  size_t colon = m.find(":\r");
  if (line == std::string::npos || colon == std::string::npos) return m;
  return m.substr(0, line) + m.substr(colon);
}
