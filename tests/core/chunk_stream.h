// An input stream that hands out its bytes n_chunk at a time from a heap
// copy of exactly their size, so a reader that assumes more buffered bytes
// than there are, or reads past the end, is caught by the address sanitizer.
#pragma once
#include <cstring>
#include <memory>
#include <string>

#include "core/in_stream.h"

struct Chunk_Stream final : In_Stream {
  std::unique_ptr<char[]> bytes;
  size_t n_bytes, n_given = 0, n_chunk;

  explicit Chunk_Stream(const std::string& text, size_t chunk = 1)
      : bytes(new char[text.size() + 1]), n_bytes(text.size()), n_chunk(chunk) {
    std::memcpy(bytes.get(), text.data(), text.size());
    pos_p = end_p = bytes.get();
  }
  void refill() override {
    size_t n = n_bytes - n_given < n_chunk ? n_bytes - n_given : n_chunk;
    pos_p = bytes.get() + n_given;
    n_given += n;
    end_p = pos_p + n;
  }
  size_t n_read() const { return size_t(pos_p - bytes.get()); }
};
