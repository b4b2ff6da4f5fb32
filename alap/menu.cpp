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
    művelet = alá.menu()->addAction(szöveg);
    const QString szó = szöveg.trimmed();
    if (szó.size() < szöveg.size()) {
        QMenu* m = alá.menu();
        m->setMinimumWidth(std::max(m->minimumWidth(), m->sizeHint().width()));
        művelet->setText(szó);
    }
    // The shortcut works from anywhere in the window, without opening the menu.
    művelet->setShortcut(gyorsbillentyű);
    művelet->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(művelet, &QAction::triggered, [this] { Click(); });
}

QKeySequence Menüpont::Shortcut() const { return művelet ? művelet->shortcut() : QKeySequence(); }
