#pragma once
// The built-in catalogue of word pairs of opposite meaning.

#include <QString>
#include <QStringView>
#include <array>
#include <vector>

// One pair of the catalogue.
struct szópár {
    QString szó1;
    QString szó2;
    bool kiosztva = false;  // dealt in the current game
};

// The catalogue's five texts in their stored order; joined, they are the
// whole catalogue as comma-separated "word-word" entries.
extern const std::array<QStringView, 5> katalógus_részei;
QString katalógus();

// Parses the catalogue text into pairs, in their order. A missing closing
// comma is appended to the text first; blanks are dropped wherever they stand.
void szólista_feldolgozása(QString& szólista, std::vector<szópár>& párok);
