#include "game/huzas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "alap/szamszoveg.h"

std::size_t véletlen_index(float x, std::size_t darab)
{
    const auto i = std::size_t(std::floor(double(x) * double(darab)));
    return std::min(i, darab - 1);
}

std::size_t pár_húzása(std::vector<szópár>& párok, const Véletlenforrás& rnd)
{
    if (std::all_of(párok.begin(), párok.end(), [](const szópár& p) { return p.kiosztva; }))
        throw std::logic_error("every pair is dealt already");
    std::size_t k;
    do k = véletlen_index(rnd(), párok.size());
    while (párok[k].kiosztva);
    párok[k].kiosztva = true;
    return k;
}

std::size_t kártya_húzása(const std::vector<QString>& szavak, const Véletlenforrás& rnd)
{
    if (std::none_of(szavak.begin(), szavak.end(), [](const QString& s) { return s.isEmpty(); }))
        throw std::logic_error("every card holds a word already");
    std::size_t j;
    do j = véletlen_index(rnd(), szavak.size());
    while (!szavak[j].isEmpty());
    return j;
}

std::size_t kiosztás(std::vector<szópár>& párok, std::vector<QString>& szavak, const Véletlenforrás& rnd,
                     const Szélességmérő& szélesség)
{
    const long long pároké = számszöveg::kerekít(double(szavak.size()) / 2);
    std::size_t leghosszabb = 0;
    const auto elhelyez = [&](const QString& szó) {
        const std::size_t j = kártya_húzása(szavak, rnd);
        szavak[j] = szó;
        if (szélesség(szavak[j]) > szélesség(szavak[leghosszabb])) leghosszabb = j;
    };
    for (long long n = 0; n < pároké; ++n) {
        const szópár& pár = párok[pár_húzása(párok, rnd)];
        elhelyez(pár.szó1);
        elhelyez(pár.szó2);
    }
    return leghosszabb;
}
