#pragma once
// The board size and the waiting time as the settings dialog's texts give them.

#include <QString>
#include <cstdint>

struct Táblaméret {
    std::int32_t oszlopok, sorok;
};

// Columns from the caption's first character, rows from its last: "4*6" is
// four by six just as "4x6" would be.
Táblaméret táblaméret_feliratból(const QString& felirat);

// The waiting-time text in seconds ("." the decimal point) as whole
// milliseconds, halves to even. A text that reads as no positive number of
// milliseconds gives 2000: without a positive interval a turn would never be
// settled.
int várakozás_ezredmásodpercben(const QString& szöveg);
