#include "alap/menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "alap/ablak.h"

void Menüpont::létrehoz(Ablak& ablak, const QString& szöveg)
{
    felirat = szöveg;
    lenyíló = ablak.menüsor()->addMenu(szöveg);
    művelet = lenyíló->menuAction();
}

void Menüpont::létrehoz(Menüpont& alá, const QString& szöveg, const QKeySequence& gyorsbillentyű)
{
    felirat = szöveg;
    if (szöveg == QLatin1String("-")) {
        művelet = alá.menu()->addSeparator();
        return;
    }
    // Trailing blanks widen the drop-down menu; the entry itself, which
    // assistive technology reads out, goes without them.
    // The width is found when the menu first opens: laying out a menu costs
    // a font and style look-up that the first sight of the window can do
    // without.
    const QString szó = szöveg.trimmed();
    művelet = alá.menu()->addAction(szó);
    if (szó.size() < szöveg.size()) {
        QMenu* m = alá.menu();
        QAction* a = művelet;
        QObject::connect(
            m, &QMenu::aboutToShow, a,
            [m, a, szöveg, szó] {
                a->setText(szöveg);
                m->setMinimumWidth(std::max(m->minimumWidth(), m->sizeHint().width()));
                a->setText(szó);
            },
            Qt::SingleShotConnection);
    }
    // The shortcut works from anywhere in the window, without opening the menu.
    művelet->setShortcut(gyorsbillentyű);
    művelet->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(művelet, &QAction::triggered, [this] { Click(); });
}

QKeySequence Menüpont::Shortcut() const { return művelet ? művelet->shortcut() : QKeySequence(); }
