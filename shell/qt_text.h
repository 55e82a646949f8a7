// Internal text to and from Qt's strings (clipboard, titles, printed text);
// line feeds become carriage returns inside and back outside, and a NUL is dropped.
#pragma once
#include <QList>
#include <QString>
#include <string>

#include "core/byte_str.h"

Byte_Str internal_of(const QString& s);
// UTF-8 (a title or a path from Qt) as internal text, for a message that quotes it.
std::string internal_of_utf8(const std::string& utf8);
QString qstring_of(const Byte_Str& t);
