#pragma once
// The calls that exist only on Windows, each behind a function of its own.
// These files need the Win32 API and the standard library alone, so that
// they build and are tested without Qt (scripts/test-windows).

#include <string>

#include "alap/kulcsertek.h"

namespace win32 {
// The platform's registry (advapi32), behind the game's registry interface.
rendszerleíró::Adatbázis& registry();

// Starts the program file `útvonal` with no arguments and with the show
// command `megjelenítés` (1 normal, 2 minimized and activated), without
// waiting for it. False when it could not be started.
bool indítás(const std::wstring& útvonal, int megjelenítés);

}  // namespace win32
