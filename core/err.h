// The error tree: every failure the program shows to a user is one of these.
// Each class has one virtual operation, its message; the display text adds the
// code in parentheses when there is one.
#pragma once
#include <cstdint>
#include <new>
#include <string>

struct In_Stream;

[[noreturn]] void raise_static(const char* static_text);

// The text of the assertion that must never be reached.
constexpr bool FALSE = false;

struct Err {
  int32_t code = 0;
  virtual ~Err() = default;
  virtual const char* message() const = 0;
};

// A message that lives for the whole run (literals and interned assertion texts).
struct Misc_Static_Err : Err {
  const char* text_p;
  explicit Misc_Static_Err(const char* static_text) : text_p(static_text) {}
  const char* message() const override { return text_p; }
};

// A platform failure; the code is the platform's error number in the
// Windows-style numbering the message table uses.
struct OS_Err : Err {
  explicit OS_Err(int32_t os_code) { code = os_code; }
  const char* message() const override;
};

struct Str_Err : Err {
  std::string text;
  explicit Str_Err(std::string t) : text(std::move(t)) {}
  const char* message() const override { return text.c_str(); }
};

// Bad input found while reading a stream; the stream tells the caller where.
struct Syntax_Err : Str_Err {
  In_Stream* stream_mp;
  Syntax_Err(std::string t, In_Stream* s) : Str_Err(std::move(t)), stream_mp(s) {}
};

struct Misc_Err : Str_Err {
  explicit Misc_Err(std::string t) : Str_Err(std::move(t)) {}
};

// Runs f where memory is taken outside the pool (standard containers in
// drawing and in Solve, the platform's own objects): a shortage of the C++
// heap raises the pool's "Out of memory", so every shortage reaches the user
// as the same error.
template <class F>
decltype(auto) heap_guarded(F&& f) {
  try {
    return f();
  } catch (const std::bad_alloc&) {
    raise_static("Out of memory");
  }
}

// The text shown for an error: its message, then " (code)" when code is not 0.
std::string err_display_text(const Err& e);

// Translates a C library errno into the platform error number of the message table.
int32_t os_code_from_errno(int errno_value);

// Raises OS_Err for the current errno.
[[noreturn]] void raise_os_err_from_errno();

[[noreturn]] void assertion_failed(const char* file, int line, const char* test_text);

// An internal inconsistency: raises Misc_Static_Err "Assertion failed - file F,
// line N:\rTEST". An orderly exception, not a process stop.
#define CHECK(cond) CHECK_AS(cond, #cond)
// The same stop showing TEXT: for a condition whose text in the alert is fixed
// but which this code spells differently.
#define CHECK_AS(cond, text) \
  do { if (!(cond)) assertion_failed(__FILE__, __LINE__, text); } while (0)

// Releases run in destructors, where raising would stop the program. A check
// that fails there keeps its assertion text (the first one, until raised) and
// the text is raised at the next safe point: the next pool request, or the
// error boundary's own call of raise_deferred.
void defer_assertion(const char* file, int line, const char* test_text) noexcept;
extern const char* deferred_text_mp_;
[[noreturn]] void raise_deferred_now();
inline void raise_deferred() {
  if (deferred_text_mp_) raise_deferred_now();
}
// True when cond holds, so the caller can skip what it cannot do safely.
#define CHECK_DEFERRED(cond) ((cond) || (defer_assertion(__FILE__, __LINE__, #cond), false))
