#pragma once
// Writing a text into a control in Times New Roman: into a picture box as a
// centred drawing, or as the caption of a label or button, at a given size or
// at the size that fits.

#include <QString>

#include "alap/feliratos.h"
#include "alap/kepdoboz.h"
#include "text/illeszkedes.h"

// Shown instead of an empty text on a picture box.
inline const QString üres_szöveg_helyett = QStringLiteral("Kéne írni ide valamit!");

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
