// The expressions of a model: typed as mathematics in the document font,
// with every bracket pair that reading knows.
#pragma once
#include <string>

#include "editor/Expr.h"

extern const Expr_Env MODEL_ENV;
extern const Expr_Kind MODEL_EXPR;

// An expression holding text (internal coding) typed into it, as the keyboard
// would: operators split it by precedence.
Expr expr_typed(const char* text);
// e's text in the internal coding.
std::string expr_string(const Expr& e);
// The document font for labels and plain texts.
const Styl& model_text_style();
