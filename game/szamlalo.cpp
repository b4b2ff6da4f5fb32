#include "game/szamlalo.h"

#include "alap/szamszoveg.h"

QString következő_számláló(const QString& felirat)
{
    return számszöveg::Str(számszöveg::Val(felirat) + 1) + QStringLiteral(" fordítás");
}
