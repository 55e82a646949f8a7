// The Help menu's side of the application: the About message with the
// program's version, the Tips window, and the Help answer of the start-up
// question.
#pragma once
#include <cstdint>
#include <string>

#include "core/byte_str.h"

std::string about_text();
// Six numbered tips a line each, in the internal coding.
Byte_Str tips_text();

// An item of the Help menu by its position.
void help_menu_handle(int32_t item_i);
// Opens the Tips window, or brings it to the front when it is open.
void tips_show();
// A new document with the Tips beside it, the document in front.
void help_start();
