// The drawing surface: the canvas and its units, colours, drawing operations,
// text, regions and stretched brackets, over a device of the platform layer.
#pragma once
#include "draw/bracket.h"
#include "draw/canvas.h"
#include "draw/canvas_font.h"
#include "draw/canvas_text.h"
#include "draw/colour.h"
#include "draw/device.h"
#include "draw/geom.h"
#include "draw/region.h"
#include "draw/units.h"
