#pragma once
// What a screen reader says of a card: its word when it is face up, else what
// it is and where it lies, so that no two cards share a name.

#include <QString>
#include <cstdint>

enum class Kártyaállapot { lefordítva, felfordítva, eltüntetve };

// "lefordított kártya, 1. sor, 2. oszlop", the word, or "eltüntetett kártya, 1. sor, 2. oszlop".
QString kártya_neve(Kártyaállapot állapot, const QString& szó, std::int16_t index, std::int32_t oszlopok);
