#pragma once
// Where there is no registry: a stand-in that answers the system
// information tool's first lookup with the first system-information program
// on the PATH and every other lookup with "not found".

#include "alap/kulcsertek.h"

namespace rendszerleíró {
Adatbázis& helyettes();
}  // namespace rendszerleíró
