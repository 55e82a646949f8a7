// The program's version. Its major and minor numbers are also those that
// model files are written with.
#pragma once
#include <cstdint>
#include <string>

struct Appl_Version {
  int32_t major, minor, release;
  int32_t beta;  // 0: a release
};

constexpr Appl_Version APPL_VERSION = {2, 5, 1, 0};

// "2.5.1", and for a beta "2.5.1.beta3".
std::string version_text(const Appl_Version& v);
