#include "shell/script_driver.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMouseEvent>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "draw/Canvas_os.h"
#include "shell/GUI_sys_os.h"
#include "shell/alert.h"
#include "shell/menus.h"
#include "shell/qt_text.h"
#include "shell/wait_cursor.h"
#include "shell/wind_view.h"

namespace {

struct Driver {
  std::vector<std::string> lines;
  size_t line_i = 0;
  int exit_code = 0;
};
Driver* driver_mp_ = nullptr;

const std::map<std::string, int> KEY_NAMES = {
    {"Enter", Qt::Key_Return}, {"Left", Qt::Key_Left},         {"Right", Qt::Key_Right},
    {"Up", Qt::Key_Up},        {"Down", Qt::Key_Down},         {"Tab", Qt::Key_Tab},
    {"Escape", Qt::Key_Escape}, {"Backspace", Qt::Key_Backspace}, {"Delete", Qt::Key_Delete},
    {"Insert", Qt::Key_Insert}, {"Home", Qt::Key_Home},        {"End", Qt::Key_End},
    {"PageUp", Qt::Key_PageUp}, {"PageDown", Qt::Key_PageDown}};

void fail(const std::string& what) {
  std::printf("error: %s (line %zu)\n", what.c_str(), driver_mp_->line_i);
  driver_mp_->exit_code = 1;
}

QWidget* key_target() {
  Wind_Con* w = front_wc_p();
  return w ? static_cast<QWidget*>(&view_of(*w)) : QApplication::activeWindow();
}

void send_key(int key, Qt::KeyboardModifiers mods, const QString& text) {
  QWidget* t = key_target();
  if (!t) return fail("no window for keys");
  QKeyEvent e(QEvent::KeyPress, key, mods, text);
  QCoreApplication::sendEvent(t, &e);
}

// "ctrl+shift+Left", "alt+g", "Enter".
void key_action(const std::string& spec) {
  Qt::KeyboardModifiers mods;
  std::string rest = spec;
  for (auto [name, m] : {std::pair{"ctrl+", Qt::ControlModifier}, {"shift+", Qt::ShiftModifier}, {"alt+", Qt::AltModifier}})
    if (size_t p = rest.find(name); p != std::string::npos) {
      mods |= m;
      rest.erase(p, std::string(name).size());
    }
  if (auto it = KEY_NAMES.find(rest); it != KEY_NAMES.end()) return send_key(it->second, mods, QString());
  if (rest.size() != 1) return fail("unknown key " + spec);
  char ch = rest[0];
  int key = std::isalpha(static_cast<unsigned char>(ch)) ? Qt::Key_A + (std::toupper(ch) - 'A') : ch;
  QString text = mods & Qt::ControlModifier ? QString(QChar(std::toupper(ch) & 0x1F)) : QString(QChar(ch));
  if (mods & Qt::ShiftModifier) text = text.toUpper();
  send_key(key, mods, text);
}

void type_action(const std::string& text) {
  for (char32_t cp : QString::fromStdString(text).toUcs4()) send_key(0, Qt::NoModifier, QString::fromUcs4(&cp, 1));
}

void menu_action(const std::string& path) {
  size_t slash = path.find('/');
  int32_t id = menu_id_of_name(path.substr(slash == std::string::npos ? 0 : slash + 1));
  if (!id) return fail("no menu item " + path);
  if (!shell_menu_enabled_q(id)) {
    std::printf("disabled: %s\n", path.c_str());
    return;
  }
  shell_menu_choose(id);
}

void enabled_action(const std::string& menu) {
  for (const Menu_Def& d : menu_bar()) {
    if (menu_item_name(d.title) != menu) continue;
    std::string out = menu + ":";
    for (const Menu_Item& it : d.items)
      if (it.id != SEPARATOR_ID)
        out += " " + menu_item_name(it.text) + (shell_menu_enabled_q(it.id) ? "+" : "-");
    std::printf("%s\n", out.c_str());
    return;
  }
  fail("no menu " + menu);
}

// A click at a content point, in canvas units.
void click_action(std::istringstream& in) {
  Point p;
  std::string mod;
  in >> p.x >> p.y >> mod;
  Wind_Con* w = front_wc_p();
  if (!w) return fail("no window to click");
  Wind_View& v = view_of(*w);
  QPointF px(device_x(p.x + w->con.origin.x, v.dpi()), device_y(p.y + w->con.origin.y, -v.dpi()));
  Qt::KeyboardModifiers mods = mod == "shift" ? Qt::ShiftModifier : mod == "ctrl" ? Qt::ControlModifier : Qt::NoModifier;
  QPointF global = v.viewport()->mapToGlobal(px);
  for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent e(t, px, global, Qt::LeftButton, t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, mods);
    QCoreApplication::sendEvent(v.viewport(), &e);
  }
}

void answer_action(const std::string& a) {
  Wind_Con* w = front_wc_p();
  if (!w || !w->modal_q) return fail("no alert to answer");
  if (a == "escape") return send_key(Qt::Key_Escape, Qt::NoModifier, QString());
  if (a == "enter") return send_key(Qt::Key_Return, Qt::NoModifier, QString());
  type_action(a);
}

std::string text_of(const Byte_Str& t) { return qstring_of(t).toStdString(); }

void print_action(const std::string& what) {
  Wind_Con* w = front_wc_p();
  if (!w) return fail("no window to print");
  Edit_Con& c = w->con;
  if (what == "text") {
    std::printf("text: %s\n", w->modal_q ? text_of(static_cast<Alert*>(c.content_p)->message.text).c_str()
                                          : text_of(elt_text(*c.kind_p, c.content_p)).c_str());
  } else if (what == "sel") {
    Byte_Str out;
    Copy_Cmd copy(out);
    if (con_query(c, copy) > 0) con_perform(c, copy, false);
    std::printf("sel: %d %d \"%s\"\n", c.sel.anchor_i, c.sel.gen_i, text_of(out).c_str());
  } else if (what == "title") {
    std::printf("title: %s\n", wind_title(*w).c_str());
  } else if (what == "size") {
    Wind_View& v = view_of(*w);
    std::printf("size: %d %d\n", v.viewport()->width(), v.viewport()->height());
  } else if (what == "cursor") {
    Qt::CursorShape now = wait_cursor_q() ? Qt::WaitCursor : view_of(*w).viewport()->cursor().shape();
    std::printf("cursor: %d waits, now %s\n", n_wait_cursors(), now == Qt::WaitCursor ? "wait" : "not wait");
  } else if (what == "bars") {
    Wind_View& v = view_of(*w);
    std::printf("bars: h %d %d v %d %d\n", v.h_bar.pos, v.h_bar.page, v.v_bar.pos, v.v_bar.page);
  } else {
    fail("cannot print " + what);
  }
}

void render_action(const std::string& path, bool main_q) {
  Wind_Con* w = front_wc_p();
  QWidget* target = main_q || !w ? QApplication::activeWindow() : view_of(*w).viewport();
  if (!target) target = w ? view_of(*w).window() : nullptr;
  if (!target || !target->grab().save(QString::fromStdString(path))) fail("cannot render " + path);
}

// An alert still open is answered with Escape; the loop comes back here.
// The frame's buttons: "max" or "min".
void window_action(const std::string& what) {
  Wind_Con* w = front_wc_p();
  if (!w || (what != "max" && what != "min")) return fail("no window to " + what);
  QMdiSubWindow* sub = view_of(*w).sub_p;
  what == "max" ? sub->showMaximized() : sub->showMinimized();
}

void quit_all() {
  if (front_wc_p() && front_wc_p()->modal_q) return send_key(Qt::Key_Escape, Qt::NoModifier, QString());
  while (Wind_Con* w = front_wc_p()) wind_close(*w);
  shell_menu_choose(EXIT_ID);
}

void run_line(const std::string& line) {
  std::istringstream in(line);
  std::string verb, rest;
  in >> verb;
  std::getline(in >> std::ws, rest);
  if (verb.empty() || verb[0] == '#') return;
  if (verb == "type") return type_action(rest);
  if (verb == "key") return key_action(rest);
  if (verb == "menu") return menu_action(rest);
  if (verb == "enabled") return enabled_action(rest);
  if (verb == "answer") return answer_action(rest);
  if (verb == "print") return print_action(rest);
  if (verb == "render") return render_action(rest, false);
  if (verb == "render-main") return render_action(rest, true);
  if (verb == "quit") return quit_all();
  if (verb == "window") return window_action(rest);
  if (doc_script_action(verb, rest)) return;
  if (verb == "click") {
    std::istringstream args(rest);
    return click_action(args);
  }
  fail("unknown action " + verb);
}

}  // namespace

bool driver_load(const std::string& path) {
  std::ifstream f(path);
  if (!f) {
    std::fprintf(stderr, "cannot read the script %s\n", path.c_str());
    return false;
  }
  driver_mp_ = new Driver();
  for (std::string line; std::getline(f, line);) driver_mp_->lines.push_back(line);
  return true;
}

bool shell_driven_q() { return driver_mp_ != nullptr; }

void driver_step() {
  if (driver_mp_->line_i >= driver_mp_->lines.size()) return quit_all();
  const std::string& line = driver_mp_->lines[driver_mp_->line_i++];
  try {
    run_line(line);
  } catch (const Err& e) {
    report_error(e);
  }
  std::fflush(stdout);
}

void driver_note_beep() {
  if (driver_mp_) std::printf("beep\n");
}

void driver_note_alert(const std::string& text) {
  if (driver_mp_) std::printf("alert: %s\n", qstring_of(Byte_Str(text.c_str())).toStdString().c_str());
}

int driver_exit_code() { return driver_mp_ ? driver_mp_->exit_code : 0; }

bool driver_dialog_answer(const char* verb, const std::string& what, std::string& answer) {
  std::printf("dialog: %s\n", what.c_str());
  Driver& d = *driver_mp_;
  std::string want = std::string(verb) + " ";
  if (d.line_i >= d.lines.size() || d.lines[d.line_i].compare(0, want.size(), want) != 0) {
    fail(std::string("the dialog wants a line \"") + verb + " ...\"");
    return false;
  }
  answer = d.lines[d.line_i++].substr(want.size());
  return true;
}
