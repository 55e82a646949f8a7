// The command line's batch commands: a model file opened without a window
// and solved (its Solutions printed on stdout), printed into a PDF file as
// Print does, or drawn after its Graph as a PNG image or an SVG picture,
// whole or one graph panel's plot area alone.
#pragma once
#include "shell/command_line.h"

// Runs cl's batch command with the platform's offscreen screen unless
// another is chosen. Returns the exit status: 0, or 1 after the program's
// message on stderr, in which case no file was written.
int batch_main(int argc, char** argv, const Command_Line& cl);
