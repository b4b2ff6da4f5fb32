#include "alap/szamszoveg.h"

#include <QByteArray>
#include <cmath>
#include <string>

namespace számszöveg {

double Val(QStringView szöveg)
{
    qsizetype i = 0;
    const qsizetype n = szöveg.size();
    while (i < n && (szöveg[i] == u' ' || szöveg[i] == u'\t')) ++i;

    std::string szám;
    const auto jegy = [&](qsizetype k) { return k < n && szöveg[k] >= u'0' && szöveg[k] <= u'9'; };
    if (i < n && (szöveg[i] == u'-' || szöveg[i] == u'+')) szám += char(szöveg[i++].unicode());
    bool volt_jegy = false;
    while (jegy(i)) szám += char(szöveg[i++].unicode()), volt_jegy = true;
    if (i < n && szöveg[i] == u'.') {
        szám += '.';
        ++i;
        while (jegy(i)) szám += char(szöveg[i++].unicode()), volt_jegy = true;
    }
    if (!volt_jegy) return 0;
    // An exponent counts only when at least one digit follows it.
    if (i < n && (szöveg[i] == u'e' || szöveg[i] == u'E' || szöveg[i] == u'd' || szöveg[i] == u'D')) {
        qsizetype k = i + 1;
        std::string kitevő = "e";
        if (k < n && (szöveg[k] == u'-' || szöveg[k] == u'+')) kitevő += char(szöveg[k++].unicode());
        if (jegy(k)) {
            while (jegy(k)) kitevő += char(szöveg[k++].unicode());
            szám += kitevő;
        }
    }
    // Read in the C locale, whatever the user's; a number out of a double's
    // range reads as 0.
    bool jó = false;
    const double érték = QByteArray::fromStdString(szám).toDouble(&jó);
    return jó ? érték : 0;
}

QString szövegként(double szám)
{
    if (szám == 0) return QStringLiteral("0");
    QString s = QString::number(szám, 'g', 15).toUpper();
    if (s.startsWith(QLatin1String("0.")))
        s.remove(0, 1);
    else if (s.startsWith(QLatin1String("-0.")))
        s.remove(1, 1);
    return s;
}

QString Str(double szám)
{
    const QString s = szövegként(szám);
    return szám >= 0 ? QLatin1Char(' ') + s : s;
}

long long kerekít(double szám) { return std::llrint(szám); }

bool egész_szám(const QString& szöveg, int& érték)
{
    const QString s = szöveg.trimmed();
    const QStringView jegyek = s.startsWith(u'-') ? QStringView(s).mid(1) : QStringView(s);
    if (jegyek.isEmpty()) return false;
    for (QChar c : jegyek)
        if (c < u'0' || c > u'9') return false;
    bool jó = false;
    const int v = s.toInt(&jó);
    if (jó) érték = v;
    return jó;
}
}  // namespace számszöveg
