#include "core/err.h"

#include <cerrno>
#include <set>

const char* OS_Err::message() const {
  switch (code) {
    case 112: return "Disk is full";
    case 2: return "File not found (missing, not a file, or name wrong?)";
    case 5: return "Cannot access or write to file";
    case 32: return "File is in use";
    case 8:
    case 14: return "Out of memory";
    default: return "The Operating System reported an error";
  }
}

std::string err_display_text(const Err& e) {
  std::string s = e.message();
  if (e.code != 0) s += " (" + std::to_string(e.code) + ")";
  return s;
}

int32_t os_code_from_errno(int errno_value) {
  switch (errno_value) {
    case ENOENT:
    case ENOTDIR:
    case EISDIR: return 2;
    case EACCES:
    case EPERM:
    case EROFS: return 5;
    case EBUSY:
    case ETXTBSY: return 32;
    case ENOSPC: return 112;
    case ENOMEM: return 8;
    default: return 31;  // ERROR_GEN_FAILURE: no specific text
  }
}

void raise_os_err_from_errno() { throw OS_Err(os_code_from_errno(errno)); }

void raise_static(const char* static_text) { throw Misc_Static_Err(static_text); }

namespace {

// Assertion texts are interned so the exception can hold a pointer that stays
// valid for the whole run, like every other static message.
const char* assertion_text(const char* file, int line, const char* test_text) {
  static std::set<std::string> interned_;
  std::string name = file;
  size_t slash = name.find_last_of("/\\");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name.erase(dot);
  std::string text = "Assertion failed - file " + name + ", line " + std::to_string(line) + ":\r" + test_text;
  return interned_.insert(std::move(text)).first->c_str();
}

}  // namespace

void assertion_failed(const char* file, int line, const char* test_text) {
  throw Misc_Static_Err(assertion_text(file, line, test_text));
}

const char* deferred_text_mp_ = nullptr;

void defer_assertion(const char* file, int line, const char* test_text) noexcept {
  if (deferred_text_mp_) return;
  try {
    deferred_text_mp_ = assertion_text(file, line, test_text);
  } catch (...) {
    // No heap left for the text: the bare heading still says what happened.
    deferred_text_mp_ = "Assertion failed";
  }
}

void raise_deferred_now() {
  const char* text = deferred_text_mp_;
  deferred_text_mp_ = nullptr;
  raise_static(text);
}
