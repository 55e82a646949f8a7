// Internal text to and from Qt's strings (clipboard, titles, printed text);
// line feeds become carriage returns inside and back outside, and a NUL is dropped.
#pragma once
#include <QList>
#include <QString>
#include <string>

#include "core/byte_str.h"

Byte_Str internal_of(const QString& s);
// UTF-8 (a path or a title from Qt or the script) as internal text; as a
// string, for a message that quotes it.
Byte_Str internal_of_utf8(const std::string& utf8);
std::string internal_string(const std::string& utf8);
QString qstring_of(const Byte_Str& t);
