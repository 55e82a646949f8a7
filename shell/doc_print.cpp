#include "shell/doc_print.h"

#include <QPainter>
#include <QPrinter>
#include <string>

#include "core/dates.h"
#include "draw/Canvas_os.h"
#include "draw/font.h"
#include "draw/qt/qt_device.h"
#include "draw/screen.h"
#include "persist/mm_version.h"
#include "shell/GUI_sys_os.h"
#include "shell/doc_dialogs.h"
#include "shell/qt_text.h"
#include "shell/wind_view.h"

namespace {

// The platform's number for a print job that could not start.
constexpr int32_t PRINT_FAULT = 29;
constexpr int32_t HEADER_PAD = 384;

const Styl& header_style() {
  static Styl* style_p = new Styl(make_style(make_font(default_family(), 10), ROMAN_CODING));
  return *style_p;
}

int32_t header_h() { return header_style().ascent - header_style().descent + 2 * HEADER_PAD; }

std::string today_text() {
  Byte_Str s;
  put_date_text(s, today().date);
  return std::string(s.first_p, size_t(n_elts(s)));
}

// A one-row table of four cells across the page; a text too long for its
// cell (a long title) is cut at the cell's padding, not written over the next.
void draw_header(Page_Job& job) {
  const std::string cells[] = {job.title,
                               std::string(APPL_TITLE) + " " + std::to_string(MM_MAJOR) + "." + std::to_string(MM_MINOR),
                               today_text(), "page " + std::to_string(job.page_n)};
  int32_t w = job.sink.page_w, h = header_h();
  auto cell_x = [w](int32_t i) { return int32_t(int64_t(w) * i / 4); };
  job.sink.draw({0, w, -h, 0}, [&](Canvas& c) {
    canvas_set_colour(c, 0);
    canvas_polyline(c, std::vector<Point>{{0, 0}, {w - 1, 0}, {w - 1, -h}, {0, -h}}, true);
    for (int32_t i = 1; i < 4; ++i) {
      canvas_move_to(c, {cell_x(i), 0});
      canvas_line_to(c, {cell_x(i), -h});
    }
  });
  for (int32_t i = 0; i < 4; ++i)
    job.sink.draw({cell_x(i), cell_x(i + 1) - HEADER_PAD, -h, 0}, [&](Canvas& c) {
      canvas_move_to(c, {cell_x(i) + HEADER_PAD, -HEADER_PAD - header_style().ascent});
      canvas_draw_text(c, cells[i].data(), int32_t(cells[i].size()), 0, -1, header_style());
    });
}

bool start_page(Page_Job& job) {
  if (job.stopped_q || (job.page_n > 0 && !job.sink.new_page())) {
    job.stopped_q = true;
    return false;
  }
  ++job.page_n;
  draw_header(job);
  job.y = -(header_h() + PRINT_HEADER_GAP);
  return true;
}

}  // namespace

void print_content(Page_Job& job, const Rect& b, const std::function<void(Canvas&, Point)>& draw) {
  int32_t cw = b.x1 - b.x0, ch = b.y1 - b.y0, pw = job.sink.page_w;
  auto draw_at = [&](Point top_left, const Rect& clip) {
    job.sink.draw(clip, [&](Canvas& c) { draw(c, {top_left.x - b.x0, top_left.y - b.y1}); });
  };
  if (job.page_n > 0 && cw <= pw && ch + PRINT_GAP <= job.sink.page_h + job.y) {
    job.y -= PRINT_RULE_GAP;
    job.sink.draw({0, pw, job.y - 192, job.y + 192}, [&](Canvas& c) {
      canvas_set_colour(c, 0);
      canvas_move_to(c, {pw / 6, job.y});
      canvas_line_to(c, {pw * 5 / 6, job.y});
    });
    job.y -= PRINT_RULE_GAP;
    draw_at({(pw - cw) / 2, job.y}, {0, pw, -job.sink.page_h, 0});
    job.y -= ch;
    return;
  }
  if (!start_page(job)) return;
  int32_t x0 = cw < pw ? (pw - cw) / 2 : 0, top = job.y, avail_h = job.sink.page_h + top;
  // Tiles: the next page-width across while some of the content is left,
  // then the next page-height down.
  for (int32_t dy = 0; dy == 0 || ch - dy >= PRINT_MIN_TILE; dy += avail_h) {
    for (int32_t dx = 0; dx == 0 || cw - dx >= PRINT_MIN_TILE; dx += pw) {
      if ((dx > 0 || dy > 0) && !start_page(job)) return;
      draw_at({x0 - dx, top + dy}, {0, pw, -job.sink.page_h, top});
    }
    job.y = top - std::min(ch - dy, avail_h);
    if (avail_h <= 0) break;
  }
}

namespace {

void print_window(Page_Job& job, Wind_Con& w) {
  print_element(job, *w.con.kind_p, w.con.content_p);
  for (Wind_Con* s : std::vector<Wind_Con*>(wind_ps_))
    if (s && s->con.enclosing_mp == &w.con) print_window(job, *s);
}

}  // namespace

void print_element(Page_Job& job, const Gui_Kind& k, void* content) {
  print_content(job, k.bounds(k, content), [&](Canvas& c, Point origin) { k.draw(k, content, c, origin); });
}

void print_job(QPrinter& p, const std::string& title, const std::function<void(Page_Job&)>& print_all) {
  int32_t n_copies = std::max(1, p.copyCount());
  p.setCopyCount(1);  // the copies are printed here, each whole
  p.setDocName(QString::fromStdString(title));
  QPainter painter;
  if (!painter.begin(&p)) throw OS_Err(PRINT_FAULT);
  int32_t dpi = p.resolution();
  QRect area = p.pageLayout().paintRectPixels(dpi);
  {
    // The canvas gives the painter back its state before the painter ends.
    Qt_Device d = qt_device_on(painter, p);
    Canvas c(qt_device(d), dpi, dpi);
    Page_Sink sink = {int32_t(int64_t(area.width()) * UNITS_PER_INCH / dpi),
                      int32_t(int64_t(area.height()) * UNITS_PER_INCH / dpi), [&p] { return p.newPage(); },
                      [&](const Rect& clip, const std::function<void(Canvas&)>& draw) {
                        painter.setClipRect(QRectF(device_x(clip.x0, dpi), device_y(clip.y1, -dpi),
                                                   double(clip.x1 - clip.x0) * dpi / UNITS_PER_INCH,
                                                   double(clip.y1 - clip.y0) * dpi / UNITS_PER_INCH));
                        draw(c);
                        painter.setClipping(false);
                      }};
    std::string header_title = internal_string(title);
    Page_Job job = {sink, header_title.c_str()};
    for (int32_t i = 0; i < n_copies; ++i) print_all(job);
  }
  painter.end();
}

void doc_print(Wind_Con& w) {
  shell_tick();
  QPrinter* p = ask_printer();
  if (!p) return;
  print_job(*p, wind_title(w), [&](Page_Job& job) { print_window(job, w); });
}
