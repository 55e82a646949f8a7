// The content of an alert: the icon, the message as a wrapped paragraph and
// a row of buttons, one below the other and each centred. A button is chosen
// by a click, by its access letter (the character after "&" in its label)
// typed alone, by Enter for the selected one, or by Escape; the choice comes
// back as a BUTTON_CMD result.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/byte_str.h"
#include "draw/button.h"
#include "editor/GUI_Ops.h"
#include "shell/paragraph.h"

enum Alert_Icon : int32_t { ERROR_ICON = 0, EXCLAMATION_ICON = 1, INFORMATION_ICON = 2 };

struct Alert {
  int32_t icon;
  Paragraph message;
  std::vector<std::string> labels;
  int32_t selected_i;  // -1: none
  // The layout, in content units from the top left corner, y up.
  Point icon_pt;     // the icon's top left corner
  Point message_pt;  // the message's origin
  std::vector<Button> button_labels;
  std::vector<Point> button_pts;  // origins of the labels
  std::vector<Rect> buttons;      // frames
  Rect bounds;  // with a margin all round, as dialogs have
};

extern const Gui_Kind ALERT_KIND;

// Lays the alert out; the controller that opens it owns it. An alert has a
// button at least, else only Escape could answer it.
Alert* alert_new(int32_t icon, const Byte_Str& text, std::vector<std::string> labels, int32_t selected_i);

// The access letter of a label, lower case; 0 when it has none.
char access_letter(const std::string& label);
