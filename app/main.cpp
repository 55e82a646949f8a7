// The program's entry: the application on the platform's windows, or a
// script of user actions run headless (--script FILE).
#include "shell/GUI_sys_os.h"

int main(int argc, char** argv) { return appl_main(argc, argv); }
