// The Qt backend of the drawing device: QPainter for drawing (on a widget, an
// image, a PDF page or an SVG generator) and QFontMetricsF for measuring.
#pragma once
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <optional>
#include <vector>

#include "draw/device.h"

struct Qt_Device_State {
  QPen pen;
  QBrush brush;
  QColor text_colour;
  int32_t font_i;
  bool mask_q;
};

struct Qt_Device {
  QPainter* painter_mp;  // null for the screen, which only measures
  Device_Info info;
  Qt_Device_State state;
  QPointF cur;
  bool in_path_q;
  bool smooth_q = true;  // the painter's antialiasing, as last set
  QPainterPath path;
  std::vector<std::optional<QFont>> fonts;  // by font number; deleted ones empty
  std::vector<uint8_t> charsets;
  std::vector<Qt_Device_State> saved;
};

// A device drawing with a painter that is active on pd. Pixel centres sit on
// integer coordinates, as the platform's drawing calls count pixels.
Qt_Device qt_device_on(QPainter& painter, const QPaintDevice& pd);

// The measuring device standing for the screen.
Qt_Device qt_screen_device();

Device qt_device(Qt_Device& d);

// What font bytes stand for: bytes of a symbol-charset font are read in the
// Symbol coding, all others in the roman coding.
QString qt_font_string(const uint8_t* bytes, int32_t n_bytes, uint8_t charset);
