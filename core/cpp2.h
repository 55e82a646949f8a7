// The core library's floor: errors, assertions, the pool, value handles and
// function objects.
#pragma once
#include "core/err.h"
#include "core/fun_obj.h"
#include "core/handle.h"
#include "core/pool.h"
