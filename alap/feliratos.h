#pragma once
// Labels, buttons, frames, option buttons, drop-down lists and lines.

#include <QColor>
#include <QPoint>
#include <QString>
#include <functional>

#include "alap/kepek.h"
#include "alap/vezerlo.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// A control that shows a caption.
class Feliratos : public Vezérlő {
public:
    virtual QString Caption() const = 0;
    virtual void setCaption(const QString& szöveg) = 0;
    void onClick(std::function<void()> teendő) { kattintás = std::move(teendő); }

protected:
    void kattintás_történt() const
    {
        if (kattintás) kattintás();
    }
    std::function<void()> kattintás;
};

class Címke : public Feliratos {
public:
    enum { LeftJustify = 0, RightJustify = 1, Center = 2 };
    void létrehoz(Tároló& hova, double left, double top, double width, double height, const QString& felirat);
    QString Caption() const override { return felirat; }
    void setCaption(const QString& szöveg) override;
    int Alignment() const { return igazítás; }
    void setAlignment(int érték);
    void setForeColor(const QColor& szín);
    // A custom mouse pointer over the label.
    void setMouseIcon(const Kép& kép, QPoint forrópont);
    // A label that works as a link: Tab reaches it, Enter or Space follows
    // it as a click does, and assistive technology sees a link.
    void setLink(bool igen);
    // The control the label names for assistive technology.
    void setBuddy(const Vezérlő& vezérlő);

private:
    QLabel* címke() const;
    QString felirat;
    int igazítás = LeftJustify;
};

class Gomb : public Feliratos {
public:
    void létrehoz(Tároló& hova, double left, double top, double width, double height, const QString& felirat);
    QString Caption() const override { return felirat; }
    void setCaption(const QString& szöveg) override;
    // Enter presses the default button, Esc the cancel button of the window.
    void setDefault(bool igen);
    void setCancel(bool igen);
    void nyomás() const { kattintás_történt(); }

private:
    QPushButton* gomb() const;
    QString felirat;
};

class Keret : public Feliratos, public Tároló {
public:
    void létrehoz(Tároló& hova, double left, double top, double width, double height, const QString& felirat,
                  const QColor& háttér);
    QString Caption() const override { return felirat; }
    void setCaption(const QString& szöveg) override;
    QWidget* tároló_widget() const override { return widget(); }
    Ablak& szülőablak() override { return Parent(); }

private:
    QString felirat;
};

class Választógomb : public Feliratos {
public:
    void létrehoz(Tároló& hova, double left, double top, double width, double height, const QString& felirat,
                  const QColor& háttér);
    QString Caption() const override { return felirat; }
    void setCaption(const QString& szöveg) override;
    bool Value() const;
    // Selecting one option clears the others of its container.
    void setValue(bool igen);

private:
    QRadioButton* gomb() const;
    QString felirat;
};

// A drop-down list whose entries can only be picked.
class LenyílóLista : public Vezérlő {
public:
    void létrehoz(Tároló& hova, double left, double top, double width, double height);
    void AddItem(const QString& szöveg);
    int ListCount() const;
    QString List(int index) const;
    int ListIndex() const;
    void setListIndex(int index);
    // The text of the selected entry, empty when none is selected.
    QString Text() const;

private:
    QComboBox* lista() const;
};

class Vonal : public Vezérlő {
public:
    void létrehoz(Tároló& hova, double x1, double y1, double x2, double y2, const QColor& szín, int vastagság);

private:
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QColor szín;
    int vastagság = 1;
    friend class VonalWidget;
};
