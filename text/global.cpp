#include "text/global.h"

#include "alap/ablak.h"
#include "alap/szamszoveg.h"

namespace {
const QString times = QStringLiteral("Times New Roman");

void times_betű(Vezérlő& vezérlő)
{
    if (vezérlő.FontName() != times) vezérlő.setFontName(times);
}

// Where the last search for a fitting size ended. Its font is loaded by then,
// and the texts of the game come in like sizes, so the next search measures
// there first.
float előző_vége = 0;

template <class Felület>
float illő_méret_keresése(Felület& felület, const QString& szöveg, float kezdő, double max_szél, double max_mag)
{
    előző_vége = első_nem_illő_méret(felület, szöveg, kezdő, max_szél, max_mag, előző_vége);
    return előző_vége;
}
}  // namespace

void kiír(KépDoboz& doboz, QString& szöveg, float méret)
{
    doboz.setAutoRedraw(true);
    doboz.Cls();
    if (szöveg.isEmpty()) szöveg = üres_szöveg_helyett;
    times_betű(doboz);
    if (méret != 0)
        doboz.setFontSize(méret);
    else
        doboz.setFontSize(illő_méret_keresése(doboz, szöveg, 8, doboz.ScaleWidth(), doboz.ScaleHeight()) - 1);

    // Text without lower-case letters sits lower: its middle at 60 % of the height.
    const double magasság = doboz.TextHeight(szöveg);
    if (szöveg != szöveg.toUpper())
        doboz.CurrentY = doboz.ScaleHeight() / 2 - magasság / 2;
    else
        doboz.CurrentY = doboz.ScaleHeight() * 0.6 - magasság / 2;
    doboz.CurrentX = doboz.ScaleWidth() / 2 - doboz.TextWidth(szöveg) / 2;
    doboz.Print(szöveg);
    doboz.setTag(szöveg);
}

void kiír(Feliratos& vezérlő, QString& szöveg, float)
{
    if (szöveg.isEmpty()) szöveg = vezérlő.Caption();
    times_betű(vezérlő);
    // The window measures: it takes over the control's font and keeps it.
    Ablak& mérő = vezérlő.Parent();
    mérő.setFont(vezérlő.Font());
    const float méret = illő_méret_keresése(mérő, szöveg, 6, vezérlő.Width() * 0.9, vezérlő.Height() * 0.9);
    vezérlő.setFontSize(méret);
    vezérlő.setCaption(szöveg);
}

void kiír(KépDoboz& doboz, double szám, float méret)
{
    QString szöveg = számszöveg::szövegként(szám);
    kiír(doboz, szöveg, méret);
}

void kiír(Feliratos& vezérlő, double szám, float méret)
{
    QString szöveg = számszöveg::szövegként(szám);
    kiír(vezérlő, szöveg, méret);
}
