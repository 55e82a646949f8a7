// The Parameters section: one row per parameter, its name and value, its
// range and its slider. The value, Low and High are text fields; the mouse
// drags the sliders, and Left and Right move the slider a press selected. A
// move rewrites the value text and leaves the slider's button command for
// the document; typing in a field moves the slider.
#pragma once
#include <vector>

#include "editor/gui_kind.h"
#include "model/Math_Model.h"

// Contents are std::vector<Param_Row>; the origin is the top left corner.
extern const Gui_Kind PARAMS_OPS;

constexpr int32_t PARAM_ROW_H = 5760;

// The selection inside the section: part row_i * N_PARTS + f, an insertion
// point in the value, Low or High field, or the slider (no nested selection).
enum Param_Part : int32_t { VALUE_F, LOW_F, HIGH_F, SLIDER_F, N_PARTS };
constexpr int32_t N_FIELDS = SLIDER_F;
constexpr int32_t PARAM_SLIDER_X = 38400;

// Where row i's slider bar starts, from the section's origin.
Point slider_origin(int32_t row_i);
// The row whose slider lies under p, or -1.
int32_t slider_row_at(const std::vector<Param_Row>& rows, Point p);
// Moves row i's slider by c, a mouse command at the bar's coordinates or an
// arrow key, and rewrites its value; true when it moved.
bool move_slider(std::vector<Param_Row>& rows, int32_t row_i, const Cmd& c, Cmd_Args& args);
