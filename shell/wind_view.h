// The platform window of one controller: a scroll area in the MDI area whose
// viewport paints the content through our canvas into an offscreen image of
// the invalid rectangle, shows the caret by inverting its pixels, and turns
// keys, characters and the mouse into commands.
#pragma once
#include <QAbstractScrollArea>
#include <QMdiSubWindow>
#include <QScrollBar>

#include "shell/Wind_Con.h"
#include "shell/wind_geom.h"

class Wind_View : public QAbstractScrollArea {
 public:
  Wind_Con* wc_p;
  QMdiSubWindow* sub_p = nullptr;
  Bar h_bar = {-1, -1}, v_bar = {-1, -1};
  int32_t drag_mods = -1;  // of the press that started a drag; -1 when none
  bool repaint_pending_q = false;  // asked for since the last paint

  Wind_View(Wind_Con& w, bool bars_q);
  int32_t dpi() const;
  int32_t unit() const { return UNITS_PER_INCH_ / dpi(); }
  int32_t client_w() const;  // canvas units
  int32_t client_h() const;
  // Scrolls to a view, moving pixels where it can.
  void scroll_to(View v);
  void do_scroll(bool vert_q, int32_t code, int32_t pos);
  void key(int32_t qt_key, Qt::KeyboardModifiers qm, const QString& text, bool repeat_q);
  void mouse(QPoint px, int32_t phase, int32_t mods);
  void hover(QPoint px);
  // Rectangles in canvas units from the client origin.
  void invalidate(const Rect& r);
  void reveal(const Rect& sel);
  void update_caret(bool focus_q);
  void update_bars();
  void repaint_region(const Region& r);

 protected:
  bool viewportEvent(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void scrollContentsBy(int, int) override {}
  bool focusNextPrevChild(bool) override { return false; }

 private:
  static constexpr int32_t UNITS_PER_INCH_ = 18432;
  void paint(const QRect& r);
  void set_bar(QScrollBar& sb, Bar& shown, const Bar& b);
};

inline Wind_View& view_of(const Wind_Con& w) { return *static_cast<Wind_View*>(w.window_mp); }

// Scroll codes of the bars.
enum Scroll_Code : int32_t { SB_LINE_UP, SB_LINE_DOWN, SB_PAGE_UP, SB_PAGE_DOWN, SB_THUMB_POS, SB_THUMB_TRACK,
                             SB_TOP, SB_BOTTOM };

// The view's side of the loop (gui_sys_os.cpp).
void shell_take_result(std::unique_ptr<Cmd> res_mp);
void shell_beep();
bool shell_greek_q();
void shell_set_greek(bool on_q);
bool shell_driven_q();  // a script drives: the caret stays shown
void shell_menu_choose(int32_t id);
// As the menu would show it now, the clipboard's text included.
bool shell_menu_enabled_q(int32_t id);
void shell_note_key();  // a key or click brings the tick forward
// The once-a-second work, run at once: saving and printing take what it brings in.
void shell_tick();
