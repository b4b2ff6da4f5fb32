#pragma once
// A window of the program: one instance for the whole run, loaded on first
// reference (its controls are made from the design and its load event runs,
// without showing it), shown plainly or modally, hidden, unloaded. Outer
// position and size and the inner area are in twips.

#include <QColor>
#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "alap/kepek.h"
#include "alap/vezerlo.h"

class QEventLoop;
class QMenuBar;
class Gomb;
class Időzítő;

namespace képernyő {
// The whole screen in twips; it may begin off the visible area (in the
// browser the page is 90 % of it).
double Left();
double Top();
double Width();
double Height();
}  // namespace képernyő

class Ablak : public Tároló {
public:
    Ablak();
    Ablak(const Ablak&) = delete;
    Ablak& operator=(const Ablak&) = delete;
    ~Ablak() override;

    bool betöltve() const { return widget_ != nullptr; }
    void Load();
    void Unload();
    void Show();
    // Returns when the window has been hidden or unloaded.
    void ShowModal();
    void Hide();
    bool Visible() const;
    bool modális() const { return modális_hurok != nullptr; }

    QString Caption() const { return felirat; }
    void setCaption(const QString& szöveg);

    // Outer position and size, frame, title bar and menu included.
    double Left() const { return bal; }
    double Top() const { return felső; }
    double Width() const { return szél; }
    double Height() const { return mag; }
    void setLeft(double twip);
    void setTop(double twip);
    void setWidth(double twip);
    void setHeight(double twip);
    // The inner area, in which the controls lie.
    double ScaleWidth() const;
    double ScaleHeight() const;

    QColor BackColor() const { return háttér; }
    void setBackColor(const QColor& szín);

    // The window's own font serves to measure texts; it is not shown.
    QString FontName() const { return betű.family(); }
    void setFontName(const QString& név) { betű.setFamily(név); }
    float FontSize() const { return float(betű.pointSizeF()); }
    void setFontSize(float pont)
    {
        if (pont > 0) betű.setPointSizeF(pont);
    }
    const QFont& Font() const { return betű; }
    void setFont(const QFont& f) { betű = f; }
    double TextWidth(const QString& szöveg) const;
    double TextHeight(const QString& szöveg) const;

    QMainWindow* widget() const { return widget_; }
    // Read by a screen reader when a dialog comes up.
    void setAccessibleDescription(const QString& szöveg);
    QWidget* tároló_widget() const override;
    Ablak& szülőablak() override { return *this; }
    QMenuBar* menüsor();

    // Enter and Esc press these buttons (set by the buttons themselves).
    void alapgomb_legyen(Gomb* gomb) { alapgomb = gomb; }
    void mégsemgomb_legyen(Gomb* gomb) { mégsemgomb = gomb; }
    Gomb* Default() const { return alapgomb; }
    Gomb* Cancel() const { return mégsemgomb; }
    void időzítő_bejegyzése(Időzítő* időzítő) { időzítők.push_back(időzítő); }
    // The order in which Tab visits the controls.
    static void tabsorrend(std::initializer_list<const Vezérlő*> sorrend);

    // The user asks to close the window (close box, system menu, Alt+F4).
    void bezárás_kérése() { Form_QueryUnload(); }

    // Unloads every window and destroys their widgets at once (the tests
    // start each case from fresh windows, and end with none).
    static void mind_Unload();

protected:
    enum class Elhelyezés { kézi, képernyő_közepe, rendszer };
    struct Ablakkeret {
        bool vezérlőmenü = true;  // close box and system menu
        bool főablak = false;     // the start-up window (dialogs' owner; task bar button off Windows)
        Elhelyezés elhelyezés = Elhelyezés::rendszer;
        double belső_szél = 0, belső_mag = 0;
        double bal = 0, felső = 0;  // for manual placement: of the inner area
    };
    // Called by the designs first: frame, inner size, caption and colour.
    void ablak_tervezése(const Ablakkeret& keret, const QString& felirat, const QColor& háttér);
    // The icon is given to the window once it has shown its first frame.
    void setIcon(const Kép& kép);

    virtual void tervezés() = 0;
    virtual void Form_Load() {}
    // The start-up window is active again after a modal window has closed.
    virtual void Form_Activate() {}
    virtual void Form_QueryUnload() { Unload(); }

private:
    QMargins keretméret() const;
    void gazdához_kötés();
    QWidget* gazdaablak() const;
    void méret_alkalmazása();
    void hely_alkalmazása();

    QPointer<QMainWindow> widget_;
    QWidget* belső = nullptr;
    QMenuBar* menü = nullptr;
    QEventLoop* modális_hurok = nullptr;
    Kép ikon;  // the icon still to be given to the window
    std::vector<Időzítő*> időzítők;
    Gomb* alapgomb = nullptr;
    Gomb* mégsemgomb = nullptr;
    QString felirat;
    QColor háttér;
    QFont betű = alap_betű();
    double bal = 0, felső = 0, szél = 0, mag = 0;
    Ablakkeret keret;
    bool elhelyezve = false;
};

// The one program-wide instance of a window, made on first use. Calling it
// refers to the window's controls, so it loads the window when needed.
template <class T>
class Példány {
public:
    T& operator()()
    {
        T& ablak = nem_betöltve();
        ablak.Load();
        return ablak;
    }
    // The instance as it is, loaded or not.
    T& nem_betöltve()
    {
        if (!p) p = std::make_unique<T>();
        return *p;
    }
    bool betöltve() const { return p && p->betöltve(); }
    void Unload()
    {
        if (p) p->Unload();
    }

private:
    std::unique_ptr<T> p;
};
