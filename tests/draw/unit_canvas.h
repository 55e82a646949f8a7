// A recording canvas at 18432 dpi, where one device pixel is one canvas unit:
// recorded calls show the canvas points themselves (x stays, y becomes -(y + 1)).
#pragma once
#include <string>
#include <vector>

#include "draw/rec_device.h"

typedef std::vector<std::string> Calls;

struct Unit_Canvas {
  Rec_Device rec = rec_device_new(18432, 100000, 100000);
  Canvas canvas{rec_device(rec), 0, 0};
  Unit_Canvas() { rec_take_calls(rec); }
  Calls take() { return rec_take_calls(rec); }
};
