// A colour chosen in the Colors window, sent to the document in front: the
// colour swatch holding the selection takes it, every other element leaves
// it to its container.
#pragma once
#include <cstdint>

#include "editor/cmd.h"

// Beyond the editor's commands, the model's own and the table's rows.
constexpr int32_t COLOUR_CMD = 41;

struct Colour_Cmd final : Cmd {
  int32_t colour;  // 0x00RRGGBB
  explicit Colour_Cmd(int32_t c) : Cmd(COLOUR_CMD), colour(c) {}
};
