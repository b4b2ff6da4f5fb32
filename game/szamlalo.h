#pragma once
// The turn counter's caption. The count lives only in the caption.

#include <QString>

// Every board starts with it, without a blank in front.
inline const QString kezdő_számláló = QStringLiteral("0 fordítás");

// The caption after one more turn: the number read back from the caption,
// plus one, with a blank in the sign place (" 1 fordítás", " 10 fordítás").
QString következő_számláló(const QString& felirat);
