// Lists: immutable chains of shared pairs (first, rest) ending in the empty
// list EMPTY_HDL. The pair itself is in core/fun_obj.h.
#pragma once
#include <cstdint>

#include "core/fun_obj.h"

// Number of pairs in the chain.
int32_t n_elts(Hdl list);
// A new list: the elements of list in reverse order, followed by acc.
Hdl list_reverse_onto(Hdl list, Hdl acc);
// A new list of f applied to each element, in order.
Hdl list_map(Hdl list, Fun1 f);
