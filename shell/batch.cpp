#include "shell/batch.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QPrinter>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <vector>

#include "core/coding.h"
#include "core/err.h"
#include "draw/qt/qt_targets.h"
#include "draw/units.h"
#include "editor/edit_con.h"
#include "graphs/panel_image.h"
#include "model/model_env.h"
#include "model/model_table.h"
#include "persist/file_in.h"
#include "shell/doc_commands.h"
#include "shell/doc_content.h"
#include "shell/doc_print.h"
#include "shell/qt_text.h"

namespace {

// How far inside the picture the content lies, as inside a window.
constexpr int32_t PICTURE_EDGE = 576;

std::string utf8_of(const Byte_Str& internal) { return qstring_of(internal).toStdString(); }

void say(const std::string& path, const std::string& internal_text) {
  std::fprintf(stderr, "corvandile_veza: %s: %s\n", path.c_str(), utf8_of(Byte_Str(internal_text.c_str())).c_str());
}

std::unique_ptr<Edit_Con> open_model(const std::string& path) {
  Byte_Str name = internal_of_utf8(path);
  File_In in(c_str(name), 0);
  void* content = read_doc(in, doc_file_kind(), [&](const std::string& notice) { say(path, notice); });
  close(in);
  show_neighbours(content, path);
  return std::make_unique<Edit_Con>(doc_gui_kind(), content);
}

Math_Model& model_of(Edit_Con& con) { return *static_cast<Math_Model*>(con.content_p); }

// A command as the menu runs it; a message the window would show is raised.
void run(Edit_Con& con, Cmd& c) {
  if (con_query(con, c) <= 0) return;
  std::unique_ptr<Cmd> res = con_perform(con, c, false);
  if (res && res->cmd_n == MESSAGE_CMD) {
    const Byte_Str& t = static_cast<Message_Cmd&>(*res).text;
    throw Str_Err(std::string(t.first_p, size_t(n_elts(t))));
  }
}
void run_cmd(Edit_Con& con, int32_t cmd_n) {
  Cmd c(cmd_n);
  run(con, c);
}
// The pending refreshes, as the window's once-a-second tick runs them.
void calculate(Edit_Con& con) {
  Button_Cmd c(CALC_BUTTON_N);
  run(con, c);
}

void write_file(const std::string& path, const QByteArray& bytes) {
  errno = 0;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) raise_os_err_from_errno();
  bool ok_q = std::fwrite(bytes.data(), 1, size_t(bytes.size()), f) == size_t(bytes.size());
  if (std::fclose(f) != 0 || !ok_q) {
    std::remove(path.c_str());
    raise_os_err_from_errno();
  }
}

// What a command writes, made whole before the first file is written.
struct Out_File {
  std::string path;
  QByteArray bytes;
};

// Writes every file or, when one fails, none: at tells which failed.
void write_outputs(const std::vector<Out_File>& outs, std::string& at) {
  for (size_t i = 0; i < outs.size(); ++i) {
    at = outs[i].path;
    try {
      write_file(outs[i].path, outs[i].bytes);
    } catch (const Err&) {
      for (size_t j = 0; j < i; ++j) std::remove(outs[j].path.c_str());
      throw;
    }
  }
}

QByteArray png_bytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// A picture of width x height canvas units at dpi, drawn with its top left
// corner at the canvas's origin, as the files cl names.
std::vector<Out_File> pictures(const Command_Line& cl, int32_t width, int32_t height, int32_t dpi, const Draw_Fn& draw) {
  std::vector<Out_File> outs;
  if (!cl.png.empty()) {
    int32_t w_px = int32_t(ceil_div(int64_t(width) * dpi, UNITS_PER_INCH));
    int32_t h_px = int32_t(ceil_div(int64_t(height) * dpi, UNITS_PER_INCH));
    outs.push_back({cl.png, png_bytes(qt_draw_image(w_px, h_px, dpi, draw))});
  }
  if (!cl.svg.empty()) outs.push_back({cl.svg, qt_svg_picture(width, height, dpi, draw)});
  return outs;
}

void solve(Edit_Con& con) {
  // The Constraints are solved whatever Solutions the file holds: the file
  // may have been saved after they were changed.
  model_of(con).flags |= CHANGED_FLAGS;
  run_cmd(con, SOLVE_CMD);
  std::string text = utf8_of(Byte_Str(expr_string(model_of(con).solutions).c_str()));
  std::fputs((text + "\n").c_str(), stdout);
}

void print(Edit_Con& con, const Command_Line& cl, std::string& at) {
  // As a window opening the model: its graph drawn from the Solutions or the Table.
  Con_Cmd opened(OPENED_CMD, &con);
  con_perform(con, opened, false);
  calculate(con);
  // The file is made first, so that a place it cannot go gets its own message.
  write_outputs({{cl.pdf, QByteArray()}}, at);
  QPrinter p(QPrinter::HighResolution);
  p.setOutputFormat(QPrinter::PdfFormat);
  p.setOutputFileName(QString::fromStdString(cl.pdf));
  try {
    print_job(p, QFileInfo(QString::fromStdString(cl.file)).fileName().toStdString(),
              [&](Page_Job& job) { print_element(job, *con.kind_p, con.content_p); });
  } catch (const Err&) {
    std::remove(cl.pdf.c_str());
    throw;
  }
}

std::string no_panel_text(int32_t graph_n, int32_t n_panels) {
  return "No graph " + std::to_string(graph_n) + ": the model has " + std::to_string(n_panels) +
         (n_panels == 1 ? " independent variable" : " independent variables");
}

// Panel graph_n's plot area alone, at one pixel per screen pixel.
void render_graph(Edit_Con& con, const Command_Line& cl, std::string& at) {
  Graph_Set* g_mp = model_of(con).graphs_p;
  int32_t n = g_mp ? n_indep(*g_mp) : 0;
  if (cl.graph_n > n) throw Str_Err(no_panel_text(cl.graph_n, n));
  Graph_Set& g = *g_mp;
  int32_t j = cl.graph_n - 1;
  bool grid_q = !cl.no_grid_q;
  panel_image_refresh(g, j, grid_q);
  const Panel& p = g.panels[size_t(j)];
  write_outputs(pictures(cl, g.s, g.s, panel_image_of(g).dpi, [&](Canvas& c) { draw_panel_image(p, c, grid_q); }),
                at);
}

void render(Edit_Con& con, const Command_Line& cl, std::string& at) {
  run_cmd(con, GRAPH_CMD);
  calculate(con);
  if (cl.graph_n > 0) return render_graph(con, cl, at);
  const Gui_Kind& k = *con.kind_p;
  Rect b = k.bounds(k, con.content_p);
  Point origin = {PICTURE_EDGE - b.x0, -PICTURE_EDGE - b.y1};
  write_outputs(pictures(cl, b.x1 - b.x0 + 2 * PICTURE_EDGE, b.y1 - b.y0 + 2 * PICTURE_EDGE,
                         cl.dpi ? cl.dpi : DEFAULT_PICTURE_DPI,
                         [&](Canvas& c) { k.draw(k, con.content_p, c, origin); }),
                at);
}

int run_batch(const Command_Line& cl) {
  std::string at = cl.file;  // what an error is about: the model, or a file being written
  try {
    std::unique_ptr<Edit_Con> con = open_model(cl.file);
    switch (cl.batch) {
      case SOLVE_BATCH: solve(*con); break;
      case PRINT_BATCH: print(*con, cl, at); break;
      case RENDER_BATCH: render(*con, cl, at); break;
      case NO_BATCH: break;
    }
  } catch (const Err& e) {
    say(at, err_display_text(e));
    return 1;
  }
  return 0;
}

}  // namespace

int batch_main(int argc, char** argv, const Command_Line& cl) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // What a batch command prints is its own output and messages, not the platform's remarks.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QApplication app(argc, argv);
  coding_init();
  qt_install_screen();
  // A question has no one to answer it: the answer Escape gives.
  model_ask_ = [](const std::string&, const std::vector<std::string>& labels) { return int32_t(labels.size()) - 1; };
  large_graphs_ = cl.large_q;
  return run_batch(cl);
}
