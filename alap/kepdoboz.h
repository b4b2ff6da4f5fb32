#pragma once
// A picture box: background colour, a picture scaled to its inner area, a
// border, and a persistent drawing of texts printed at CurrentX/CurrentY.
// It measures texts in its own font and may hold other controls.

#include <QColor>
#include <QString>
#include <functional>
#include <vector>

#include "alap/kepek.h"
#include "alap/szegely.h"
#include "alap/vezerlo.h"

class KépDoboz : public Vezérlő, public Tároló {
public:
    // How a border looks: a plain line, or sunken.
    enum { Flat = 0, ThreeD = 1 };

    KépDoboz() = default;
    ~KépDoboz() override;
    void létrehoz(Tároló& hova, double left, double top, double width, double height);
    // A new element of a control array: the properties of the model, hidden.
    void másolat(const KépDoboz& minta);

    const Kép& Picture() const { return t.kép; }
    void setPicture(const Kép& új);
    QColor BackColor() const { return t.háttér; }
    void setBackColor(const QColor& szín);
    QColor ForeColor() const { return t.előtér; }
    void setForeColor(const QColor& szín) { t.előtér = szín; }
    Szegély BorderStyle() const { return t.keretstílus; }
    void setBorderStyle(Szegély stílus);
    int Appearance() const { return t.megjelenés; }
    void setAppearance(int érték);
    bool AutoRedraw() const { return t.megőrző; }
    void setAutoRedraw(bool igen) { t.megőrző = igen; }

    double ScaleWidth() const;
    double ScaleHeight() const;
    double CurrentX = 0;
    double CurrentY = 0;
    void Cls();
    // Draws the text at (CurrentX, CurrentY) in the box's font and colour,
    // then moves CurrentY to the next line.
    void Print(const QString& szöveg);
    double TextWidth(const QString& szöveg) const;
    double TextHeight(const QString& szöveg) const;

    // What the box shows of its drawing (for tests and the paint).
    struct Nyomat {
        QString szöveg;
        double x, y;
        QFont betű;
        QColor szín;
    };
    const std::vector<Nyomat>& nyomatok() const { return rajz; }

    void onClick(std::function<void()> teendő) { kattintás = std::move(teendő); }
    void kattintás_történt() const
    {
        if (kattintás) kattintás();
    }
    bool kattintható() const { return bool(kattintás); }
    // The left mouse button goes down over the box.
    void onMouseDown(std::function<void()> teendő) { lenyomás = std::move(teendő); }
    void lenyomás_történt() const
    {
        if (lenyomás) lenyomás();
    }
    // A key pressed while the box has the focus (a Qt::Key); the handler
    // tells whether it used the key.
    void onKeyDown(std::function<bool(int kód)> teendő) { billentyű = std::move(teendő); }
    bool billentyű_történt(int kód) const { return billentyű && billentyű(kód); }
    // The box gets or loses the keyboard focus.
    void onFocusChange(std::function<void()> teendő) { fókuszváltás = std::move(teendő); }
    void fókusz_változott() const
    {
        if (fókuszváltás) fókuszváltás();
    }

    // Whether the box takes the keyboard focus (by Tab and by click).
    void setTabStop(bool igen);
    // A thick frame just inside the border that marks the box as the one the
    // keyboard works on.
    bool Kiemelt() const { return kiemelt; }
    void setKiemelt(bool igen);

    QWidget* tároló_widget() const override { return widget(); }
    int belső_eltolás() const override;
    Ablak& szülőablak() override { return Parent(); }

    void festés(class QPainter& p, QSize méret) const;

private:
    void frissít();
    void átlátszóság();
    // What a new element of a control array takes over from its model.
    struct Tulajdonságok {
        Kép kép;
        QColor háttér{240, 240, 240};
        QColor előtér = Qt::black;
        Szegély keretstílus = Szegély::FixedSingle;
        bool megőrző = false;
        int megjelenés = ThreeD;
    } t;
    std::vector<Nyomat> rajz;
    bool kiemelt = false;
    bool tabstop = false;
    std::function<void()> kattintás;
    std::function<void()> lenyomás;
    std::function<bool(int)> billentyű;
    std::function<void()> fókuszváltás;
};
