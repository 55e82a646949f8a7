#include "shell/appl_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "core/err.h"

QIcon appl_icon() {
  QSvgRenderer svg(QStringLiteral(":/corvandile-veza.svg"));
  CHECK(svg.isValid());
  QIcon icon;
  // The sizes of a window's frame and of its task-bar button.
  for (int size : {16, 32, 48}) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    svg.render(&p);
    p.end();
    icon.addPixmap(pm);
  }
  return icon;
}
