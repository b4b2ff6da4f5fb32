#pragma once
// The border of a picture box. A card is in play while it has its border.

enum class Szegély { None = 0, FixedSingle = 1 };
