// The model document as an element kind: a column of sections, each with its
// label, routing the editor's commands into the section holding the
// selection and answering the Analyze commands itself.
#pragma once
#include "editor/composite.h"
#include "model/Math_Model.h"

extern const Composite_Kind MODEL_KIND;
// The kind of sections without content: nothing to draw, nothing to do.
extern const Gui_Kind BLANK_OPS;

// A new editable model for a window to own.
Math_Model* model_doc_new();
// Places the sections again after one changed size.
void model_relayout(Math_Model& m);

// Where section j lies in the document; empty for a section without content.
Rect section_area(const Math_Model& m, int32_t j);
// The section whose label lies under p, or -1.
int32_t label_hit(const Math_Model& m, Point p);

// The width of the label column.
constexpr int32_t LABEL_W = 24960;
constexpr int32_t SECTION_GAP = 2880;
