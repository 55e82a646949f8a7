// The clipboard side of the Edit menu: Paste of text (with the retry that
// puts a line break in front), the clipboard's text as internal text, and
// Copy Picture as SVG and PNG together.
#pragma once
#include "core/byte_str.h"

struct Wind_Con;

// Clipboard text in the internal coding: a CR LF pair, or a lone LF, is one CR.
Byte_Str internal_of_clip_text(const char* utf8, int32_t n);

// The form of text the content takes whole: the text itself, or else, when
// it holds a line break but does not start with one, the text with a CR in
// front and without its last CR; empty when the content takes neither.
Byte_Str paste_form(Wind_Con& w, const Byte_Str& text);
// Pastes the clipboard's text in the form it is taken, recorded for undo.
void paste(Wind_Con& w);

// The selection's picture in hundredths of a millimetre (rounded), from its
// size in canvas units.
inline int32_t hundredths_mm(int32_t units) { return int32_t((int64_t(units) * 2540 + 9216) / 18432); }
// Puts the selection's area of the window's content on the clipboard as an
// SVG picture of that size and a PNG image at the screen's resolution.
void copy_picture(Wind_Con& w);
