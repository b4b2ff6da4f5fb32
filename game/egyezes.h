#pragma once
// Whether two words are the two halves of one pair of the catalogue.

#include <QString>
#include <vector>

#include "game/katalogus.h"

// In either order, letter for letter. It goes by the words alone: a word that
// stands in two pairs matches the partner of either.
bool párt_alkot(const std::vector<szópár>& párok, const QString& egyik, const QString& másik);
