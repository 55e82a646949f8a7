// Integer points in binary streams: x and y as signed numbers.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "core/byte_str.h"
#include "core/in_stream.h"
#include "draw/geom.h"

void write_points(Out_Stream& out, std::span<const Point> pts);
// Appends n points, taken one by one so a count larger than the input ends
// in "Not enough input" instead of a huge block.
void read_points(In_Stream& in, uint32_t n, std::vector<Point>& to);
