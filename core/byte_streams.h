// Byte streams: the input stream with its readers and the output stream
// (the byte string is its in-memory kind) with its writers, for binary
// codings and for numbers written for people.
#pragma once
#include "core/bin_codec.h"
#include "core/byte_str.h"
#include "core/in_stream.h"
#include "core/num_format.h"
#include "core/text_read.h"
