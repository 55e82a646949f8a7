#include "shell/GUI_sys_os.h"

#include <QApplication>
#include <cstdio>
#include <QClipboard>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QPainter>
#include <QSessionManager>
#include <QStyle>
#include <QStyleHints>
#include <QTimer>
#include <algorithm>

#include "core/coding.h"
#include "draw/Canvas_os.h"
#include "draw/font.h"
#include "draw/qt/qt_targets.h"
#include "model/model_graph.h"
#include "model/model_table.h"
#include "shell/alert.h"
#include "shell/appl_help.h"
#include "shell/appl_icon.h"
#include "shell/batch.h"
#include "shell/colors_window.h"
#include "shell/command_line.h"
#include "shell/clip.h"
#include "shell/doc_commands.h"
#include "shell/doc_content.h"
#include "shell/keys.h"
#include "shell/menus.h"
#include "shell/qt_text.h"
#include "shell/script_driver.h"
#include "shell/wait_cursor.h"
#include "shell/wind_view.h"

std::vector<Wind_Con*> wind_ps_;

namespace {

constexpr int32_t DOC_HEIGHT = 38400;
constexpr int32_t TICK_MS = 1000;

class Main_Window;
Main_Window* appl_wp_ = nullptr;
QMdiArea* mdi_p_ = nullptr;
std::vector<QMenu*> cmd_menu_ps_;
std::unique_ptr<Cmd> pending_;  // the newest result command
std::vector<std::string> errors_;
std::string deferred_error_;
bool greek_q_ = false;
int32_t n_new_docs_ = 0;
int32_t loop_depth_ = 0;
int64_t next_tick_ = 0, last_blink_ = 0;
QElapsedTimer clock_;

int64_t now_ms() { return clock_.elapsed(); }
int32_t blink_ms() {
  int flash = QGuiApplication::styleHints()->cursorFlashTime();
  return flash > 0 ? flash / 2 : 0;
}

// Edit_Con's window side.
const Con_Window_Ops WINDOW_OPS = {
    [](Edit_Con& e, const Rect& r) { view_of(wind_con_of(e)).invalidate(r); },
    [](Edit_Con& e) { wind_con_of(e).needs_update_q = true; },
    [](Edit_Con& e, const Rect& r) { view_of(wind_con_of(e)).reveal(r); }};

Byte_Str clip_text() {
  QByteArray utf8 = QGuiApplication::clipboard()->text().toUtf8();
  return internal_of_clip_text(utf8.data(), int32_t(utf8.size()));
}

void doc_new() {
  ++n_new_docs_;
  std::string title = "Untitled" + (n_new_docs_ > 1 ? std::to_string(n_new_docs_) : std::string());
  Doc_Content d = doc_content_new();
  wind_open(*d.kind_p, d.content_p, title, default_doc_width(), DOC_HEIGHT, nullptr, nullptr);
}

// Closes the front document until none is left or one stays open.
bool close_all() {
  while (Wind_Con* w = front_wc_p()) {
    if (!doc_close(*w)) return false;
  }
  return true;
}

void appl_exit() {
  if (close_all()) pending_ = std::make_unique<Button_Cmd>(QUIT_BUTTON_N);
}

void copy_to_clipboard(Wind_Con& w, bool cut_q) {
  Byte_Str out;
  Copy_Cmd copy(out);
  con_perform(w.con, copy, false);
  if (n_elts(out) > 0) QGuiApplication::clipboard()->setText(qstring_of(out));
  if (!cut_q) return;
  Text_Partial_Cmd empty{Byte_Str()};
  shell_take_result(con_perform(w.con, empty, true));
}

// The check mark follows the flag however the item was chosen; every
// model's graph is made again at the new panel size.
void toggle_large_graphs() {
  large_graphs_ = !large_graphs_;
  for (QAction* a : cmd_menu_ps_[size_t(LARGE_GRAPHS_ID / 1000 - 1)]->actions())
    if (a->data().toInt() == LARGE_GRAPHS_ID) a->setChecked(large_graphs_);
  for (Wind_Con* w : wind_ps_)
    if (w && w->con.kind_p == &doc_gui_kind()) {
      resize_graphs(*static_cast<Math_Model*>(w->con.content_p));
      view_of(*w).viewport()->update();
      w->needs_update_q = true;
    }
}

void dispatch(Wind_Con* w_mp, int32_t id) {
  if (doc_command(w_mp, id)) return;
  switch (id) {
    case NEW_ID: doc_new(); return;
    case EXIT_ID: appl_exit(); return;
    case LARGE_GRAPHS_ID: toggle_large_graphs(); return;
  }
  if (id / 1000 - 1 == HELP_MENU_ID0) return help_menu_handle(id % 1000);
  if (id / 1000 == COLORS_ID / 1000) return tools_menu_handle(id % 1000);
  if (!w_mp) return;
  Wind_Con& w = *w_mp;
  switch (id) {
    case UNDO_ID: shell_take_result(con_undo(w.con)); return;
    case REDO_ID: shell_take_result(con_redo(w.con)); return;
    case CUT_ID:
    case COPY_ID: copy_to_clipboard(w, id == CUT_ID); return;
    case DELETE_ID: {
      Text_Partial_Cmd empty{Byte_Str()};
      shell_take_result(con_perform(w.con, empty, true));
      return;
    }
    case SELECT_ALL_ID:
    case SELECT_MORE_ID: {
      Cmd c(id == SELECT_ALL_ID ? SELECT_ALL_CMD : SELECT_MORE_CMD);
      shell_take_result(con_perform(w.con, c, true));
      return;
    }
    case SOLVE_ID:
    case TABLE_ID:
    case GRAPH_ID: {
      Cmd c(analyze_cmd_n(id));
      shell_take_result(con_perform(w.con, c, true));
      return;
    }
    case CALCULATE_ID: {
      Button_Cmd c(CALC_BUTTON_N);
      shell_take_result(con_perform(w.con, c, false));
      return;
    }
  }
}

// Enabling as a menu opens; the menu bar entries stay enabled.
void enable_menu(QMenu& m) {
  Byte_Str clip = clip_text();
  for (QAction* a : m.actions())
    if (!a->isSeparator()) a->setEnabled(menu_item_enabled_q(front_wc_p(), a->data().toInt(), clip));
}

class Main_Window : public QMainWindow {
 public:
  Main_Window() {
    setWindowTitle(APPL_TITLE);
    setWindowIcon(appl_icon());
    mdi_p_ = new QMdiArea(this);
    mdi_p_->setBackground(Qt::white);
    setCentralWidget(mdi_p_);
    for (const Menu_Def& d : menu_bar()) {
      QMenu* m = menuBar()->addMenu(QString::fromUtf8(d.title));
      cmd_menu_ps_.push_back(m);
      for (const Menu_Item& it : d.items) {
        if (it.id == SEPARATOR_ID) {
          m->addSeparator();
          continue;
        }
        QAction* a = m->addAction(QString::fromUtf8(it.text));
        a->setData(it.id);
        a->setCheckable(it.id == LARGE_GRAPHS_ID);
        connect(a, &QAction::triggered, this, [id = it.id] { shell_menu_choose(id); });
      }
      connect(m, &QMenu::aboutToShow, this, [m] { enable_menu(*m); });
    }
  }

 protected:
  void closeEvent(QCloseEvent* e) override {
    e->ignore();
    appl_exit();
  }
  void keyPressEvent(QKeyEvent* e) override {
    int32_t k = e->key();
    int32_t mods = e->modifiers() & Qt::ControlModifier ? CTRL_MOD : 0;
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
      if (int32_t id = accel_id('A' + (k - Qt::Key_A), mods)) shell_menu_choose(id);
  }
};

// Where menu identifiers and the bar disagree the build is wrong.
void menus_check() {
  menu_ids_check(menu_bar());
  CHECK(int32_t(cmd_menu_ps_.size()) == N_INIT_CMD_MENUS);
  for (int32_t m0 = 0; m0 < N_INIT_CMD_MENUS; ++m0) {
    QList<QAction*> acts = cmd_menu_ps_[size_t(m0)]->actions();
    for (int32_t i = 0; i < int32_t(acts.size()); ++i) {
      int32_t id = acts[i]->isSeparator() ? 0 : acts[i]->data().toInt();
      CHECK(id == 1000 * (m0 + 1) + i || id == 0);
    }
  }
}

Wind_Con* con_of_sub(QMdiSubWindow* s) {
  if (!s) return nullptr;
  for (Wind_Con* w : wind_ps_)
    if (w && view_of(*w).sub_p == s) return w;
  return nullptr;
}

// Closing a sub-window by its frame closes the document.
class Close_Filter : public QObject {
 public:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() != QEvent::Close) return false;
    e->ignore();
    Wind_Con* w = con_of_sub(static_cast<QMdiSubWindow*>(o));
    if (w && !w->modal_q && !(front_wc_p() && front_wc_p()->modal_q)) doc_close(*w);
    return true;
  }
};
Close_Filter close_filter_;

int32_t slot_take(Wind_Con* w) {
  for (size_t i = 0; i < wind_ps_.size(); ++i)
    if (!wind_ps_[i]) {
      wind_ps_[i] = w;
      return int32_t(i);
    }
  wind_ps_.push_back(w);
  return int32_t(wind_ps_.size() - 1);
}

// The client rectangle's place in the MDI area, frame added around it.
void place_window(Wind_Con& w, const Rect& cr, const Point* pos_mp) {
  Wind_View& v = view_of(w);
  QStyle* st = v.sub_p->style();
  int32_t u = v.unit();
  int32_t caption_px = st->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, v.sub_p);
  int32_t frame_px = st->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, v.sub_p);
  int32_t bar_px = w.modal_q ? 0 : st->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, v.sub_p);
  int32_t area_w = mdi_p_->viewport()->width() * u, area_h = mdi_p_->viewport()->height() * u;
  int32_t cw = cr.x1 - cr.x0, ch = cr.y1 - cr.y0;
  Frame f = {frame_px * u, caption_px * u, (frame_px + bar_px) * u, (frame_px + bar_px) * u};
  Place p = w.modal_q ? place_alert(area_w, area_h, caption_px * u, cw, ch)
            : pos_mp  ? place_at(area_w, area_h, pos_mp->x, pos_mp->y, cw, ch, f)
                      : place_cascade(area_w, area_h, caption_px * u, w.wind_i, cw, ch);
  v.sub_p->setGeometry(std::max(0, p.x / u - frame_px), std::max(0, p.y / u - caption_px), p.w / u + 2 * frame_px + bar_px,
                       p.h / u + caption_px + frame_px + bar_px);
}

// Minimising a document does nothing; maximising fits the window to its
// content from where it stands, then shows the selection.
void window_state_changed(Wind_Con& w, Qt::WindowStates now) {
  Wind_View& v = view_of(w);
  if (!(now & (Qt::WindowMinimized | Qt::WindowMaximized))) return;
  v.sub_p->showNormal();
  if (!(now & Qt::WindowMaximized) || w.modal_q) return;
  Rect b = w.con.kind_p->bounds(*w.con.kind_p, w.con.content_p);
  QSize extra = v.sub_p->size() - v.viewport()->size();
  // Whole pixels rounded up: a part pixel short leaves a scroll bar that moves.
  auto px = [&](int32_t n) { return (n + v.unit() - 1) / v.unit(); };
  QSize want(px(extent_x(b)) + extra.width(), px(extent_y(b)) + extra.height());
  QSize area = mdi_p_->viewport()->size();
  QPoint at = v.sub_p->pos();
  v.sub_p->resize(want.boundedTo(QSize(area.width() - at.x(), area.height() - at.y())));
  w.needs_update_q = true;
  v.reveal(con_sel_bounds(w.con));
}

void idle_blink() {
  Wind_Con* w = front_wc_p();
  int32_t blink = blink_ms();
  if (!w || shell_driven_q() || blink <= 0 || w->caret_outline_q) return;
  if (w->caret_state != CARET_SHOWN && w->caret_state != CARET_HIDDEN) return;
  if (now_ms() - last_blink_ < blink) return;
  w->caret_state = w->caret_state == CARET_SHOWN ? CARET_HIDDEN : CARET_SHOWN;
  view_of(*w).repaint_region(w->caret_rgn);
  last_blink_ = now_ms();
}

// Runs f as the loop runs a command: an error ends it and is shown next.
template <class F>
void run_reported(F&& f) {
  try {
    f();
  } catch (const Err& e) {
    report_error(e);
  }
}

// A failing refresh is shown, and not again under its own alert: no tick
// runs while a modal window is in front.
void tick_all() {
  if (Wind_Con* f = front_wc_p(); f && f->modal_q) return;
  for (Wind_Con* w : wind_ps_) {
    if (!w) continue;
    Button_Cmd c(CALC_BUTTON_N);
    run_reported([&] {
      if (con_query(w->con, c) > 0) con_perform(w->con, c, false);
    });
  }
}

void startup_question() {
  int32_t b = alert(INFORMATION_ICON, "Create a new document or open an existing one?",
                    {"&New", "&Open", "&Help", "&Quit"}, 3, 1);
  run_reported([b] {
    if (b == 0) doc_new();
    if (b == 1) doc_open();
    if (b == 2) help_start();
    if (b == 3) appl_exit();
  });
}

void idle() {
  for (Wind_Con* w : wind_ps_)
    if (w && w->needs_update_q) wind_update(*w);
  idle_blink();
  wait_cursor_refresh();
  if (now_ms() >= next_tick_) {
    tick_all();
    next_tick_ += TICK_MS;
  }
}

// The shell's own results; true when the command was consumed.
bool own_result(Cmd& c) {
  if (c.cmd_n == BUTTON_CMD && (button_cast_n(c) == NEXT_FILE_BUTTON_N || button_cast_n(c) == PREV_FILE_BUTTON_N)) {
    if (Wind_Con* w = front_wc_p())
      run_reported([&] { doc_step_file(*w, button_cast_n(c) == NEXT_FILE_BUTTON_N ? 1 : -1); });
    return true;
  }
  if (colour_result(c)) return true;
  if (c.cmd_n != MESSAGE_CMD) return false;
  auto& m = static_cast<Message_Cmd&>(c);
  Wind_Con* w = m.con_mp ? &wind_con_of(*m.con_mp) : front_wc_p();
  if (w) {
    wind_activate(*w);
    view_of(*w).reveal(con_sel_bounds(w->con));
  }
  report_error(std::string(m.text.first_p, size_t(n_elts(m.text))));
  return true;
}

bool show_errors() {
  if (!deferred_error_.empty()) errors_.push_back(std::move(deferred_error_)), deferred_error_.clear();
  if (errors_.empty()) return false;
  std::string text = errors_.front();
  errors_.erase(errors_.begin());
  alert(ERROR_ICON, text, {"&OK"}, 0, 0);
  return true;
}

}  // namespace

void shell_take_result(std::unique_ptr<Cmd> res_mp) {
  if (res_mp) pending_ = std::move(res_mp);
}
void shell_beep() {
  if (!shell_driven_q()) QApplication::beep();
  driver_note_beep();
}
bool shell_greek_q() { return greek_q_; }
void shell_set_greek(bool on_q) { greek_q_ = on_q; }
void shell_tick() { tick_all(); }
void shell_note_key() { next_tick_ = now_ms() + 2 * blink_ms() * 2 / 3; }

bool shell_menu_enabled_q(int32_t id) { return menu_item_enabled_q(front_wc_p(), id, clip_text()); }

void shell_menu_choose(int32_t id) {
  run_reported([id] {
    if (!shell_menu_enabled_q(id)) return;
    wait_cursor_show();
    dispatch(front_wc_p(), id);
  });
}

void report_error(const std::string& text) { errors_.push_back(text); }
void report_error(const Err& e) { report_error(err_display_text(e)); }

void add_deferred_error(const std::string& file_name, const std::string& reason) {
  if (deferred_error_.empty()) deferred_error_ = "Error closing file '" + file_name + "':  " + reason;
}

Wind_Con* front_wc_p() {
  for (auto it = wind_ps_.rbegin(); it != wind_ps_.rend(); ++it)
    if (*it && (*it)->modal_q) return *it;
  QList<QMdiSubWindow*> subs = mdi_p_ ? mdi_p_->subWindowList(QMdiArea::StackingOrder) : QList<QMdiSubWindow*>();
  for (auto it = subs.rbegin(); it != subs.rend(); ++it)
    if (Wind_Con* w = con_of_sub(*it)) return w;
  return nullptr;
}

Wind_Con* wind_under_mp(const Wind_Con& w) {
  QList<QMdiSubWindow*> subs = mdi_p_->subWindowList(QMdiArea::StackingOrder);  // the top-most last
  for (qsizetype i = subs.indexOf(view_of(w).sub_p) - 1; i >= 0; --i)
    if (Wind_Con* u = con_of_sub(subs[i])) return u;
  return nullptr;
}

Wind_Con* wind_open(const Gui_Kind& k, void* content, const std::string& title, int32_t width, int32_t height,
                    Wind_Con* enclosing_mp, const Point* pos_mp) {
  CHECK(appl_wp_);
  auto* w = new Wind_Con(k, content);
  w->con.window_ops_mp = &WINDOW_OPS;
  w->con.window_mp = w;
  w->con.enclosing_mp = enclosing_mp ? &enclosing_mp->con : nullptr;
  w->modal_q = title.empty();
  w->wind_i = slot_take(w);
  auto* v = new Wind_View(*w, !w->modal_q);
  w->window_mp = v;
  Qt::WindowFlags flags = w->modal_q ? Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint : Qt::SubWindow;
  v->sub_p = mdi_p_->addSubWindow(v, flags);
  v->sub_p->setWindowTitle(QString::fromUtf8(w->modal_q ? APPL_TITLE : title.c_str()));
  v->sub_p->setWindowIcon(appl_wp_->windowIcon());
  v->sub_p->installEventFilter(&close_filter_);
  QObject::connect(v->sub_p, &QMdiSubWindow::windowStateChanged, v,
                   [v](Qt::WindowStates, Qt::WindowStates now) {
                     if (v->wc_p) window_state_changed(*v->wc_p, now);
                   });
  if (!w->modal_q && !enclosing_mp) w->file_info_mp = std::make_unique<File_Info>();
  place_window(*w, open_content_rect(k.bounds(k, content), width, height), pos_mp);
  v->sub_p->show();
  wind_activate(*w);
  Con_Cmd opened(OPENED_CMD, &w->con);
  shell_take_result(con_perform(w->con, opened, false));
  return w;
}

void wind_activate(Wind_Con& w) {
  Wind_View& v = view_of(w);
  mdi_p_->setActiveSubWindow(v.sub_p);
  v.sub_p->raise();
  if (!v.hasFocus()) v.setFocus();
  w.needs_update_q = true;
}

void wind_close(Wind_Con& w) {
  for (Wind_Con* s : std::vector<Wind_Con*>(wind_ps_))
    if (s && s->con.enclosing_mp == &w.con) wind_close(*s);
  if (w.con.enclosing_mp) {
    try {
      Con_Cmd closing(CLOSING_SUB_CMD, &w.con);
      con_perform(*w.con.enclosing_mp, closing, false);
    } catch (const Err&) {
      // Closing_Sub_Cmd failure: the window closes all the same.
    }
  }
  // The front window's focus goes to the window beneath it, before hiding:
  // Qt would hand it on in creation order, raising some other window.
  Wind_Con* under_mp = front_wc_p() == &w ? wind_under_mp(w) : nullptr;
  if (under_mp) wind_activate(*under_mp);
  Wind_View& v = view_of(w);
  wind_ps_[size_t(w.wind_i)] = nullptr;
  v.wc_p = nullptr;
  v.sub_p->removeEventFilter(&close_filter_);
  v.sub_p->hide();
  mdi_p_->removeSubWindow(v.sub_p);
  v.sub_p->deleteLater();
  delete &w;
  if (Wind_Con* f = under_mp ? under_mp : front_wc_p()) wind_activate(*f);
}

std::string wind_title(const Wind_Con& w) { return view_of(w).sub_p->windowTitle().toStdString(); }

void wind_set_title(Wind_Con& w, const std::string& title) {
  std::string old = wind_title(w) + ":";
  for (Wind_Con* s : wind_ps_) {
    if (!s || s == &w) continue;
    std::string t = wind_title(*s);
    if (t.compare(0, old.size(), old) == 0)
      view_of(*s).sub_p->setWindowTitle(QString::fromStdString(title + t.substr(old.size() - 1)));
  }
  view_of(w).sub_p->setWindowTitle(QString::fromStdString(title));
}

void wind_replace_content(Wind_Con& w, void* content) {
  Wind_View& v = view_of(w);
  v.viewport()->update();
  for (Wind_Con* s : std::vector<Wind_Con*>(wind_ps_))
    if (s && s->con.enclosing_mp == &w.con) wind_close(*s);
  set_length(w.con.undo_list, 0);
  set_length(w.con.redo_list, 0);
  const Gui_Kind& k = *w.con.kind_p;
  if (k.release) k.release(k, w.con.content_p);
  w.con.content_p = content;
  w.con.sel = k.initial_sel(k, content);
  Con_Cmd opened(OPENED_CMD, &w.con);
  shell_take_result(con_perform(w.con, opened, false));
  w.needs_update_q = true;
}

void wind_update(Wind_Con& w) {
  Wind_View& v = view_of(w);
  if (!w.needs_update_q) return;
  w.needs_update_q = false;
  v.update_caret(shell_driven_q() ? front_wc_p() == &w : v.hasFocus());
  v.update_bars();
}

std::unique_ptr<Cmd> run_loop() {
  ++loop_depth_;
  std::unique_ptr<Cmd> slot;
  while (!slot) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (loop_depth_ == 1) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    slot = std::move(pending_);
    if (slot && own_result(*slot)) slot.reset();
    if (slot) break;
    if (show_errors()) continue;
    idle();
    if (!front_wc_p()) {
      startup_question();
      continue;
    }
    if (shell_driven_q()) {
      // The script acts once everything it caused is painted.
      QCoreApplication::processEvents(QEventLoop::AllEvents);
      if (!pending_ && errors_.empty()) driver_step();
    } else {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
  }
  --loop_depth_;
  return slot;
}

int32_t alert(int32_t icon, const std::string& text, const std::vector<std::string>& labels, int32_t escape_n,
              int32_t selected_i) {
  if (icon == ERROR_ICON) shell_beep();
  driver_note_alert(text);
  Alert* a = alert_new(icon, Byte_Str(text.c_str()), labels, selected_i);
  Wind_Con* before_mp = front_wc_p();
  Wind_Con* w = wind_open(ALERT_KIND, a, "", 0, 0, nullptr, nullptr);
  std::unique_ptr<Cmd> quit_mp;
  int32_t n;
  for (;;) {
    std::unique_ptr<Cmd> c = run_loop();
    if (c->cmd_n != BUTTON_CMD) continue;
    n = button_cast_n(*c);
    if (n == QUIT_BUTTON_N) {
      quit_mp = std::move(c);
      continue;
    }
    break;
  }
  wind_close(*w);
  // The window that asked is in front again, whatever the area activated.
  if (before_mp && std::find(wind_ps_.begin(), wind_ps_.end(), before_mp) != wind_ps_.end()) wind_activate(*before_mp);
  if (quit_mp) pending_ = std::move(quit_mp);
  if (n == ESCAPE_BUTTON_N) return escape_n;
  CHECK(n >= 0);
  return n;
}

int appl_main(int argc, char** argv) {
  Command_Line cl = command_line_of(argc, argv);
  if (!cl.error.empty()) {
    std::fprintf(stderr, "corvandile_veza: %s\n%s", cl.error.c_str(), usage_text().c_str());
    return 2;
  }
  if (cl.help_q) {
    std::fputs(usage_text().c_str(), stdout);
    return 0;
  }
  if (cl.batch != NO_BATCH) return batch_main(argc, argv, cl);
  const std::string& script = cl.script;
  QApplication app(argc, argv);
  coding_init();
  qt_install_screen();
  if (!script.empty() && !driver_load(script)) return 2;
  // Escape answers the model's questions with their last button.
  model_ask_ = [](const std::string& text, const std::vector<std::string>& labels) {
    return alert(EXCLAMATION_ICON, text, labels, int32_t(labels.size()) - 1, 0);
  };
  clock_.start();
  Main_Window main_window;
  appl_wp_ = &main_window;
  main_window.showMaximized();
  menus_check();
  // The session's end asks the documents first; one that stays open cancels it.
  QObject::connect(&app, &QGuiApplication::commitDataRequest, [](QSessionManager& m) {
    if (!close_all()) m.cancel();
  });
  QTimer wake;
  wake.start(std::max(blink_ms() / 2, 50));
  next_tick_ = now_ms();
  // A file named on the command line; a failure is shown by the loop.
  if (!cl.file.empty()) run_reported([&] { doc_open_path(cl.file, true); });
  std::unique_ptr<Cmd> c = run_loop();
  CHECK(front_wc_p() == NULL && c && cmd_n(*c) == BUTTON_CMD && button_cast_n(*c) == QUIT_BUTTON_N);
  wake.stop();
  appl_wp_ = nullptr;
  mdi_p_ = nullptr;
  return driver_exit_code();
}
