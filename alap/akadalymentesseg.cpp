#include "alap/akadalymentesseg.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "alap/ablak.h"
#include "alap/vezerlo.h"

namespace akadálymentesség {
namespace {
// A widget of no size that assistive technology sees in the given role.
class Jelző : public QWidget {
public:
    Jelző(QWidget* szülő, QAccessible::Role r) : QWidget(szülő), szerep(r) { setGeometry(0, 0, 0, 0); }
    const QAccessible::Role szerep;
};

QAccessibleInterface* jelző_gyártó(const QString&, QObject* o)
{
    auto* j = dynamic_cast<Jelző*>(o);
    return j ? new QAccessibleWidget(j, j->szerep) : nullptr;
}

// A screen reader reads a notification that appears, and one inside a status
// bar by its name alone.
Jelző* értesítése(const Ablak& ablak)
{
    QWidget* tároló = ablak.tároló_widget();
    if (!tároló) return nullptr;
    // (Without Qt's meta-object of their own, the widgets are told apart by
    // their C++ type.)
    for (QWidget* w : tároló->findChildren<QWidget*>())
        if (auto* j = dynamic_cast<Jelző*>(w); j && j->szerep == QAccessible::Notification) return j;
    static const bool bejegyezve = (QAccessible::installFactory(jelző_gyártó), true);
    Q_UNUSED(bejegyezve);
    auto* sáv = new Jelző(tároló, QAccessible::StatusBar);
    // setVisible, not show(): where windows are shown full screen (the
    // browser), Qt 6.4's show() also activates the widget's window, even
    // under a modal dialog, which then no longer takes the keys.
    sáv->setVisible(true);
    return new Jelző(sáv, QAccessible::Notification);
}

// Runs its task once, the first time its window is active.
class Aktiváláskor : public QObject {
public:
    Aktiváláskor(QWidget* ablak, std::function<void()> teendő) : QObject(ablak), feladat(std::move(teendő)) {}

    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::WindowActivate) {
            feladat();
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> feladat;
};
}  // namespace

void fókusz_jelzése(std::function<Vezérlő*()> melyik)
{
    QTimer::singleShot(0, [melyik = std::move(melyik)] {
        const Vezérlő* v = melyik();
        if (!v || !v->widget()) return;
        QAccessibleEvent e(v->widget(), QAccessible::Focus);
        QAccessible::updateAccessibility(&e);
    });
}

void bemondás(const Ablak& ablak, const QString& szöveg)
{
    Jelző* é = értesítése(ablak);
    if (!é) return;
    é->hide();
    é->setAccessibleName(szöveg);
    é->setVisible(true);
}

void bemondás_aktiváláskor(const Ablak& ablak, const QString& szöveg)
{
    QWidget* w = ablak.widget();
    if (!w) return;
    // Half a second later: a screen reader drops the messages that come in a
    // burst of other events, such as the window's coming back and a new deal.
    const auto később = [&ablak, szöveg, figyelt = QPointer<QWidget>(w)] {
        if (figyelt) QTimer::singleShot(500, figyelt.data(), [&ablak, szöveg] { bemondás(ablak, szöveg); });
    };
    if (w->isActiveWindow())
        később();
    else
        w->installEventFilter(new Aktiváláskor(w, később));
}
}  // namespace akadálymentesség
