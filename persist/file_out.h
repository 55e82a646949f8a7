// The output file stream: an output byte stream whose overflow writes its
// 4096-byte buffer to the file, so every writer of the byte streams writes
// files unchanged. A text stream holds internal text in its buffer and
// writes it as UTF-8, never splitting a character between two writes.
#pragma once
#include <cstdint>

#include "core/byte_str.h"
#include "persist/file_flags.h"

struct File_Out final : Out_Stream {
  char buf[FILE_BUF_BYTES + 1];  // one more for the byte a stream keeps for a NUL
  Byte_Str name;                 // internal coding
  bool text_q;
  int fd;
  int64_t file_pos;  // where the buffer's first byte goes

  // Opens or creates the file and locks it against every other stream; the
  // old bytes are cut away unless FILE_AT_END.
  File_Out(const char* a_name, int32_t flags);
  // Releases the file without writing what is buffered: a stream not closed
  // was given up on an error path.
  ~File_Out() override;
  void overflow() override;
};

// Writes the buffered bytes (in text, up to the last whole character).
void flush(File_Out& s);
// Flushes and has the system put the file on its disk.
void sync(File_Out& s);
// Flushes, moves to pos and cuts the file there.
void seek(File_Out& s, int64_t pos);
// Flushes, syncs and closes; the stream is then done.
void close(File_Out& s);
