#pragma once
// What the window designs share: colours and pictures.

#include <QApplication>
#include <QColor>
#include <QPalette>

#include "alap/kepek.h"

// The background of every window of the program.
inline const QColor világos_narancs{255, 192, 128};

// A colour of the desktop's colour scheme by its number: 5 the window
// background, 8 the window text, 15 the button face.
inline QColor rendszerszín(int szám)
{
    const QPalette p = QApplication::palette();
    switch (szám) {
        case 5:
            return p.color(QPalette::Base);
        case 8:
            return p.color(QPalette::Text);
        case 15:
            return p.color(QPalette::Button);
        default:
            return p.color(QPalette::Window);
    }
}

namespace képek {
inline const Kép hátlap{QStringLiteral(":/kepek/hatlap.svg")};
inline const Kép eltüntetett{QStringLiteral(":/kepek/eltuntetett.svg")};
inline const Kép kéz{QStringLiteral(":/kepek/kez.svg")};
inline const Kép ikon{QStringLiteral(":/kepek/ikon.svg")};
inline const Kép dicséret{QStringLiteral(":/kepek/dicseret.svg")};
inline const Kép névjegy{QStringLiteral(":/kepek/nevjegy.svg")};
}  // namespace képek
