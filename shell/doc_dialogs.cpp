#include "shell/doc_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <memory>

#include "shell/script_driver.h"

namespace {

const char* const FILTERS = "Mathematical Models (*.MM);;All Files (*.*)";
// Qt's own dialog matches patterns without regard to case, so "*.MM" finds
// the "*.mm" files a platform dialog would.
constexpr QFileDialog::Options FILE_OPTIONS = QFileDialog::DontUseNativeDialog;

// Where Open starts: the current folder the first time, then where the user last was.
QString& last_folder() {
  static QString folder_ = QDir::currentPath();
  return folder_;
}

std::string chosen(const QString& path) {
  if (path.isEmpty()) return std::string();
  last_folder() = QFileInfo(path).absolutePath();
  return path.toStdString();
}

// A driven dialog's answer: the rest of the script's "verb" line; "" for cancel.
std::string driven_answer(const char* verb, const std::string& what) {
  std::string answer;
  driver_dialog_answer(verb, what, answer);
  return answer == "cancel" ? std::string() : answer;
}

}  // namespace

std::string ask_open_path() {
  if (shell_driven_q()) return driven_answer("file", "Open");
  QFileDialog d(QApplication::activeWindow(), QString(), last_folder(), FILTERS);
  d.setOptions(FILE_OPTIONS);
  d.setFileMode(QFileDialog::ExistingFile);
  d.setDefaultSuffix("mm");
  return d.exec() == QDialog::Accepted ? chosen(d.selectedFiles().value(0)) : std::string();
}

std::string ask_save_path(const std::string& start_path) {
  if (shell_driven_q()) return driven_answer("file", "Save As " + start_path);
  QFileDialog d(QApplication::activeWindow(), QString(), last_folder(), FILTERS);
  d.setOptions(FILE_OPTIONS);  // asks before overwriting
  d.setAcceptMode(QFileDialog::AcceptSave);
  d.setDefaultSuffix("mm");
  if (!start_path.empty()) d.selectFile(QString::fromStdString(start_path));
  return d.exec() == QDialog::Accepted ? chosen(d.selectedFiles().value(0)) : std::string();
}

QPrinter* ask_printer() {
  static std::unique_ptr<QPrinter> printer_mp_;
  if (!printer_mp_) printer_mp_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrinter& p = *printer_mp_;
  if (shell_driven_q()) {
    std::string answer = driven_answer("printer", "Print");
    if (answer.empty()) return nullptr;
    size_t blank = answer.find(' ');
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(QString::fromStdString(answer.substr(0, blank)));
    p.setCopyCount(blank == std::string::npos ? 1 : std::stoi(answer.substr(blank + 1)));
    return &p;
  }
  QPrintDialog d(&p, QApplication::activeWindow());
  d.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies);
  return d.exec() == QDialog::Accepted ? &p : nullptr;
}
