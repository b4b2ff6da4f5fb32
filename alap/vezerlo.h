#pragma once
// The base of every control of a window: position and size in 1/1440 inch
// (twips) relative to the inner area of its container, visibility, Tag and
// font. The twips stay the truth; pixels are computed only where the real
// widget is placed.
//
// A control's values last as long as its window stays loaded. Loading the
// window makes every control anew from the design (each control's létrehoz
// starts from the values of a new control), so a window that is unloaded and
// loaded again shows its design, not what its last showing left behind.

#include <QFont>
#include <QPointer>
#include <QString>
#include <QWidget>

class Ablak;

namespace egység {
// Twips per pixel of the screen (15 at 96 dpi).
double twip_per_pixel();
int pixelre(double twip);
double twipre(double pixel);
}  // namespace egység

// The toolkit's default dialog font, "MS Sans Serif" 8.25 point, in the
// installed face that stands in for it.
QFont alap_betű();
// Names the face that stands in for "MS Sans Serif" (program::előkészít).
void alap_betű_arca(const QString& család);

// Something that holds controls: a window's inner area, a picture box, a frame.
class Tároló {
public:
    virtual ~Tároló() = default;
    virtual QWidget* tároló_widget() const = 0;
    // Pixels from the widget's corner to the origin of the inner coordinates.
    virtual int belső_eltolás() const { return 0; }
    virtual Ablak& szülőablak() = 0;
};

class Vezérlő {
public:
    Vezérlő() = default;
    Vezérlő(const Vezérlő&) = delete;
    Vezérlő& operator=(const Vezérlő&) = delete;
    virtual ~Vezérlő();

    double Left() const { return bal; }
    double Top() const { return felső; }
    double Width() const { return szél; }
    double Height() const { return mag; }
    void setLeft(double twip);
    void setTop(double twip);
    void setWidth(double twip);
    void setHeight(double twip);
    void Move(double left, double top, double width, double height);

    bool Visible() const { return látható; }
    void setVisible(bool igen);
    bool Enabled() const { return engedélyezett; }
    void setEnabled(bool igen);

    const QString& Tag() const { return címke; }
    void setTag(const QString& szöveg) { címke = szöveg; }

    const QFont& Font() const { return betű; }
    void setFont(const QFont& f);
    QString FontName() const { return betű.family(); }
    void setFontName(const QString& név);
    float FontSize() const { return float(betű.pointSizeF()); }
    void setFontSize(float pont);
    void setFontUnderline(bool igen);

    // Gives the control the keyboard focus (when its window is active).
    void SetFocus();
    bool HasFocus() const { return w && w->hasFocus(); }

    // What assistive technology calls the control; empty: its caption.
    void setAccessibleName(const QString& név);

    Ablak& Parent() const { return *ablak; }
    Tároló& Container() const { return *tároló; }
    QWidget* widget() const { return w; }

protected:
    // The first step of every létrehoz: the values of a new control (visible,
    // enabled, no Tag, the dialog font), placed where the design puts it.
    void tervezett_helyen(double left, double top, double width, double height);
    // Takes over a freshly made widget, places it into the container and
    // applies the control's geometry, font, visibility and enabled state.
    void beilleszt(QWidget* új, Tároló& hova);
    // Copies geometry, font, Tag and enabled state of another control.
    void alapadatok_másolása(const Vezérlő& minta);
    virtual void geometria_alkalmazása();
    virtual void betű_alkalmazása();

    QPointer<QWidget> w;

private:
    Ablak* ablak = nullptr;
    Tároló* tároló = nullptr;
    double bal = 0, felső = 0, szél = 0, mag = 0;
    bool látható = true;
    bool engedélyezett = true;
    QString címke;
    QFont betű = alap_betű();
    QString akadálymentes_név;
};
