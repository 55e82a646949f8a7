// Open flags of the file streams.
#pragma once
#include <cstdint>

// Converts between the internal coding and UTF-8 at the buffer boundary.
constexpr int32_t FILE_TEXT = 0x1;
// No activity line is produced for the file.
constexpr int32_t FILE_QUIET = 0x2;
// Output: continue after the existing bytes; input: start at the end.
constexpr int32_t FILE_AT_END = 0x4;

// Bytes a stream hands to or takes from the system at a time.
constexpr int32_t FILE_BUF_BYTES = 4096;

// Error number of a file another stream holds: the platform's sharing
// violation, which a lock conflict stands in for.
constexpr int32_t FILE_IN_USE_CODE = 32;
