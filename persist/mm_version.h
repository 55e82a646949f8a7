// The version header of a model file: the major and minor version of the
// program that wrote it, and the format index they stand for, which the
// section readers consult.
#pragma once
#include <cstdint>
#include <string>

#include "core/byte_str.h"
#include "core/in_stream.h"

constexpr int32_t MM_MAJOR = 2, MM_MINOR = 5;
// The format this program writes; files with a lower index are converted.
constexpr int32_t MM_FORMAT_I = 3;
// Files of version 1.0: no parameters, and the word "Variables" in front.
constexpr int32_t MM_OLD_FORMAT_I = 1;

// The format index of a version pair, or 0 when no program of ours wrote it.
int32_t mm_format_i(int32_t major, int32_t minor);

void write_mm_version(Out_Stream& out);

struct Mm_Version {
  int32_t major, minor, format_i;
};
// Reads the header; a version that maps to no format raises Syntax_Err
// "You need to start ... version M.N or later to read this file.".
Mm_Version read_mm_version(In_Stream& in);

// "Converting from file version M.N", shown before an older file is read.
std::string mm_converting_text(const Mm_Version& v);
