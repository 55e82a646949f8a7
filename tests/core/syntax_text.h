// The message of the Syntax_Err a reader raises, checked to carry the stream.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "core/err.h"

template <class F>
std::string syntax_text(In_Stream& s, F f) {
  try {
    f();
  } catch (const Syntax_Err& e) {
    EXPECT_EQ(e.stream_mp, &s);
    return e.message();
  }
  return "<no error>";
}
