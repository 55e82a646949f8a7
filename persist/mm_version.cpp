#include "persist/mm_version.h"

#include "core/bin_codec.h"

int32_t mm_format_i(int32_t major, int32_t minor) {
  if (major == 1 && minor == 0) return 1;
  if ((major == 1 && minor >= 1 && minor <= 5) || (major == 2 && minor == 0)) return 2;
  if (major == 2 && minor >= 1 && minor <= 5) return 3;
  return 0;
}

void write_mm_version(Out_Stream& out) {
  write_unsigned(out, MM_MAJOR);
  write_unsigned(out, MM_MINOR);
}

namespace {

// Versions are read as the signed values they were written from.
std::string version_text(int32_t major, int32_t minor) { return std::to_string(major) + "." + std::to_string(minor); }

}  // namespace

Mm_Version read_mm_version(In_Stream& in) {
  int32_t major = int32_t(read_unsigned(in));
  int32_t minor = int32_t(read_unsigned(in));
  int32_t format_i = mm_format_i(major, minor);
  if (format_i == 0)
    raise_syntax(in, "You need to start Corvandile (or Corvandile Veza) version " + version_text(major, minor) +
                         " or later to read this file.");
  return {major, minor, format_i};
}

std::string mm_converting_text(const Mm_Version& v) { return "Converting from file version " + version_text(v.major, v.minor); }
