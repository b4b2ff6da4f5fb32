#pragma once
// Writing a text into a control in Times New Roman: into a picture box as a
// centred drawing, or as the caption of a label or button, at a given size or
// at the size that fits.

#include <QString>
#include <algorithm>
#include <cmath>

#include "alap/feliratos.h"
#include "alap/kepdoboz.h"

// Shown instead of an empty text on a picture box.
inline const QString üres_szöveg_helyett = QStringLiteral("Kéne írni ide valamit!");

// The sizes `kezdő`, `kezdő` + 1, `kezdő` + 2, ... in points, up to `kezdő` +
// 1000 (a bound for surfaces that measure nothing): gives the first of them at
// which the text no longer fits within `max_szél` x `max_mag` twips on the
// measuring surface, and leaves the surface at it. A surface offers FontSize,
// setFontSize, TextWidth and TextHeight, and a text never gets narrower or
// lower at a larger size. Every size that a real font is measured at costs a
// font look-up, so the search does not try them all: it guesses from the
// measurement at `kezdő`, as if sizes grew in proportion, steps outward from
// the guess in doubling steps until it has a size that fits and one that does
// not, and halves the gap between them.
template <class Felület>
float első_nem_illő_méret(Felület& felület, const QString& szöveg, float kezdő, double max_szél, double max_mag)
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
    if (!illik(0)) return kezdő;

    double arány = korlát;  // how many times larger the text may grow
    if (szél > 0) arány = std::min(arány, max_szél / szél);
    if (mag > 0) arány = std::min(arány, max_mag / mag);
    const double becslés = std::floor(double(kezdő) * (arány - 1)) + 1;
    int próba = int(std::clamp(becslés, 1.0, double(korlát - 1)));

    int jó = 0;          // the largest step known to fit
    int rossz = korlát;  // the smallest step known not to fit, or the bound
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
    const float méret = kezdő + float(rossz);
    if (felület.FontSize() != méret) felület.setFontSize(méret);
    return méret;
}

// A size of 0 asks for the largest size that fits (the last size at which the
// text fits, for a picture box; the first that no longer fits 90 % of a
// label or button). The text may be changed: an empty text becomes the
// placeholder on a picture box and the control's caption elsewhere.
void kiír(KépDoboz& doboz, QString& szöveg, float méret);
void kiír(Feliratos& vezérlő, QString& szöveg, float méret);
// A number is written as text, without a blank in the sign place.
void kiír(KépDoboz& doboz, double szám, float méret);
void kiír(Feliratos& vezérlő, double szám, float méret);

// For a text whose change the caller does not need.
inline void kiír(KépDoboz& doboz, const QString& szöveg, float méret)
{
    QString másolat = szöveg;
    kiír(doboz, másolat, méret);
}
inline void kiír(Feliratos& vezérlő, const QString& szöveg, float méret)
{
    QString másolat = szöveg;
    kiír(vezérlő, másolat, méret);
}
