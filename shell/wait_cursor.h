// The wait cursor: shown over every window while a command that may run long
// is handled (a menu choice, a click that leaves a result), until the loop
// is idle again and the window under the mouse sets its own cursor.
#pragma once
#include <cstdint>

void wait_cursor_show();
// The loop's idle work: the wait cursor gives way to the hover cursor.
void wait_cursor_refresh();
bool wait_cursor_q();
// How often it was shown since the start: for the script driver.
int32_t n_wait_cursors();
