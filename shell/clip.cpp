#include "shell/clip.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "core/code_point.h"
#include "draw/qt/qt_targets.h"
#include "draw/screen.h"
#include "draw/units.h"
#include "shell/keys.h"
#include "shell/qt_text.h"
#include "shell/wind_view.h"

namespace {

constexpr char CR = '\r';

bool takes_whole_q(Wind_Con& w, const Byte_Str& text) {
  if (n_elts(text) == 0) return false;
  Text_Partial_Cmd c{Byte_Str(text)};
  return con_query(w.con, c) > 0 && c.n_consumed == n_elts(c.text);
}

}  // namespace

Byte_Str internal_of_clip_text(const char* utf8, int32_t n) {
  QString s = QString::fromUtf8(utf8, n);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
  return internal_of(s);
}

Byte_Str paste_form(Wind_Con& w, const Byte_Str& text) {
  if (takes_whole_q(w, text)) return text;
  int32_t n = n_elts(text);
  // Characters, not bytes: the last byte of a longer character may be a CR's.
  if (find_code_point(text.first_p, n, CR) <= 0) return Byte_Str();
  bool final_cr_q = text[n - 1] == CR && uint8_t(text[n - 2]) < 0x80;
  Byte_Str retry(&CR, 1);
  append(retry, text.first_p, final_cr_q ? n - 1 : n);
  return takes_whole_q(w, retry) ? retry : Byte_Str();
}

void paste(Wind_Con& w) {
  QByteArray utf8 = QGuiApplication::clipboard()->text().toUtf8();
  Byte_Str form = paste_form(w, internal_of_clip_text(utf8.data(), int32_t(utf8.size())));
  if (n_elts(form) == 0) return;
  Key_Result r = shell_type_text(w, form);
  shell_take_result(std::move(r.res_cmd_mp));
}

void copy_picture(Wind_Con& w) {
  Rect b = con_sel_bounds(w.con);
  int32_t width = b.x1 - b.x0, height = b.y1 - b.y0;
  int32_t w_mm100 = hundredths_mm(width), h_mm100 = hundredths_mm(height);
  if (w_mm100 <= 0 || h_mm100 <= 0) return;
  const Gui_Kind& k = *w.con.kind_p;
  // The bounds' top left corner (from the client origin) at the picture's origin.
  Point at = {w.con.origin.x - b.x0, w.con.origin.y - b.y1};
  Draw_Fn draw = [&](Canvas& c) { k.draw(k, w.con.content_p, c, at); };
  // At 2540 dots an inch an SVG pixel is a hundredth of a millimetre.
  QByteArray svg = qt_svg_picture(width, height, 2540, draw);
  int32_t dpi = screen_canvas().dpi_x;
  QImage png = qt_draw_image(int32_t((int64_t(width) * dpi + UNITS_PER_INCH / 2) / UNITS_PER_INCH),
                             int32_t((int64_t(height) * dpi + UNITS_PER_INCH / 2) / UNITS_PER_INCH), dpi, draw);
  auto* data = new QMimeData();
  data->setData("image/svg+xml", svg);
  data->setImageData(png);
  QGuiApplication::clipboard()->setMimeData(data);
}
