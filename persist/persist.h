// File streams, over the platform's file calls, and the file-name services
// of the shell.
#pragma once
#include "persist/bin_double.h"
#include "persist/file_in.h"
#include "persist/file_names.h"
#include "persist/file_out.h"
