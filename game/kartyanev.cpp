#include "game/kartyanev.h"

QString kártya_neve(Kártyaállapot állapot, const QString& szó, std::int16_t index, std::int32_t oszlopok)
{
    if (állapot == Kártyaállapot::felfordítva) return szó;
    const QString hely = QStringLiteral(", %1. sor, %2. oszlop").arg(index / oszlopok + 1).arg(index % oszlopok + 1);
    return (állapot == Kártyaállapot::lefordítva ? QStringLiteral("lefordított kártya")
                                                 : QStringLiteral("eltüntetett kártya")) +
           hely;
}
