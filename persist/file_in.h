// The input file stream: an input byte stream whose refill reads the next
// 4096 bytes of the file, so every reader of the byte streams reads files
// unchanged. A text stream converts what it reads from UTF-8 into the
// internal coding; a character cut by the end of one read is completed by
// the next.
#pragma once
#include <cstdint>
#include <memory>

#include "core/byte_str.h"
#include "core/in_stream.h"
#include "persist/file_flags.h"

struct File_In final : In_Stream {
  Byte_Str name;  // internal coding
  bool text_q;
  std::unique_ptr<char[]> store;  // the window's bytes
  int fd;
  int64_t file_pos;  // after the last byte read
  // Text: the start of a UTF-8 sequence that the last read cut off.
  char carry[4];
  int32_t n_carry;

  // Opens an existing file, shared with other readers; FILE_AT_END starts
  // at its end.
  File_In(const char* a_name, int32_t flags);
  ~File_In() override;
  void refill() override;
};

// Moves to pos, dropping what is buffered.
void seek(File_In& s, int64_t pos);
void close(File_In& s);
