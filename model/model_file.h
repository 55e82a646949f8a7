// The model document as files hold it: the two variable tables, the
// Constraints, the parameter rows with their sliders, the Solutions and the
// Table, one after the other; the graphs and the file buttons are not
// stored (a model read graphs y against x until Graph makes its graphs). A document read is finished as its commands would leave it: only
// the Solutions are stale when it has none, and the Table's computed
// columns are those of its Solutions.
#pragma once
#include "persist/doc_file.h"

extern const Doc_File_Kind MODEL_FILE;
