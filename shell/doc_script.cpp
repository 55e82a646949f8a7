// Script actions for the document commands: the clipboard's contents, and
// files prepared and looked at byte by byte.
#include <sys/stat.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QRegularExpression>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "shell/GUI_sys_os.h"
#include "shell/script_driver.h"

namespace {

// "\r" and "\n" in a script's text stand for CR and LF.
QString unescaped(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace(QStringLiteral("\\r"), QStringLiteral("\r"));
  s.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
  return s;
}

std::string escaped(const QString& text) {
  QString s = text;
  s.replace(QStringLiteral("\r"), QStringLiteral("\\r"));
  s.replace(QStringLiteral("\n"), QStringLiteral("\\n"));
  return s.toStdString();
}

// The first and last rows of an image holding a pixel that is not white.
std::string ink_rows(const QImage& img) {
  int first = -1, last = -1;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
        if (first < 0) first = y;
        last = y;
        break;
      }
  return first < 0 ? "none" : std::to_string(first) + " to " + std::to_string(last);
}

// What the clipboard holds: a picture's SVG size, its PNG size and the rows
// the PNG draws on, or its text.
void show_clip() {
  const QMimeData* m = QGuiApplication::clipboard()->mimeData();
  if (m && m->hasFormat("image/svg+xml")) {
    QString svg = QString::fromUtf8(m->data("image/svg+xml"));
    QRegularExpressionMatch w = QRegularExpression("width=\"([^\"]*)\"").match(svg);
    QRegularExpressionMatch h = QRegularExpression("height=\"([^\"]*)\"").match(svg);
    QImage png = qvariant_cast<QImage>(m->imageData());
    std::printf("clip: svg %s x %s, png %d x %d, ink rows %s\n", w.captured(1).toStdString().c_str(),
                h.captured(1).toStdString().c_str(), png.width(), png.height(), ink_rows(png).c_str());
    return;
  }
  std::printf("clip: \"%s\"\n", escaped(QGuiApplication::clipboard()->text()).c_str());
}

void save_clip(const std::string& path) {
  const QMimeData* m = QGuiApplication::clipboard()->mimeData();
  QFile svg(QString::fromStdString(path + ".svg"));
  if (!m || !svg.open(QIODevice::WriteOnly) || svg.write(m->data("image/svg+xml")) < 0 ||
      !qvariant_cast<QImage>(m->imageData()).save(QString::fromStdString(path + ".png")))
    report_error("cannot save the clipboard's picture as " + path);
}

void file_bytes(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::string out = "bytes:";
  for (char ch; f.get(ch);) {
    char hex[4];
    std::snprintf(hex, sizeof hex, " %02X", unsigned(uint8_t(ch)));
    out += hex;
  }
  std::printf("%s\n", f.eof() ? out.c_str() : "bytes: no file");
}

// "write-file PATH 02 05 ..." (hexadecimal bytes).
void write_file(const std::string& rest) {
  std::istringstream in(rest);
  std::string path;
  in >> path;
  std::ofstream f(path, std::ios::binary);
  for (unsigned b; in >> std::hex >> b;) f.put(char(b));
}

void change_mode(const std::string& rest) {
  std::istringstream in(rest);
  unsigned mode;
  std::string path;
  in >> std::oct >> mode >> path;
  if (chmod(path.c_str(), mode) != 0) report_error("cannot change the mode of " + path);
}

void show_doc() {
  Wind_Con* w = front_wc_p();
  if (!w || !w->file_info_mp) return report_error("no document in front");
  std::printf("doc: %s, %s\n", w->con.modified_q ? "modified" : "unmodified",
              w->file_info_mp->path.empty() ? "no file" : w->file_info_mp->path.c_str());
}

}  // namespace

bool doc_script_action(const std::string& verb, const std::string& rest) {
  if (verb == "clip") QGuiApplication::clipboard()->setText(unescaped(rest));
  else if (verb == "show-clip") show_clip();
  else if (verb == "save-clip") save_clip(rest);
  else if (verb == "file-bytes") file_bytes(rest);
  else if (verb == "write-file") write_file(rest);
  else if (verb == "chmod") change_mode(rest);
  else if (verb == "show-doc") show_doc();
  else return false;
  return true;
}
