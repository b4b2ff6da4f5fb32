#pragma once
// The random choices of a deal: which pair, and which card gets each word.
// Both draw again until they hit a free item.

#include <QString>
#include <cstddef>
#include <functional>
#include <vector>

#include "game/katalogus.h"

// Gives values 0 <= x < 1.
using Véletlenforrás = std::function<float()>;
// Gives the width of a word, in any unit; only the order of widths counts.
using Szélességmérő = std::function<double(const QString&)>;

// floor(x * darab), for 0 <= x < 1 and darab > 0.
std::size_t véletlen_index(float x, std::size_t darab);

// A pair not dealt yet in this game, which is then marked dealt.
std::size_t pár_húzása(std::vector<szópár>& párok, const Véletlenforrás& rnd);

// A card that holds no word yet.
std::size_t kártya_húzása(const std::vector<QString>& szavak, const Véletlenforrás& rnd);

// Deals half as many pairs as there are cards: for each pair, its first word
// onto a random empty card, then its second. Gives the card with the widest
// word, the first placed of equals; every card starts empty.
std::size_t kiosztás(std::vector<szópár>& párok, std::vector<QString>& szavak, const Véletlenforrás& rnd,
                     const Szélességmérő& szélesség);
