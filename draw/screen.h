// The process-wide measuring side: the screen device that the platform layer
// installs at start-up, the screen canvas on it, and the font families the
// system has. All are made on first use and live until the program ends.
#pragma once
#include <cstdint>
#include <string_view>

#include "draw/canvas.h"
#include "draw/font_family.h"

// Installs the device that stands for the screen; must come before the
// first measurement and only once.
void screen_device_install(Device d);
bool screen_device_installed_q();

Canvas& screen_canvas();

const Family_List& font_families();
const Font_Family& default_family();
const Font_Family& symbol_family();
Font_Family font_family_resolve(std::string_view name, int32_t kind);
