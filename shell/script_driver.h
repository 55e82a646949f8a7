// The script driver: a file of user actions, one a line, sent as key and
// mouse events and menu choices down the same paths as a person's, one
// action each time the loop is idle; results are printed on stdout.
#pragma once
#include <string>

// False, with a message on stderr, when the file cannot be read.
bool driver_load(const std::string& path);
bool shell_driven_q();
// Runs the next action; at the end, closes every window and asks to quit.
void driver_step();
void driver_note_beep();
void driver_note_alert(const std::string& text);
// 0, or 1 when an action failed.
int driver_exit_code();
// A dialog's answer: the rest of the script's next line, which must start
// with verb; what names the dialog in the output. False (and the action
// fails) when the line is not there.
bool driver_dialog_answer(const char* verb, const std::string& what, std::string& answer);
// The document actions of scripts (doc_script.cpp): true when verb is one.
bool doc_script_action(const std::string& verb, const std::string& rest);
