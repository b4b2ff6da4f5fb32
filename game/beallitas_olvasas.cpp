#include "game/beallitas_olvasas.h"

#include <limits>

#include "alap/szamszoveg.h"

namespace {
constexpr int alap_várakozás_ms = 2000;
}  // namespace

Táblaméret táblaméret_feliratból(const QString& felirat)
{
    return {std::int32_t(számszöveg::kerekít(számszöveg::Val(felirat.left(1)))),
            std::int32_t(számszöveg::kerekít(számszöveg::Val(felirat.right(1))))};
}

int várakozás_ezredmásodpercben(const QString& szöveg)
{
    const double ezredmásodperc = számszöveg::Val(szöveg) * 1000;
    if (!(ezredmásodperc > 0 && ezredmásodperc < std::numeric_limits<std::int32_t>::max())) return alap_várakozás_ms;
    const long long kerek = számszöveg::kerekít(ezredmásodperc);
    return kerek > 0 ? int(kerek) : alap_várakozás_ms;
}
