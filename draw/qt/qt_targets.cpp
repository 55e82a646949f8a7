#include "draw/qt/qt_targets.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cerrno>

#include "core/err.h"
#include "draw/qt/qt_device.h"
#include "draw/screen.h"
#include "draw/units.h"

namespace {

// The platform's number for a write that failed without saying why.
constexpr int32_t WRITE_FAULT = 29;

void raise_write_failure() {
  if (errno != 0) raise_os_err_from_errno();
  throw OS_Err(WRITE_FAULT);
}

int32_t pixels(int32_t canvas_units, int32_t dpi) { return int32_t(ceil_div(int64_t(canvas_units) * dpi, UNITS_PER_INCH)); }

// Draws with an active painter on pd.
void draw_with(QPainter& painter, QPaintDevice& pd, int32_t dpi, const Draw_Fn& draw) {
  Qt_Device d = qt_device_on(painter, pd);
  Canvas c(qt_device(d), dpi, dpi);
  draw(c);
}

}  // namespace

void qt_install_screen() {
  // Lives as long as the program, as the screen canvas on it does.
  static Qt_Device* screen_mp = new Qt_Device(qt_screen_device());
  screen_device_install(qt_device(*screen_mp));
}

void qt_draw_on(QPaintDevice& pd, int32_t dpi, const Draw_Fn& draw) {
  QPainter painter(&pd);
  draw_with(painter, pd, dpi, draw);
}

QImage qt_draw_image(int32_t width_px, int32_t height_px, int32_t dpi, const Draw_Fn& draw) {
  QImage image(width_px, height_px, QImage::Format_RGB32);
  image.fill(Qt::white);
  int dots_per_metre = int(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dots_per_metre);
  image.setDotsPerMeterY(dots_per_metre);
  qt_draw_on(image, dpi, draw);
  return image;
}

void qt_save_png(const QImage& image, const std::string& path) {
  errno = 0;
  if (!image.save(QString::fromStdString(path), "PNG")) raise_write_failure();
}

void qt_write_pdf(const std::string& path, int32_t width, int32_t height, int32_t dpi, const Draw_Fn& draw) {
  QPdfWriter writer(QString::fromStdString(path));
  writer.setResolution(dpi);
  writer.setPageSize(QPageSize(QSizeF(width / double(UNITS_PER_POINT), height / double(UNITS_PER_POINT)),
                               QPageSize::Point, QString(), QPageSize::ExactMatch));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  errno = 0;
  QPainter painter;
  if (!painter.begin(&writer)) raise_write_failure();
  draw_with(painter, writer, dpi, draw);
  if (!painter.end()) raise_write_failure();
}

QByteArray qt_svg_picture(int32_t width, int32_t height, int32_t dpi, const Draw_Fn& draw) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(dpi);
  QSize size(pixels(width, dpi), pixels(height, dpi));
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  {
    QPainter painter(&svg);
    draw_with(painter, svg, dpi, draw);
  }
  return buffer.data();
}
