// Saving that never destroys the saved copy: the new bytes go to a file
// beside the old one, are put on the disk, and only then take the old one's
// place in one step. Whatever fails on the way, the old file stays as it was.
#pragma once
#include <functional>

#include "core/byte_str.h"

// Writes name's new contents through write. Raises OS_Err as the file calls
// do; a file nobody may write is refused (5) and a file another program has
// locked is in use (32), as they would be if it were written in place. A
// symbolic link's file is replaced, and the link kept.
void save_beside(const char* name, const std::function<void(Out_Stream&)>& write);

// The file the new bytes go to until they replace name's.
Byte_Str saving_name(const char* name);
