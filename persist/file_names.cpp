#include "persist/file_names.h"

#include <sys/stat.h>

#include <cstring>

#include "core/numbered_name.h"
#include "persist/utf8.h"

int32_t file_check(const char* name) {
  struct stat st;
  if (::stat(utf8_name(name).first_p, &st) != 0) return FILE_MISSING;
  return st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH) ? FILE_EXISTS : FILE_READ_ONLY;
}

Byte_Str neighbour_name(const char* name, int32_t step) {
  const char* base_p = std::strrchr(name, '/');
  base_p = base_p ? base_p + 1 : name;
  const char* dot_p = std::strchr(base_p, '.');
  if (!dot_p) dot_p = name + text_length(name);
  // The stem has no "." of its own, so stepping it steps its end.
  Byte_Str stem(base_p, int32_t(dot_p - base_p));
  Byte_Str stepped = step_file_name(c_str(stem), step);
  Byte_Str res;
  if (n_elts(stepped) == 0) return res;
  append(res, name, int32_t(base_p - name));
  append(res, stepped);
  append(res, dot_p, text_length(dot_p));
  return res;
}
