// The recording substitute for a device: every drawing call is kept as one
// line of text in device units, and fonts have fixed, simple metrics, so
// drawing and layout can be checked exactly without a platform.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "draw/device.h"

struct Rec_Device {
  Device_Info info;
  std::vector<std::string> calls;
  std::vector<Log_Font> fonts;  // made so far; a deleted one keeps its place
  int32_t font_i;
  std::vector<Font_Family> faces;  // what enum_families reports
  Font_Family system_face;
  int32_t system_em_px;  // the system font's character height
};

// A true-colour device of the given size at dpi in both directions, with a
// few families, styled faces and duplicates among them.
Rec_Device rec_device_new(int32_t dpi, int32_t width_px, int32_t height_px);

Device rec_device(Rec_Device& r);

// The fixed metrics, in pixels, for a font with character height em.
// Widths are in tenths of a pixel; italics overhang by em / 4.
int32_t rec_char_width_tenths(uint8_t b, int32_t em, uint8_t charset, bool bold_q);
Text_Metrics rec_text_metrics(int32_t em);

// The calls recorded since the last take, and forget them.
std::vector<std::string> rec_take_calls(Rec_Device& r);
