// The Tools menu's Colors window: one window on the colours editor, brought
// to the front when chosen again. The colour chosen in it goes to the
// window it was opened over.
#pragma once
#include <cstdint>

struct Cmd;

// An item of the Tools menu by its position.
void tools_menu_handle(int32_t item_i);
// Opens the Colors window, or brings it to the front when it is open.
void colors_show();
// A colour from the Colors window, for the top-most window under it; false
// when c is not one.
bool colour_result(Cmd& c);
