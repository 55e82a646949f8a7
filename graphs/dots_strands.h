// The graphics that fill a graph panel: strands, filled polygons and dot
// sets, with their drawing and their stored forms.
#pragma once
#include "graphs/dot_set.h"
#include "graphs/fill_poly.h"
#include "graphs/graph_picture.h"
#include "graphs/strand.h"
