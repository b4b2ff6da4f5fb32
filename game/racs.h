#pragma once
// Where the cards of a board lie in the board's container. All values are
// twips of the container's inner area.

#include <cstdint>
#include <vector>

struct Téglalap {
    double Left, Top, Width, Height;
};

struct Rács {
    double belső_szél, belső_mag;  // the container's inner area
    double bal, felső;             // the corner of card 0, the top-left card
    std::int32_t oszlopok, sorok;
};

// Column and row counted from 1; cards go row by row from the top left.
std::int16_t kártyaindex(std::uint8_t oszlop, std::uint8_t sor, std::int32_t oszlopok);

// Every card of the board, by index. A card takes 0.9 of its share of the
// area right of and below card 0's corner; each card stands one card and a
// tenth right of its left neighbour, the first of a row one card and a tenth
// below the first card of the row above.
std::vector<Téglalap> kártyák_helye(const Rács& rács);

enum class Irány { bal, jobb, fel, le };

// The card next to card `index` in that direction; at the edge of the board
// the card itself.
std::int16_t szomszéd(std::int16_t index, Irány irány, std::int32_t oszlopok, std::int32_t sorok);
