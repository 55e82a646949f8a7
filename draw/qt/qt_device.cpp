#include "draw/qt/qt_device.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <cmath>

#include "core/err.h"
#include "core/font_tables.h"

namespace {

Qt_Device& dev(void* d) { return *static_cast<Qt_Device*>(d); }

QColor qt_colour(uint32_t c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

QPointF qt_point(int32_t x, int32_t y) { return QPointF(x, y); }

// The area of a device rectangle, right and bottom outside, in the painter's
// coordinates where pixel (x, y) spans x - 0.5 .. x + 0.5.
QRectF area_of(Device_Rect r) { return QRectF(r.left - 0.5, r.top - 0.5, r.right - r.left, r.bottom - r.top); }

// The line along which a pen of width w draws the outline of r inside it.
QRectF outline_of(Device_Rect r, qreal w) { return area_of(r).adjusted(w / 2, w / 2, -w / 2, -w / 2); }

const QFont& selected_font(Qt_Device& d) {
  CHECK(d.state.font_i >= 0 && d.state.font_i < int32_t(d.fonts.size()) && d.fonts[size_t(d.state.font_i)]);
  return *d.fonts[size_t(d.state.font_i)];
}

uint8_t selected_charset(const Qt_Device& d) { return d.charsets[size_t(d.state.font_i)]; }

Device_Info info(void* d) { return dev(d).info; }

void apply_mask(Qt_Device& d) {
  if (d.painter_mp)
    d.painter_mp->setCompositionMode(d.state.mask_q ? QPainter::RasterOp_SourceAndDestination
                                                    : QPainter::CompositionMode_SourceOver);
}

void save(void* d) { dev(d).saved.push_back(dev(d).state); }

void restore(void* d) {
  Qt_Device& q = dev(d);
  if (q.saved.empty()) return;
  q.state = q.saved.back();
  q.saved.pop_back();
  apply_mask(q);
}

int32_t set_pen(void* d, int32_t w, uint32_t c) {
  int32_t got = w < 1 ? 1 : w;
  // Thin lines cover whole pixels from their start up to their end (see
  // line_to); wide ones are rounded at their ends and corners.
  bool thin_q = got == 1;
  dev(d).state.pen = QPen(qt_colour(c), got, Qt::SolidLine, thin_q ? Qt::FlatCap : Qt::RoundCap,
                          thin_q ? Qt::MiterJoin : Qt::RoundJoin);
  return got;
}
void set_brush(void* d, uint32_t c) { dev(d).state.brush = QBrush(qt_colour(c & 0xFFFFFF)); }
void set_null_brush(void* d) { dev(d).state.brush = Qt::NoBrush; }
void set_text_colour(void* d, uint32_t c) { dev(d).state.text_colour = qt_colour(c); }
void set_mask_mode(void* d, bool m) {
  dev(d).state.mask_q = m;
  apply_mask(dev(d));
}

void move_to(void* d, int32_t x, int32_t y) {
  Qt_Device& q = dev(d);
  q.cur = qt_point(x, y);
  if (q.in_path_q) q.path.moveTo(q.cur);
}

// Smoothing is switched only when it changes: each switch costs the painter
// a state change, and runs of dots would switch it twice per dot.
void smoothing(Qt_Device& q, bool on_q) {
  if (q.smooth_q == on_q) return;
  q.painter_mp->setRenderHint(QPainter::Antialiasing, on_q);
  q.smooth_q = on_q;
}

// Draws with the current pen and the given brush, smoothed unless told not.
template <class Fn>
void paint(Qt_Device& q, const QBrush& brush, Fn fn, bool smooth_q = true) {
  if (!q.painter_mp) return;
  smoothing(q, smooth_q);
  q.painter_mp->setPen(q.state.pen);
  q.painter_mp->setBrush(brush);
  fn(*q.painter_mp);
}

// A thin line covers its start pixel and stops before its end pixel, as the
// platform's lines do: drawn half a pixel back along itself with flat ends.
void line_to(void* d, int32_t x, int32_t y) {
  Qt_Device& q = dev(d);
  QPointF to = qt_point(x, y);
  if (q.in_path_q) {
    q.path.lineTo(to);
  } else if (to != q.cur) {
    QPointF back(0, 0);
    if (q.state.pen.width() == 1) {
      QPointF v = to - q.cur;
      back = v / (2 * std::sqrt(QPointF::dotProduct(v, v)));
    }
    paint(q, Qt::NoBrush, [&](QPainter& p) { p.drawLine(q.cur - back, to - back); });
  }
  q.cur = to;
}

void set_pixel(void* d, int32_t x, int32_t y, uint32_t c) {
  Qt_Device& q = dev(d);
  if (q.painter_mp) q.painter_mp->fillRect(area_of({x, y, x + 1, y + 1}), qt_colour(c));
}

void poly_bezier_to(void* d, const Point* pts, int32_t n) {
  Qt_Device& q = dev(d);
  QPainterPath stroke(q.cur);
  QPainterPath& path = q.in_path_q ? q.path : stroke;
  for (int32_t i = 0; i + 2 < n; i += 3)
    path.cubicTo(qt_point(pts[i].x, pts[i].y), qt_point(pts[i + 1].x, pts[i + 1].y),
                 qt_point(pts[i + 2].x, pts[i + 2].y));
  if (n >= 3) q.cur = qt_point(pts[n - 1].x, pts[n - 1].y);
  if (!q.in_path_q) paint(q, Qt::NoBrush, [&](QPainter& p) { p.drawPath(stroke); });
}

void begin_path(void* d) {
  dev(d).in_path_q = true;
  dev(d).path = QPainterPath();
}
void end_path(void* d) { dev(d).in_path_q = false; }
void stroke_and_fill_path(void* d) {
  Qt_Device& q = dev(d);
  q.path.closeSubpath();
  paint(q, q.state.brush, [&](QPainter& p) { p.drawPath(q.path); });
  q.path = QPainterPath();
}

void polygon(void* d, const Point* pts, int32_t n) {
  QPolygonF poly;
  for (int32_t i = 0; i < n; ++i) poly << qt_point(pts[i].x, pts[i].y);
  Qt_Device& q = dev(d);
  paint(q, q.state.brush, [&](QPainter& p) { p.drawPolygon(poly); });
}

// Edges on whole pixels need no smoothing, and without it corners stay whole.
void rectangle(void* d, Device_Rect r) {
  Qt_Device& q = dev(d);
  paint(q, q.state.brush, [&](QPainter& p) { p.drawRect(outline_of(r, q.state.pen.widthF())); }, false);
}

void round_rect(void* d, Device_Rect r, int32_t w, int32_t h) {
  Qt_Device& q = dev(d);
  paint(q, q.state.brush,
        [&](QPainter& p) { p.drawRoundedRect(outline_of(r, q.state.pen.widthF()), w / 2.0, h / 2.0); });
}

void invert_rect(void* d, Device_Rect r) {
  Qt_Device& q = dev(d);
  if (!q.painter_mp) return;
  q.painter_mp->save();
  q.painter_mp->setCompositionMode(QPainter::RasterOp_NotDestination);
  q.painter_mp->fillRect(area_of(r), Qt::black);
  q.painter_mp->restore();
}

int32_t create_font(void* d, const Log_Font& lf) {
  QFont f(QString::fromStdString(lf.face));
  // A positive height is the cell height; the character height is about 5/6 of it.
  int32_t em = lf.height < 0 ? -lf.height : lf.height * 5 / 6;
  f.setPixelSize(em < 1 ? 1 : em);
  f.setWeight(lf.weight >= FW_BOLD ? QFont::Bold : QFont::Normal);
  f.setItalic(lf.italic_q);
  f.setUnderline(lf.underline_q);
  // Widths are summed per character, so the device must not kern either.
  f.setKerning(false);
  Qt_Device& q = dev(d);
  q.fonts.emplace_back(f);
  q.charsets.push_back(lf.charset);
  return int32_t(q.fonts.size()) - 1;
}
void select_font(void* d, int32_t font_i) { dev(d).state.font_i = font_i; }
void delete_font(void* d, int32_t font_i) { dev(d).fonts[size_t(font_i)].reset(); }

void text_out(void* d, const uint8_t* bytes, int32_t n) {
  Qt_Device& q = dev(d);
  QString s = qt_font_string(bytes, n, selected_charset(q));
  const QFont& f = selected_font(q);
  if (q.painter_mp) {
    smoothing(q, true);
    q.painter_mp->setFont(f);
    q.painter_mp->setPen(q.state.text_colour);
    q.painter_mp->drawText(q.cur, s);
  }
  q.cur.rx() += QFontMetricsF(f).horizontalAdvance(s);
}

Text_Metrics metrics_of(const QFont& f, int32_t em) {
  QFontMetricsF fm(f);
  int32_t ascent = int32_t(std::ceil(fm.ascent())), descent = int32_t(std::ceil(fm.descent()));
  int32_t height = ascent + descent;
  return {height, ascent, descent, height > em ? height - em : 0, int32_t(std::lround(fm.leading()))};
}

Text_Metrics text_metrics(void* d) {
  const QFont& f = selected_font(dev(d));
  return metrics_of(f, f.pixelSize());
}

int32_t text_extent(void* d, const uint8_t* bytes, int32_t n) {
  Qt_Device& q = dev(d);
  QString s = qt_font_string(bytes, n, selected_charset(q));
  return int32_t(std::lround(QFontMetricsF(selected_font(q)).horizontalAdvance(s)));
}

// Qt lists a family that several foundries make as "Name [foundry]".
QString without_foundry(QString name) {
  int at = name.indexOf(QLatin1String(" ["));
  return at < 0 ? name : name.left(at);
}

void enum_families(void*, std::vector<Font_Family>& out) {
  out.clear();
  for (const QString& name : QFontDatabase::families()) {
    bool symbol_q = QFontDatabase::writingSystems(name).contains(QFontDatabase::Symbol);
    out.push_back({without_foundry(name).toStdString(), symbol_q ? SYMBOL_CHARSET : ANSI_CHARSET});
  }
}

void system_font(void* d, Font_Family& family, Text_Metrics& tm) {
  QFont f = QGuiApplication::font();
  family = {f.family().toStdString(), ANSI_CHARSET};
  int32_t dpi_y = dev(d).info.dpi_y;
  int32_t em = f.pixelSize() > 0 ? f.pixelSize() : int32_t(std::lround(f.pointSizeF() * dpi_y / 72));
  f.setPixelSize(em);
  tm = metrics_of(f, em);
}

const Device_Ops QT_DEVICE_OPS = {
    info, save, restore, set_pen, set_brush, set_null_brush, set_text_colour, set_mask_mode, move_to,
    line_to, set_pixel, poly_bezier_to, begin_path, end_path, stroke_and_fill_path, polygon, rectangle,
    round_rect, invert_rect, create_font, select_font, delete_font, text_out, text_metrics, text_extent,
    enum_families, system_font,
};

Qt_Device device_with(QPainter* painter_mp, Device_Info info) {
  Qt_Device d;
  d.painter_mp = painter_mp;
  d.info = info;
  d.state = {QPen(Qt::black), QBrush(Qt::white), QColor(Qt::black), -1, false};
  d.cur = QPointF(0, 0);
  d.in_path_q = false;
  return d;
}

}  // namespace

Qt_Device qt_device_on(QPainter& painter, const QPaintDevice& pd) {
  // The colour depth rather than the colour count, which not every device knows.
  int depth = pd.depth();
  int32_t n_colours = depth >= 1 && depth <= 8 ? 1 << depth : 0;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.translate(0.5, 0.5);
  Qt_Device d = device_with(&painter, {pd.width(), pd.height(), pd.logicalDpiX(), pd.logicalDpiY(), n_colours});
  d.smooth_q = true;
  return d;
}

Qt_Device qt_screen_device() {
  QScreen* s_mp = QGuiApplication::primaryScreen();
  int dpi_x = s_mp ? int(std::lround(s_mp->logicalDotsPerInchX())) : 96;
  int dpi_y = s_mp ? int(std::lround(s_mp->logicalDotsPerInchY())) : 96;
  QSize size = s_mp ? s_mp->size() : QSize(1024, 768);
  return device_with(nullptr, {size.width(), size.height(), dpi_x, dpi_y, 0});
}

Device qt_device(Qt_Device& d) { return {&QT_DEVICE_OPS, &d}; }

QString qt_font_string(const uint8_t* bytes, int32_t n_bytes, uint8_t charset) {
  const uint16_t* code_points = font_code_points(charset == SYMBOL_CHARSET ? SYMBOL_CODING : ROMAN_CODING);
  QString s;
  s.reserve(n_bytes);
  for (int32_t i = 0; i < n_bytes; ++i) s += QChar(code_points[bytes[i]]);
  return s;
}
