// Parameter sliders: the element kind, its drawing and stored form, and the
// conversions between positions and value texts.
#pragma once
#include "graphs/slider.h"
#include "graphs/slider_value.h"
