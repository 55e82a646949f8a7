#include "editor/cmd.h"

#include "core/err.h"

int32_t button_cast_n(const Cmd& c) {
  CHECK(c.cmd_n == BUTTON_CMD);
  return static_cast<const Button_Cmd&>(c).button_n;
}

Con_Cmd::Con_Cmd(int32_t n, Edit_Con* c) : Cmd(n), con_p(c) {
  CHECK(n == OPENED_CMD || n == CLOSING_SUB_CMD || n == SUB_CHANGED_CMD);
}
