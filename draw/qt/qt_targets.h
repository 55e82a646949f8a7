// Where the program's pictures go: a widget's paint, a PNG image, a PDF
// document and an SVG picture, each drawn through a canvas that gets the
// target's resolution.
#pragma once
#include <QByteArray>
#include <QImage>
#include <QPaintDevice>
#include <cstdint>
#include <functional>
#include <string>

#include "draw/canvas.h"

typedef std::function<void(Canvas&)> Draw_Fn;

// Installs the Qt screen as the measuring device; needs the application
// object, and is done once at start-up.
void qt_install_screen();

// Draws on any paint device that no painter is active on (a widget inside
// its paint event, an image); dpi 0 takes the device's own.
void qt_draw_on(QPaintDevice& pd, int32_t dpi, const Draw_Fn& draw);

// A white image of the given size in pixels at dpi in both directions.
QImage qt_draw_image(int32_t width_px, int32_t height_px, int32_t dpi, const Draw_Fn& draw);

// Raises OS_Err when the file cannot be written.
void qt_save_png(const QImage& image, const std::string& path);

// A one-page PDF document of the given size in canvas units.
void qt_write_pdf(const std::string& path, int32_t width, int32_t height, int32_t dpi, const Draw_Fn& draw);

// An SVG picture of the given size in canvas units.
QByteArray qt_svg_picture(int32_t width, int32_t height, int32_t dpi, const Draw_Fn& draw);
