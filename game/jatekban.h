#pragma once
// Whether a board still has cards in play.

#include <vector>

#include "alap/szegely.h"

// True when any card, given by its border, still has its single line.
bool van_játékban(const std::vector<Szegély>& szegélyek);
