#pragma once
// Menus of a window: drop-down menus on the menu bar and their entries, with
// access keys ("&") and function-key shortcuts.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>
#include <QString>
#include <functional>

class Ablak;

class Menüpont {
public:
    // A drop-down menu on the window's menu bar.
    void létrehoz(Ablak& ablak, const QString& felirat);
    // An entry of a drop-down menu; the caption "-" makes a separator line.
    void létrehoz(Menüpont& alá, const QString& felirat, const QKeySequence& gyorsbillentyű = {});
    QString Caption() const { return felirat; }
    QKeySequence Shortcut() const;
    void onClick(std::function<void()> teendő) { kattintás = std::move(teendő); }
    void Click() const
    {
        if (kattintás) kattintás();
    }
    QAction* action() const { return művelet; }
    QMenu* menu() const { return lenyíló; }

private:
    QString felirat;
    QPointer<QAction> művelet;
    QPointer<QMenu> lenyíló;
    std::function<void()> kattintás;
};
