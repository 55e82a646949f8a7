// Curve and relation sampling: numeric functions turned into the strands and
// filled polygons of a graph panel, every drawn piece within one pixel of the
// true curve and what cannot be resolved shown as such.
#pragma once
#include "graphs/curve_sampler.h"
#include "graphs/relation_fns.h"
#include "graphs/relation_sampler.h"
#include "graphs/sampler_colours.h"
