// Formulas: trees of exact integers, approximate reals, symbols and
// applications, always in canonical form, with the built-in operators and
// functions, derivatives and numeric conversions.
#pragma once
#include "formula/builtins.h"
#include "formula/calculus.h"
#include "formula/construct.h"
#include "formula/guarded.h"
#include "formula/numbers.h"
#include "formula/order.h"
#include "formula/prefix.h"
#include "formula/tree.h"
#include "formula/walk.h"
