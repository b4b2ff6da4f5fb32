#include "game/racs.h"

#include <algorithm>

namespace {
// The gap between neighbouring cards, as a part of a card's width or height.
constexpr float térköz = 0.1f;
}  // namespace

std::int16_t kártyaindex(std::uint8_t oszlop, std::uint8_t sor, std::int32_t oszlopok)
{
    return std::int16_t((sor - 1) * oszlopok + (oszlop - 1));
}

// Each place is taken from a neighbour's, not multiplied out, so the cards of
// a row keep exactly even steps.
std::vector<Téglalap> kártyák_helye(const Rács& r)
{
    const double W = std::max(0.0, (r.belső_szél - r.bal) / r.oszlopok * 0.9);
    const double H = std::max(0.0, (r.belső_mag - r.felső) / r.sorok * 0.9);
    std::vector<Téglalap> helyek(std::size_t(r.oszlopok * r.sorok), Téglalap{r.bal, r.felső, W, H});
    for (int sor = 1; sor <= r.sorok; ++sor) {
        for (int oszlop = 1; oszlop <= r.oszlopok; ++oszlop) {
            const int i = kártyaindex(std::uint8_t(oszlop), std::uint8_t(sor), r.oszlopok);
            if (i == 0) continue;
            Téglalap& hely = helyek[std::size_t(i)];
            if (i % r.oszlopok != 0) {
                const Téglalap& bal = helyek[std::size_t(i - 1)];
                hely.Left = bal.Left + W + W * térköz;
                hely.Top = bal.Top;
            } else {
                hely.Left = helyek[0].Left;
                hely.Top = helyek[std::size_t(i - r.oszlopok)].Top + H + H * térköz;
            }
        }
    }
    return helyek;
}

std::int16_t szomszéd(std::int16_t index, Irány irány, std::int32_t oszlopok, std::int32_t sorok)
{
    const int oszlop = index % oszlopok, sor = index / oszlopok;
    switch (irány) {
        case Irány::bal:
            return oszlop > 0 ? std::int16_t(index - 1) : index;
        case Irány::jobb:
            return oszlop < oszlopok - 1 ? std::int16_t(index + 1) : index;
        case Irány::fel:
            return sor > 0 ? std::int16_t(index - oszlopok) : index;
        case Irány::le:
            return sor < sorok - 1 ? std::int16_t(index + oszlopok) : index;
    }
    return index;
}
