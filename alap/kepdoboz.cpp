#include "alap/kepdoboz.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <vector>

namespace {
// The keyboard's mark: a deep blue that stands out from the grey card backs,
// the white faces and the light orange window.
const QColor kiemelés_színe(0, 80, 220);

class KépDobozWidget : public QWidget {
public:
    explicit KépDobozWidget(KépDoboz& tulajdonos) : gazda(&tulajdonos) {}
    // A kept widget belongs to no box until a new one takes it.
    void gazdája(KépDoboz* doboz)
    {
        gazda = doboz;
        lenyomva = false;
    }
    KépDoboz* gazda;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!gazda) return;
        QPainter p(this);
        gazda->festés(p, size());
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        lenyomva = e->button() == Qt::LeftButton;
        if (gazda && lenyomva) gazda->lenyomás_történt();
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        // A click is a press and a release of the left button over the box.
        if (gazda && lenyomva && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
            lenyomva = false;
            gazda->kattintás_történt();
        }
        lenyomva = false;
    }
    void focusInEvent(QFocusEvent* e) override
    {
        QWidget::focusInEvent(e);
        if (gazda) gazda->fókusz_változott();
    }
    void focusOutEvent(QFocusEvent* e) override
    {
        QWidget::focusOutEvent(e);
        if (gazda) gazda->fókusz_változott();
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->modifiers() & ~Qt::KeypadModifier || !gazda || !gazda->billentyű_történt(e->key()))
            QWidget::keyPressEvent(e);
    }

private:
    bool lenyomva = false;
};

// A box that answers clicks is a button to assistive technology, and its
// press action is a click. Qt may ask for the interface while the box is
// being made, before its click handler is set, and a kept widget passes to
// another box, so the role and the box are found anew at every question.
class KépDobozFelület : public QAccessibleWidget {
public:
    explicit KépDobozFelület(KépDobozWidget* w) : QAccessibleWidget(w) {}
    QAccessible::Role role() const override
    {
        return kattintható() ? QAccessible::Button : QAccessibleWidget::role();
    }
    QStringList actionNames() const override
    {
        return kattintható() ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
    }
    void doAction(const QString& művelet) override
    {
        if (művelet == pressAction() && kattintható()) {
            if (widget()->isEnabled()) doboz()->kattintás_történt();
        } else {
            QAccessibleWidget::doAction(művelet);
        }
    }

private:
    KépDoboz* doboz() const { return static_cast<KépDobozWidget*>(widget())->gazda; }
    bool kattintható() const { return doboz() && doboz()->kattintható(); }
};

QAccessibleInterface* felület_gyártó(const QString&, QObject* o)
{
    auto* w = dynamic_cast<KépDobozWidget*>(o);
    return w ? new KépDobozFelület(w) : nullptr;
}

// The widgets of unloaded boxes, hidden, kept for the next box loaded into
// the same container: a new board takes over the widgets of the cards the
// last one dropped instead of making them anew.
std::vector<QPointer<KépDobozWidget>>& tartalék()
{
    static auto* lista = new std::vector<QPointer<KépDobozWidget>>;  // kept till the end: boxes outlive statics
    return *lista;
}

// A kept widget of that container, or a new one.
KépDobozWidget* új_widget(KépDoboz& új, QWidget* tároló = nullptr)
{
    static const bool bejegyezve = (QAccessible::installFactory(felület_gyártó), true);
    Q_UNUSED(bejegyezve);
    auto& lista = tartalék();
    lista.erase(std::remove(lista.begin(), lista.end(), nullptr), lista.end());
    for (auto it = lista.begin(); tároló && it != lista.end(); ++it) {
        if ((*it)->parentWidget() != tároló) continue;
        KépDobozWidget* w = *it;
        lista.erase(it);
        w->gazdája(&új);
        return w;
    }
    return new KépDobozWidget(új);
}
}  // namespace

KépDoboz::~KépDoboz()
{
    auto* kw = static_cast<KépDobozWidget*>(w.data());
    if (!kw) return;
    kw->hide();
    kw->gazdája(nullptr);
    tartalék().push_back(kw);
    w = nullptr;
}

void KépDoboz::létrehoz(Tároló& hova, double left, double top, double width, double height)
{
    tervezett_helyen(left, top, width, height);
    t = {};
    rajz.clear();
    CurrentX = CurrentY = 0;
    kiemelt = tabstop = false;
    beilleszt(új_widget(*this), hova);
    átlátszóság();
}

void KépDoboz::másolat(const KépDoboz& minta)
{
    alapadatok_másolása(minta);
    t = minta.t;
    kiemelt = false;
    setVisible(false);
    beilleszt(új_widget(*this, minta.Container().tároló_widget()), minta.Container());
    átlátszóság();
}

void KépDoboz::frissít()
{
    if (w) w->update();
}

// A new picture replaces the persistent drawing as well.
void KépDoboz::setPicture(const Kép& új)
{
    t.kép = új;
    rajz.clear();
    frissít();
}

void KépDoboz::setBackColor(const QColor& szín)
{
    t.háttér = szín;
    átlátszóság();
    frissít();
}

// A box on an opaque background paints every pixel of itself, so what lies
// behind it need not be painted first.
void KépDoboz::átlátszóság()
{
    if (w) w->setAttribute(Qt::WA_OpaquePaintEvent, t.háttér.alpha() == 255);
}

void KépDoboz::setBorderStyle(Szegély stílus)
{
    t.keretstílus = stílus;
    geometria_alkalmazása();
    frissít();
}

void KépDoboz::setAppearance(int érték)
{
    t.megjelenés = érték;
    frissít();
}

void KépDoboz::setTabStop(bool igen)
{
    tabstop = igen;
    if (w) w->setFocusPolicy(igen ? Qt::StrongFocus : Qt::NoFocus);
}

void KépDoboz::setKiemelt(bool igen)
{
    if (kiemelt == igen) return;
    kiemelt = igen;
    frissít();
}

int KépDoboz::belső_eltolás() const
{
    if (t.keretstílus == Szegély::None) return 0;
    return t.megjelenés == Flat ? 1 : 2;
}

double KépDoboz::ScaleWidth() const { return std::max(0.0, Width() - egység::twipre(2 * belső_eltolás())); }

double KépDoboz::ScaleHeight() const { return std::max(0.0, Height() - egység::twipre(2 * belső_eltolás())); }

void KépDoboz::Cls()
{
    rajz.clear();
    CurrentX = CurrentY = 0;
    frissít();
}

void KépDoboz::Print(const QString& szöveg)
{
    rajz.push_back({szöveg, CurrentX, CurrentY, Font(), t.előtér});
    CurrentX = 0;
    CurrentY += TextHeight(szöveg);
    frissít();
}

double KépDoboz::TextWidth(const QString& szöveg) const
{
    return egység::twipre(QFontMetricsF(Font()).horizontalAdvance(szöveg));
}

double KépDoboz::TextHeight(const QString&) const { return egység::twipre(QFontMetricsF(Font()).height()); }

void KépDoboz::festés(QPainter& p, QSize méret) const
{
    const int e = belső_eltolás();
    const QRect belül(e, e, méret.width() - 2 * e, méret.height() - 2 * e);
    p.fillRect(QRect(QPoint(0, 0), méret), t.háttér);
    if (!t.kép.üres()) {
        const qreal dpr = p.device()->devicePixelRatioF();
        QPixmap pm = képtár::pixmap(t.kép, belül.size() * dpr);
        pm.setDevicePixelRatio(dpr);
        p.drawPixmap(belül.topLeft(), pm);
    }
    if (!rajz.empty()) {
        p.save();
        p.setClipRect(belül);
        p.setRenderHint(QPainter::TextAntialiasing);
        for (const Nyomat& ny : rajz) {
            p.setFont(ny.betű);
            p.setPen(ny.szín);
            const QFontMetricsF fm(ny.betű);
            p.drawText(QPointF(e + ny.x / egység::twip_per_pixel(), e + ny.y / egység::twip_per_pixel() + fm.ascent()),
                       ny.szöveg);
        }
        p.restore();
    }
    const int r = méret.width() - 1, b = méret.height() - 1;
    if (e == 1) {
        // A one-pixel line around the edge, drawn as four filled strips.
        const QColor vonal(64, 64, 64);
        p.fillRect(0, 0, r + 1, 1, vonal);
        p.fillRect(0, b, r + 1, 1, vonal);
        p.fillRect(0, 1, 1, b - 1, vonal);
        p.fillRect(r, 1, 1, b - 1, vonal);
    } else if (e == 2) {
        // Sunken: dark above and left, light below and right.
        p.setPen(QColor(128, 128, 128));
        p.drawLine(0, 0, r, 0);
        p.drawLine(0, 0, 0, b);
        p.setPen(QColor(64, 64, 64));
        p.drawLine(1, 1, r - 1, 1);
        p.drawLine(1, 1, 1, b - 1);
        p.setPen(Qt::white);
        p.drawLine(0, b, r, b);
        p.drawLine(r, 0, r, b);
        p.setPen(QColor(212, 208, 200));
        p.drawLine(1, b - 1, r - 1, b - 1);
        p.drawLine(r - 1, 1, r - 1, b - 1);
    }
    if (kiemelt) {
        // Plain to see on a card back, a word and a removed card alike,
        // without hiding the card: 3 to 8 pixels, by the card's size.
        const qreal vastag = std::clamp(std::min(belül.width(), belül.height()) / 12.0, 3.0, 8.0);
        p.setPen(QPen(kiemelés_színe, vastag, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(belül).adjusted(vastag / 2, vastag / 2, -vastag / 2, -vastag / 2));
    }
}
