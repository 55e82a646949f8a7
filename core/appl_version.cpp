#include "core/appl_version.h"

std::string version_text(const Appl_Version& v) {
  std::string s = std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.release);
  if (v.beta != 0) s += ".beta" + std::to_string(v.beta);
  return s;
}
