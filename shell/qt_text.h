// Internal text to and from Qt's strings (clipboard, titles, printed text);
// line feeds become carriage returns inside and back outside.
#pragma once
#include <QList>
#include <QString>

#include "core/byte_str.h"

Byte_Str internal_of(const QString& s);
QString qstring_of(const Byte_Str& t);
