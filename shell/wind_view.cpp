#include "shell/wind_view.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

#include "draw/Canvas_os.h"
#include "draw/screen.h"
#include "draw/qt/qt_targets.h"
#include "shell/GUI_sys_os.h"
#include "shell/keys.h"
#include "shell/menus.h"
#include "shell/wait_cursor.h"

namespace {

constexpr int32_t INVAL_WIDEN = 384;

int32_t mods_of(Qt::KeyboardModifiers qm) {
  return (qm & Qt::ControlModifier ? CTRL_MOD : 0) | (qm & Qt::ShiftModifier ? SHIFT_MOD : 0) |
         (qm & Qt::AltModifier ? ALT_MOD : 0);
}

// The accelerator table's key for a Qt key: letters, and the named keys.
int32_t accel_key(int32_t qt_key) {
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return 'A' + (qt_key - Qt::Key_A);
  switch (qt_key) {
    case Qt::Key_Backspace: return ACCEL_BACKSPACE;
    case Qt::Key_Delete: return ACCEL_DELETE;
    case Qt::Key_Insert: return ACCEL_INSERT;
  }
  return 0;
}

// The keys of the key table; -1 for the rest, which come as characters.
int32_t shell_key_of(int32_t qt_key) {
  switch (qt_key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return KEY_ENTER;
    case Qt::Key_Left: return KEY_LEFT;
    case Qt::Key_Right: return KEY_RIGHT;
    case Qt::Key_Up: return KEY_UP;
    case Qt::Key_Down: return KEY_DOWN;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return KEY_TAB;
    case Qt::Key_Escape: return KEY_ESCAPE;
    case Qt::Key_Backspace: return KEY_BACKSPACE;
    case Qt::Key_Delete:
    case Qt::Key_Clear: return KEY_DELETE;
    case Qt::Key_Home: return KEY_HOME;
    case Qt::Key_End: return KEY_END;
    case Qt::Key_PageUp: return KEY_PAGE_UP;
    case Qt::Key_PageDown: return KEY_PAGE_DOWN;
  }
  return -1;
}

Qt::CursorShape cursor_shape(int32_t kind) {
  switch (kind) {
    case IBEAM_CURSOR: return Qt::IBeamCursor;
    case CROSS_CURSOR: return Qt::CrossCursor;
    case WAIT_CURSOR: return Qt::WaitCursor;
  }
  return Qt::ArrowCursor;
}

// The bars' actions as scroll codes.
int32_t scroll_code_of(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub: return SB_LINE_UP;
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINE_DOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGE_UP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGE_DOWN;
    case QAbstractSlider::SliderMove: return SB_THUMB_TRACK;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
  }
  return -1;
}

// A region of the window's pixels in the device pixels of its screen.
Region region_scaled(const Region& r, double dpr) {
  if (dpr == 1) return r;
  Region out;
  auto at = [dpr](int32_t v) { return int32_t(std::lround(v * dpr)); };
  for (const Device_Rect& d : r.rects)
    out = region_combine(out, region_from_rect({at(d.left), at(d.top), at(d.right), at(d.bottom)}), RGN_OR);
  return out;
}

Rect content_bounds(const Wind_Con& w) { return w.con.kind_p->bounds(*w.con.kind_p, w.con.content_p); }

}  // namespace

Wind_View::Wind_View(Wind_Con& w, bool bars_q) : wc_p(&w) {
  setFocusPolicy(Qt::StrongFocus);
  Qt::ScrollBarPolicy policy = bars_q ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
  setHorizontalScrollBarPolicy(policy);
  setVerticalScrollBarPolicy(policy);
  setFrameShape(QFrame::NoFrame);
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
          [this](int a) { do_scroll(false, scroll_code_of(a), horizontalScrollBar()->sliderPosition()); });
  connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
          [this](int a) { do_scroll(true, scroll_code_of(a), verticalScrollBar()->sliderPosition()); });
}

int32_t Wind_View::dpi() const { return screen_canvas().dpi_x; }
int32_t Wind_View::client_w() const { return viewport()->width() * unit(); }
int32_t Wind_View::client_h() const { return viewport()->height() * unit(); }

void Wind_View::paint(const QRect& r) {
  Wind_Con& w = *wc_p;
  Point o = {w.con.origin.x - r.left() * unit(), w.con.origin.y + r.top() * unit()};
  bool caret_q = w.caret_state != CARET_HIDDEN && !region_empty_q(w.caret_rgn);
  // On a screen of several device pixels to the window's pixel the image
  // has them all, so that text and lines are drawn sharp, not enlarged.
  double dpr = viewport()->devicePixelRatioF();
  QImage img = qt_draw_image(int32_t(std::ceil(r.width() * dpr)), int32_t(std::ceil(r.height() * dpr)),
                             int32_t(std::lround(dpi() * dpr)), [&](Canvas& c) {
                               w.con.kind_p->draw(*w.con.kind_p, w.con.content_p, c, o);
                               if (!caret_q) return;
                               Region part = w.caret_rgn;
                               region_offset(part, -r.left(), -r.top());
                               canvas_draw_region(c, region_scaled(part, dpr), 0);
                             });
  img.setDevicePixelRatio(dpr);
  QPainter p(viewport());
  p.drawImage(r.topLeft(), img);
  repaint_pending_q = false;
}

bool Wind_View::viewportEvent(QEvent* e) {
  if (!wc_p) return QAbstractScrollArea::viewportEvent(e);
  try {
    switch (e->type()) {
      case QEvent::Paint: paint(static_cast<QPaintEvent*>(e)->rect()); return true;
      case QEvent::Resize: wc_p->needs_update_q = true; break;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() != Qt::LeftButton) return true;
        shell_note_key();
        if (front_wc_p() != wc_p) {
          if (front_wc_p() && front_wc_p()->modal_q) return true;
          wind_activate(*wc_p);
        }
        int32_t mods = mods_of(m->modifiers()) & (CTRL_MOD | SHIFT_MOD);
        drag_mods = mods + (e->type() == QEvent::MouseButtonDblClick ? DOUBLE_MOD : 0);
        mouse(m->position().toPoint(), MOUSE_PRESS, drag_mods);
        return true;
      }
      case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (drag_mods >= 0)
          mouse(m->position().toPoint(), MOUSE_DRAG, drag_mods);
        else
          hover(m->position().toPoint());
        return true;
      }
      case QEvent::MouseButtonRelease: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (drag_mods < 0 || m->button() != Qt::LeftButton) return true;
        int32_t mods = drag_mods;
        drag_mods = -1;
        mouse(m->position().toPoint(), MOUSE_RELEASE, mods);
        return true;
      }
      default: break;
    }
  } catch (const Err& err) {
    report_error(err);
    return true;
  }
  return QAbstractScrollArea::viewportEvent(e);
}

void Wind_View::mouse(QPoint px, int32_t phase, int32_t mods) {
  Wind_Con& w = *wc_p;
  Point p = {canvas_from_pixel(px.x(), dpi()) - w.con.origin.x, canvas_from_pixel(px.y(), -dpi()) - w.con.origin.y};
  Mouse_Cmd c(p, mods, phase);
  viewport()->setCursor(cursor_shape(con_query(w.con, c)));
  std::unique_ptr<Cmd> res_mp = con_perform(w.con, c, false);
  // A release that leaves a command for the loop may start a long one.
  if (phase == MOUSE_RELEASE && res_mp) wait_cursor_show();
  shell_take_result(std::move(res_mp));
  wind_update(w);
  if (phase != MOUSE_DRAG || horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) return;
  if (px.x() < 0) do_scroll(false, SB_LINE_UP, 0);
  if (px.x() >= viewport()->width()) do_scroll(false, SB_LINE_DOWN, 0);
  if (px.y() < 0) do_scroll(true, SB_LINE_UP, 0);
  if (px.y() >= viewport()->height()) do_scroll(true, SB_LINE_DOWN, 0);
}

void Wind_View::hover(QPoint px) {
  Wind_Con& w = *wc_p;
  Point p = {canvas_from_pixel(px.x(), dpi()) - w.con.origin.x, canvas_from_pixel(px.y(), -dpi()) - w.con.origin.y};
  Rect b = content_bounds(w);
  int32_t kind = ARROW_CURSOR;
  if (p.x >= b.x0 && p.x < b.x1 && p.y >= b.y0 && p.y < b.y1) {
    Mouse_Cmd c(p, mods_of(QGuiApplication::keyboardModifiers()) & (CTRL_MOD | SHIFT_MOD), MOUSE_PRESS);
    kind = con_query(w.con, c);
  }
  viewport()->setCursor(cursor_shape(kind));
}

void Wind_View::keyPressEvent(QKeyEvent* e) {
  if (!wc_p) return;
  try {
    key(e->key(), e->modifiers(), e->text(), e->isAutoRepeat());
  } catch (const Err& err) {
    report_error(err);
  }
}

void Wind_View::key(int32_t qt_key, Qt::KeyboardModifiers qm, const QString& text, bool repeat_q) {
  Wind_Con& w = *wc_p;
  int32_t mods = mods_of(qm);
  if (repeat_q) wind_update(w);
  shell_note_key();
  if (int32_t id = accel_id(accel_key(qt_key), mods)) {
    shell_menu_choose(id);
    return;
  }
  bool greek_q = shell_greek_q();
  Key_Result r;
  int32_t k = shell_key_of(qt_key);
  if (qt_key == Qt::Key_G && mods == ALT_MOD) {
    r = shell_type_char(w, GREEK_PREFIX_CHAR, greek_q);
  } else if (k >= 0) {
    // Alt with Tab or Escape belongs to the window manager, as Alt+Space does.
    if ((mods & ALT_MOD) && (k == KEY_TAB || k == KEY_ESCAPE)) return;
    if (qt_key == Qt::Key_Backtab) mods |= SHIFT_MOD;
    r = shell_key(w, k, mods);
  } else if (!(mods & (CTRL_MOD | ALT_MOD)) || (qm & Qt::GroupSwitchModifier)) {
    for (char32_t cp : text.toUcs4()) {
      if (cp < 32 || cp == 127) continue;
      r = shell_type_char(w, cp, greek_q);
      if (r.beep_q) break;
    }
  }
  shell_set_greek(greek_q);
  if (r.beep_q) shell_beep();
  shell_take_result(std::move(r.res_cmd_mp));
  Rect b = content_bounds(w);
  switch (r.scroll) {
    case SCROLL_HOME: scroll_to({0, 0}); break;
    case SCROLL_END:
      scroll_to({offset_of_fraction(extent_x(b), client_w(), 1), offset_of_fraction(extent_y(b), client_h(), 1)});
      break;
    case SCROLL_PAGE_UP:
    case SCROLL_PAGE_DOWN:
      wind_update(w);
      do_scroll(true, r.scroll == SCROLL_PAGE_UP ? SB_PAGE_UP : SB_PAGE_DOWN, 0);
      break;
  }
}

void Wind_View::focusInEvent(QFocusEvent* e) {
  if (wc_p) wc_p->needs_update_q = true;
  QAbstractScrollArea::focusInEvent(e);
}

void Wind_View::focusOutEvent(QFocusEvent* e) {
  if (wc_p) wc_p->needs_update_q = true;
  QAbstractScrollArea::focusOutEvent(e);
}

void Wind_View::scroll_to(View v) {
  Wind_Con& w = *wc_p;
  Rect b = content_bounds(w);
  View old = view_of_origin(b, w.con.origin);
  v.off_x = offset_limited(extent_x(b), client_w(), v.off_x);
  v.off_y = offset_limited(extent_y(b), client_h(), v.off_y);
  // Whole pixels, so that moved pixels stay where a repaint would put them.
  int32_t dx = (old.off_x - v.off_x) / unit(), dy = (old.off_y - v.off_y) / unit();
  if (dx == 0 && dy == 0) return;
  w.con.origin = origin_of_view(b, {old.off_x - dx * unit(), old.off_y - dy * unit()});
  w.needs_update_q = true;
  if (scroll_moves_pixels_q(dx, dy, viewport()->width(), viewport()->height(), extent_y(b) > client_h(),
                            repaint_pending_q)) {
    viewport()->scroll(dx, dy);
    region_offset(w.caret_rgn, dx, dy);
  } else {
    viewport()->update();
  }
  repaint_pending_q = true;
}

void Wind_View::do_scroll(bool vert_q, int32_t code, int32_t pos) {
  Wind_Con& w = *wc_p;
  Rect b = content_bounds(w);
  View v = view_of_origin(b, w.con.origin);
  int32_t& off = vert_q ? v.off_y : v.off_x;
  int32_t client = vert_q ? client_h() : client_w();
  int32_t ext = vert_q ? extent_y(b) : extent_x(b);
  switch (code) {
    case SB_LINE_UP: off -= SCROLL_LINE; break;
    case SB_LINE_DOWN: off += SCROLL_LINE; break;
    case SB_PAGE_UP: off -= client - SCROLL_LINE; break;
    case SB_PAGE_DOWN: off += client - SCROLL_LINE; break;
    case SB_THUMB_POS:
    case SB_THUMB_TRACK:
      off = offset_of_fraction(ext, client, bar_thumb_fraction(vert_q ? v_bar : h_bar, pos));
      break;
    case SB_TOP: off = 0; break;
    case SB_BOTTOM: off = offset_of_fraction(ext, client, 1); break;
    default: return;
  }
  scroll_to(v);
  wind_update(w);
}

void Wind_View::invalidate(const Rect& r) {
  Rect wide = {r.x0 - INVAL_WIDEN, r.x1 + INVAL_WIDEN, r.y0 - INVAL_WIDEN, r.y1 + INVAL_WIDEN};
  Device_Rect d = device_rect(wide, dpi(), -dpi());
  viewport()->update(QRect(d.left, d.top, d.right - d.left, d.bottom - d.top) & viewport()->rect());
  repaint_pending_q = true;
  wc_p->needs_update_q = true;
}

// A selection without bounds, as in an empty section, reveals nothing.
void Wind_View::reveal(const Rect& sel) {
  Wind_Con& w = *wc_p;
  Rect b = content_bounds(w);
  scroll_to(view_revealing(b, view_of_origin(b, w.con.origin), bounds_shift(sel, {-w.con.origin.x, -w.con.origin.y}),
                           client_w(), client_h()));
}

void Wind_View::update_caret(bool focus_q) {
  Wind_Con& w = *wc_p;
  Canvas& sc = screen_canvas();
  Region rgn = w.con.kind_p->caret_region(*w.con.kind_p, w.con.content_p, w.con.sel, sc, w.con.origin);
  int32_t in = device_length(192, dpi());
  Region client = region_from_rect({in, in, viewport()->width() - in, viewport()->height() - in});
  rgn = region_combine(rgn, client, RGN_AND);
  int32_t state = CARET_NONE_OR_HIGHLIGHT;
  bool outline_q = !focus_q;
  if (!region_empty_q(rgn) && focus_q) {
    Device_Rect d = region_bounds(rgn);
    int64_t sq_w = int64_t(d.right - d.left) * unit() / 192, sq_h = int64_t(d.bottom - d.top) * unit() / 192;
    if (sq_w * sq_h < 37) state = w.caret_state == CARET_HIDDEN ? CARET_HIDDEN : CARET_SHOWN;
  } else if (!region_empty_q(rgn)) {
    Region inner = rgn;
    for (auto [dx, dy] : {std::pair{in, 0}, {-in, 0}, {0, in}, {0, -in}}) {
      Region moved = rgn;
      region_offset(moved, dx, dy);
      inner = region_combine(inner, moved, RGN_AND);
    }
    rgn = region_combine(rgn, inner, RGN_DIFF);
  }
  if (rgn.rects == w.caret_rgn.rects && state == w.caret_state && outline_q == w.caret_outline_q) return;
  repaint_region(w.caret_rgn);
  w.caret_rgn = rgn;
  w.caret_state = state;
  w.caret_outline_q = outline_q;
  repaint_region(rgn);
}

void Wind_View::repaint_region(const Region& r) {
  if (region_empty_q(r)) return;
  Device_Rect d = region_bounds(r);
  viewport()->update(QRect(d.left, d.top, d.right - d.left, d.bottom - d.top));
  repaint_pending_q = true;
}

void Wind_View::update_bars() {
  if (horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) return;
  Wind_Con& w = *wc_p;
  Rect b = content_bounds(w);
  View v = view_of_origin(b, w.con.origin);
  Bar h = bar_of(extent_x(b), v.off_x, v.off_x + client_w());
  Bar vb = bar_of(extent_y(b), v.off_y, v.off_y + client_h());
  set_bar(*horizontalScrollBar(), h_bar, h);
  set_bar(*verticalScrollBar(), v_bar, vb);
}

void Wind_View::set_bar(QScrollBar& sb, Bar& shown, const Bar& b) {
  if (shown == b) return;
  shown = b;
  QSignalBlocker block(&sb);
  sb.setRange(0, BAR_RANGE - b.page);
  sb.setPageStep(b.page);
  sb.setSingleStep(1);
  sb.setValue(b.pos);
  sb.setEnabled(b.page < BAR_RANGE);
}
