#pragma once
// The registry functions that the About window reads the system information
// tool's place with. On Windows they are the real ones; elsewhere a stand-in
// answers the tool's first lookup with the first system-information program
// on the PATH and every other lookup with "not found".

#include <QString>

#include "alap/kulcsertek.h"

namespace rendszerleíró {
// The registry in use: the platform's, or the one a test has set.
Adatbázis& használt();
void teszt_adatbázis(Adatbázis* adatbázis);  // nullptr: the platform's again

// Where the stand-in looks: programs that show information about the system.
QString rendszerinformációs_program();
}  // namespace rendszerleíró
