#include "shell/wait_cursor.h"

#include <QApplication>
#include <QCursor>

#include "shell/GUI_sys_os.h"
#include "shell/wind_view.h"

namespace {
int32_t n_shown_ = 0;
}

void wait_cursor_show() {
  if (wait_cursor_q()) return;
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  ++n_shown_;
}

bool wait_cursor_q() { return QGuiApplication::overrideCursor() != nullptr; }

void wait_cursor_refresh() {
  if (!wait_cursor_q()) return;
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  QWidget* under_mp = QApplication::widgetAt(QCursor::pos());
  for (Wind_Con* w : wind_ps_)
    if (w && under_mp == view_of(*w).viewport())
      return view_of(*w).hover(under_mp->mapFromGlobal(QCursor::pos()));
}

int32_t n_wait_cursors() { return n_shown_; }
