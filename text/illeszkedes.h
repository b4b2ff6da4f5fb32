#pragma once
// The size search behind fitting a text into a box, apart from any control.

#include <QString>
#include <algorithm>
#include <cmath>

// The sizes `kezdő`, `kezdő` + 1, `kezdő` + 2, ... in points, up to `kezdő` +
// 1000 (a bound for surfaces that measure nothing): gives the first of them at
// which the text no longer fits within `max_szél` x `max_mag` twips on the
// measuring surface, and leaves the surface at it. A surface offers FontSize,
// setFontSize, TextWidth and TextHeight, and a text never gets narrower or
// lower at a larger size. Every size that a real font is measured at costs a
// font look-up, so the search does not try them all: it measures first at
// `első` (a size whose font is likely loaded already; `kezdő` if smaller),
// guesses from that as if sizes grew in proportion, steps outward from the
// guess in doubling steps until it has a size that fits and one that does
// not, and halves the gap between them. The answer does not depend on `első`.
template <class Felület>
float első_nem_illő_méret(Felület& felület, const QString& szöveg, float kezdő, double max_szél, double max_mag,
                          float első = 0)
{
    constexpr int korlát = 1000;
    double szél = 0, mag = 0;
    const auto illik = [&](int lépés) {
        felület.setFontSize(kezdő + float(lépés));
        szél = felület.TextWidth(szöveg);
        if (szél > max_szél) return false;
        mag = felület.TextHeight(szöveg);
        return mag <= max_mag;
    };
    int jó = -1;         // the largest step known to fit, -1 for none
    int rossz = korlát;  // the smallest step known not to fit, or the bound
    const int mért = std::clamp(int(std::floor(első - kezdő)), 0, korlát - 1);
    (illik(mért) ? jó : rossz) = mért;

    double arány = korlát;  // how many times larger the text may grow
    if (szél > 0) arány = std::min(arány, max_szél / szél);
    if (mag > 0) arány = std::min(arány, max_mag / mag);
    const double becslés = std::floor(double(kezdő + float(mért)) * arány) + 1 - double(kezdő);
    if (rossz - jó > 1) {
        int próba = int(std::clamp(becslés, double(jó + 1), double(rossz - 1)));
        const bool fölfelé = illik(próba);
        (fölfelé ? jó : rossz) = próba;
        int ugrás = 1;  // 0 once the answer lies between jó and rossz
        while (rossz - jó > 1) {
            if (ugrás == 0)
                próba = jó + (rossz - jó) / 2;
            else
                próba = fölfelé ? std::min(jó + ugrás, rossz - 1) : std::max(rossz - ugrás, jó + 1);
            const bool igen = illik(próba);
            (igen ? jó : rossz) = próba;
            ugrás = igen == fölfelé ? ugrás * 2 : 0;
        }
    }
    const float méret = kezdő + float(rossz);
    if (felület.FontSize() != méret) felület.setFontSize(méret);
    return méret;
}
