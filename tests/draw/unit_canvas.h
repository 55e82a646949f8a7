// A canvas on a fresh recording device, its set-up calls taken away. At the
// default 18432 dpi one device pixel is one canvas unit: recorded calls show
// the canvas points themselves (x stays, y becomes -(y + 1)).
#pragma once
#include <string>
#include <vector>

#include "draw/canvas.h"
#include "draw/rec_device.h"

typedef std::vector<std::string> Calls;

struct Rec_Canvas {
  Rec_Device rec;
  Canvas canvas;
  explicit Rec_Canvas(int32_t dpi = 18432, int32_t n_colours = 0)
      : rec(device(dpi, n_colours)), canvas(rec_device(rec), 0, 0) {
    rec_take_calls(rec);
  }
  static Rec_Device device(int32_t dpi, int32_t n_colours) {
    Rec_Device r = rec_device_new(dpi, 100000, 100000);
    r.info.n_colours = n_colours;
    return r;
  }
  Calls take() { return rec_take_calls(rec); }
};
typedef Rec_Canvas Unit_Canvas;
