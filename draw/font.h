// Fonts: families and their resolution, shared fonts with their width
// tables, styles and text measurement.
#pragma once
#include "draw/canvas_font.h"
#include "draw/font_family.h"
#include "draw/font_text.h"
#include "draw/screen.h"
#include "draw/shared_font.h"
#include "draw/styl.h"
