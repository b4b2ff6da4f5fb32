#include "game/jatekban.h"

#include <algorithm>

bool van_játékban(const std::vector<Szegély>& szegélyek)
{
    return std::find(szegélyek.begin(), szegélyek.end(), Szegély::FixedSingle) != szegélyek.end();
}
