// Byte streams: the input stream with its readers and the output stream
// (the byte string is its in-memory kind) with its writers.
#pragma once
#include "core/byte_str.h"
#include "core/in_stream.h"
