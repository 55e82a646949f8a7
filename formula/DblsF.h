// Numeric functions: formulas compiled into functions of doubles with values,
// interval enclosures, partial derivatives and smoothness (dblsf_record.h,
// dblsf_compile.h), the intervals they work on (interval.h), the arrays of
// doubles that carry points and boxes (dbls_array.h), and the root finder
// (dbls_solve.h).
#pragma once
#include "formula/dbls_array.h"
#include "formula/dbls_solve.h"
#include "formula/dblsf_compile.h"
#include "formula/dblsf_record.h"
#include "formula/interval.h"
