// The regional settings guard now lives in tests/support/guards.h; this
// header stays for the folders that still include it.
#pragma once

#include "support/guards.h"
