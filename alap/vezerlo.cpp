#include "alap/vezerlo.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace egység {
double twip_per_pixel()
{
    static const double érték = [] {
        const QScreen* képernyő = QGuiApplication::primaryScreen();
        const double dpi = képernyő ? képernyő->logicalDotsPerInch() : 96.0;
        return 1440.0 / (dpi > 0 ? dpi : 96.0);
    }();
    return érték;
}
int pixelre(double twip) { return int(std::lround(twip / twip_per_pixel())); }
double twipre(double pixel) { return pixel * twip_per_pixel(); }
}  // namespace egység

namespace {
QString& alap_család()
{
    static QString család = QStringLiteral("MS Sans Serif");
    return család;
}
}  // namespace

QFont alap_betű()
{
    QFont f(alap_család());
    f.setPointSizeF(8.25);
    return f;
}

void alap_betű_arca(const QString& család) { alap_család() = család; }

Vezérlő::~Vezérlő()
{
    if (w) {
        w->hide();
        w->deleteLater();
    }
}

void Vezérlő::beilleszt(QWidget* új, Tároló& hova)
{
    if (w) {
        w->hide();
        w->deleteLater();
    }
    w = új;
    tároló = &hova;
    ablak = &hova.szülőablak();
    w->setParent(hova.tároló_widget());
    geometria_alkalmazása();
    betű_alkalmazása();
    w->setEnabled(engedélyezett);
    // A visible control shows with its container; it is shown on its own
    // only in a container already on the screen. Showing it any earlier
    // would ready its looks for a window that may never be shown.
    if (!látható || (w->parentWidget() && w->parentWidget()->isVisible())) w->setVisible(látható);
    w->setAccessibleName(akadálymentes_név);
}

void Vezérlő::tervezett_helyen(double left, double top, double width, double height)
{
    látható = true;
    engedélyezett = true;
    címke.clear();
    betű = alap_betű();
    akadálymentes_név.clear();
    Move(left, top, width, height);
}

void Vezérlő::alapadatok_másolása(const Vezérlő& minta)
{
    bal = minta.bal;
    felső = minta.felső;
    szél = minta.szél;
    mag = minta.mag;
    betű = minta.betű;
    engedélyezett = minta.engedélyezett;
    címke = minta.címke;
}

void Vezérlő::setLeft(double twip)
{
    bal = twip;
    geometria_alkalmazása();
}
void Vezérlő::setTop(double twip)
{
    felső = twip;
    geometria_alkalmazása();
}
void Vezérlő::setWidth(double twip)
{
    szél = std::max(0.0, twip);
    geometria_alkalmazása();
}
void Vezérlő::setHeight(double twip)
{
    mag = std::max(0.0, twip);
    geometria_alkalmazása();
}

void Vezérlő::Move(double left, double top, double width, double height)
{
    bal = left;
    felső = top;
    szél = std::max(0.0, width);
    mag = std::max(0.0, height);
    geometria_alkalmazása();
}

void Vezérlő::setVisible(bool igen)
{
    látható = igen;
    if (w) w->setVisible(igen);
}

void Vezérlő::setEnabled(bool igen)
{
    engedélyezett = igen;
    if (w) w->setEnabled(igen);
}

void Vezérlő::setFont(const QFont& f)
{
    betű = f;
    betű_alkalmazása();
}

void Vezérlő::setFontName(const QString& név)
{
    betű.setFamily(név);
    betű_alkalmazása();
}

void Vezérlő::setFontSize(float pont)
{
    if (pont > 0) betű.setPointSizeF(pont);
    betű_alkalmazása();
}

void Vezérlő::setFontUnderline(bool igen)
{
    betű.setUnderline(igen);
    betű_alkalmazása();
}

// Edges are rounded separately, so neighbours with fractional positions keep
// even gaps between them.
void Vezérlő::geometria_alkalmazása()
{
    if (!w || !tároló) return;
    const int eltolás = tároló->belső_eltolás();
    const int x1 = egység::pixelre(bal), y1 = egység::pixelre(felső);
    const int x2 = egység::pixelre(bal + szél), y2 = egység::pixelre(felső + mag);
    w->setGeometry(x1 + eltolás, y1 + eltolás, x2 - x1, y2 - y1);
}

// A control whose font is the one it inherits gets none of its own: a font
// of its own costs every widget below it a font change, and a drop-down
// builds its whole pop-up list on one. Before a container takes another
// font, the controls in it are given the fonts they had, so that they keep
// them, as controls do.
void Vezérlő::betű_alkalmazása()
{
    if (!w || (!w->testAttribute(Qt::WA_SetFont) && w->font() == betű)) return;
    if (dynamic_cast<const Tároló*>(this))
        for (QWidget* benne : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (benne->testAttribute(Qt::WA_SetFont)) continue;
            QFont sajátja = benne->font();
            sajátja.setResolveMask(QFont::AllPropertiesResolved);
            benne->setFont(sajátja);
        }
    w->setFont(betű);
}

// The widget tells assistive technology of every change of its name.
void Vezérlő::setAccessibleName(const QString& név)
{
    akadálymentes_név = név;
    if (w) w->setAccessibleName(név);
}

void Vezérlő::SetFocus()
{
    if (w) w->setFocus(Qt::OtherFocusReason);
}
