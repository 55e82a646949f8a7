#include "shell/doc_commands.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <algorithm>

#include "draw/Canvas_os.h"
#include "draw/screen.h"
#include "draw/units.h"
#include "persist/file_names.h"
#include "persist/safe_save.h"
#include "shell/GUI_sys_os.h"
#include "shell/alert.h"
#include "shell/clip.h"
#include "shell/doc_content.h"
#include "shell/doc_dialogs.h"
#include "shell/doc_print.h"
#include "shell/menus.h"
#include "shell/qt_text.h"
#include "shell/wind_view.h"

namespace {

// Extra width of an opened document's window beside its content.
constexpr int32_t OPEN_EXTRA_W = 6912;

// File names inside are internal text; Qt and the script give UTF-8.
std::string utf8_path(const Byte_Str& name) { return qstring_of(name).toStdString(); }
std::string file_title(const std::string& path) { return QFileInfo(QString::fromStdString(path)).fileName().toStdString(); }
// A window's title in quotes, as the questions about it show it.
std::string quoted_title(const Wind_Con& w) { return "'" + internal_string(wind_title(w)) + "'"; }

std::unique_ptr<File_In> open_in(const std::string& path) {
  Byte_Str name = internal_of_utf8(path);
  return std::make_unique<File_In>(c_str(name), 0);
}

// A document's file is closed when it is saved elsewhere or itself replaced;
// a failure to close is told later, as the loop reports it.
void close_file(File_Info& fi) {
  if (!fi.file_mp) return;
  std::unique_ptr<File_In> f = std::move(fi.file_mp);
  try {
    close(*f);
  } catch (const Err& e) {
    add_deferred_error(internal_string(fi.path), err_display_text(e));
  }
}

void write_to_path(Wind_Con& w, const std::string& path) {
  shell_tick();
  File_Info& fi = *w.file_info_mp;
  close_file(fi);
  try {
    Byte_Str name = internal_of_utf8(path);
    save_beside(c_str(name), [&](Out_Stream& out) { write_doc(out, doc_file_kind(), w.con.content_p); });
  } catch (const Err&) {
    // The old copy is still there: keep it for Revert, as before.
    if (!fi.path.empty()) fi.file_mp = open_in(fi.path);
    throw;
  }
  fi.file_mp = open_in(path);
  fi.path = path;
  w.con.modified_q = false;
}

// Whether the numbered file step away from name is there.
bool neighbour_q(const std::string& path, int32_t step) {
  Byte_Str name = internal_of_utf8(path);
  Byte_Str other = neighbour_name(c_str(name), step);
  return n_elts(other) > 0 && file_check(c_str(other)) != FILE_MISSING;
}

}  // namespace

bool model_doc_q(const Wind_Con& w) { return w.file_info_mp && w.con.kind_p == &doc_gui_kind(); }

int32_t default_doc_width() {
  static int32_t width_ = [] {
    QScreen* s = QGuiApplication::primaryScreen();
    int32_t screen_w = int32_t(s->geometry().width() * int64_t(UNITS_PER_INCH) / screen_canvas().dpi_x);
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() && !QPrinterInfo::availablePrinters().isEmpty()) info = QPrinterInfo::availablePrinters().first();
    int32_t w = std::max(screen_w - 19200, 147456);
    if (!info.isNull()) {
      QPrinter p(info);
      w = int32_t(p.pageLayout().paintRect(QPageLayout::Inch).width() * UNITS_PER_INCH);
    }
    return std::min(w, screen_w - 9408);
  }();
  return width_;
}

void show_neighbours(void* content, const std::string& path) {
  const Doc_File_Kind& k = doc_file_kind();
  if (k.neighbours) k.neighbours(content, neighbour_q(path, 1), neighbour_q(path, -1));
}

namespace {

// Open and Revert read alike: the model, then the buttons to the files beside it.
void* read_file(File_In& in, bool notice_q, const std::string& path) {
  Notice_Fn notice;
  if (notice_q) notice = [](const std::string& text) { alert(INFORMATION_ICON, text, {"&OK"}, 0, 0); };
  void* content = read_doc(in, doc_file_kind(), notice);
  show_neighbours(content, path);
  return content;
}

}  // namespace

void doc_open_path(const std::string& path, bool notice_q) {
  std::unique_ptr<File_In> in = open_in(path);
  void* content = read_file(*in, notice_q, path);
  Wind_Con* w = wind_open(doc_gui_kind(), content, file_title(path), -OPEN_EXTRA_W, 0, nullptr, nullptr);
  w->file_info_mp->path = path;
  w->file_info_mp->file_mp = std::move(in);
}

void doc_open() {
  std::string path = ask_open_path();
  if (!path.empty()) doc_open_path(path, true);
}

bool doc_save_as(Wind_Con& w) {
  if (!model_doc_q(w)) return false;
  std::string path = ask_save_path(w.file_info_mp->path);
  if (path.empty()) return false;
  write_to_path(w, path);
  wind_set_title(w, file_title(path));
  return true;
}

bool doc_save(Wind_Con& w) {
  if (!model_doc_q(w)) return false;
  if (w.file_info_mp->path.empty()) return doc_save_as(w);
  write_to_path(w, w.file_info_mp->path);
  return true;
}

bool needs_save_question_q(const Wind_Con& w) {
  if (!w.con.modified_q) return false;
  if (!w.file_info_mp || w.file_info_mp->path.empty()) return true;
  Byte_Str name = internal_of_utf8(w.file_info_mp->path);
  bool numbered_q = n_elts(neighbour_name(c_str(name), 1)) > 0 || n_elts(neighbour_name(c_str(name), -1)) > 0;
  return !(numbered_q && file_check(c_str(name)) == FILE_READ_ONLY);
}

void doc_revert(Wind_Con& w) {
  File_Info& fi = *w.file_info_mp;
  if (needs_save_question_q(w) &&
      alert(EXCLAMATION_ICON, "Discard changes to " + quoted_title(w) + "?", {"&Cancel", "&OK"}, 0, 0) != 1)
    return;
  seek(*fi.file_mp, 0);
  wind_replace_content(w, read_file(*fi.file_mp, false, fi.path));
  w.con.modified_q = false;
}

bool doc_close(Wind_Con& w) {
  if (w.modal_q) return false;
  if (model_doc_q(w) && needs_save_question_q(w)) {
    int32_t b = alert(EXCLAMATION_ICON, "Save changes to " + quoted_title(w) + " before closing?",
                      {"&Discard changes", "&Cancel", "&Save"}, 1, 2);
    if (b == 1 || (b == 2 && !doc_save(w))) return false;
  }
  wind_close(w);
  return true;
}

void doc_step_file(Wind_Con& w, int32_t step) {
  if (!w.file_info_mp || w.file_info_mp->path.empty()) return;
  Byte_Str cur = internal_of_utf8(w.file_info_mp->path);
  Byte_Str name = neighbour_name(c_str(cur), step);
  if (n_elts(name) == 0) return;
  std::string path = utf8_path(name);
  if (doc_close(w) && file_check(c_str(name)) != FILE_MISSING) doc_open_path(path, true);
}

bool doc_item_enabled_q(const Wind_Con& w, int32_t id) {
  switch (id) {
    case SAVE_ID: return model_doc_q(w) && w.con.modified_q;
    case SAVE_AS_ID: return model_doc_q(w);
    case REVERT_ID: return w.con.modified_q && w.file_info_mp && w.file_info_mp->file_mp;
  }
  return false;
}

bool doc_command(Wind_Con* w_mp, int32_t id) {
  if (id == OPEN_ID) {
    doc_open();
    return true;
  }
  if (!w_mp) return false;
  Wind_Con& w = *w_mp;
  switch (id) {
    case CLOSE_ID: doc_close(w); return true;
    case SAVE_ID: doc_save(w); return true;
    case SAVE_AS_ID: doc_save_as(w); return true;
    case REVERT_ID: doc_revert(w); return true;
    case PRINT_ID: doc_print(w); return true;
    case COPY_PICTURE_ID: copy_picture(w); return true;
    case PASTE_ID: paste(w); return true;
  }
  return false;
}
