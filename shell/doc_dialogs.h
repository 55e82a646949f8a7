// The dialogs of the document commands: open, save as and print. When a
// script drives the program its next line answers each dialog instead
// ("file PATH", "file cancel", "printer FILE.pdf [COPIES]", "printer cancel").
#pragma once
#include <QPrinter>
#include <string>

// The chosen file (UTF-8), or "" when the user cancelled.
std::string ask_open_path();
std::string ask_save_path(const std::string& start_path);
// The printer as the user set it up (kept between prints, so their choices
// stay), or null when they cancelled.
QPrinter* ask_printer();
