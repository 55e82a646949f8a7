// The program's icon for its windows, drawn from the same SVG that the
// desktop's menu entry shows.
#pragma once
#include <QIcon>

QIcon appl_icon();
