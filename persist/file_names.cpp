#include "persist/file_names.h"

#include <sys/stat.h>

#include "core/code_point.h"
#include "core/numbered_name.h"
#include "persist/utf8.h"

int32_t file_check(const char* name) {
  struct stat st;
  if (::stat(utf8_name(name).first_p, &st) != 0) return FILE_MISSING;
  return st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH) ? FILE_EXISTS : FILE_READ_ONLY;
}

Byte_Str neighbour_name(const char* name, int32_t step) {
  const char* end_p = name + text_length(name);
  // Character by character: the last byte of a multi-byte character may be a
  // "/" or a "." byte.
  const char* base_p = name;
  const char* dot_p = nullptr;
  for (const char* p = name; p < end_p; skip_code_point(p, end_p)) {
    if (*p == '/') {
      base_p = p + 1;
      dot_p = nullptr;
    } else if (*p == '.' && !dot_p) {
      dot_p = p;
    }
  }
  if (!dot_p) dot_p = end_p;
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
