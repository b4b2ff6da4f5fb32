#pragma once
// Numbers read from and written to text by fixed rules, whatever the user's
// regional settings: "." is the only decimal point.

#include <QString>
#include <QStringView>

namespace számszöveg {
// The leading number of a text: leading blanks are skipped, reading stops at
// the first character that cannot continue the number, no number reads 0.
double Val(QStringView szöveg);
// At most 15 significant digits, no zero before the point of a fraction, a
// leading blank in the sign place of a non-negative number (" 2", " .4", "-1.5").
QString Str(double szám);
// The same without the blank of the sign place ("2", ".4").
QString szövegként(double szám);
// To the nearest whole number, a half to the even neighbour.
long long kerekít(double szám);
// A whole decimal number and nothing else (an optional minus, digits, blanks
// around); false for anything else or a value beyond 32 bits.
bool egész_szám(const QString& szöveg, int& érték);
}  // namespace számszöveg
