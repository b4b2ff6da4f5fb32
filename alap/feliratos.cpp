#include "alap/feliratos.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <cmath>
#include <utility>

#include "alap/ablak.h"

namespace {
void háttérszín(QWidget* w, const QColor& szín)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, szín);
    p.setColor(QPalette::Button, szín);
    w->setPalette(p);
    w->setBackgroundRole(QPalette::Window);
    w->setAutoFillBackground(true);
}

// A frame is an etched rectangle with its caption set into the top line.
QString keret_stílus(const QColor& háttér)
{
    return QStringLiteral(
               "QGroupBox { background: %1; border: 2px groove #c8c0b8; margin-top: 6px; }"
               "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
               " left: 7px; padding: 0 2px; background: %1; }")
        .arg(háttér.name());
}

// Its look is a style sheet, which takes effect when the frame is first
// readied for showing: parsing it costs a loaded but hidden window time.
class KeretWidget : public QGroupBox {
public:
    KeretWidget(const QString& felirat, const QColor& háttér) : QGroupBox(felirat), szín(háttér) {}

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::Polish && !stílus_kész) {
            stílus_kész = true;
            setStyleSheet(keret_stílus(szín));
        }
        return QGroupBox::event(e);
    }

private:
    QColor szín;
    bool stílus_kész = false;
};

class KattinthatóCímke : public QLabel {
public:
    explicit KattinthatóCímke(std::function<void()> teendő) : kattintás(std::move(teendő)) {}
    void katt() const
    {
        if (kattintás) kattintás();
    }
    // A link takes the focus by Tab, shows it with a frame, and Enter or
    // Space follows it.
    bool hivatkozás = false;
    // The label's own mouse pointer, drawn when the pointer first comes over
    // the label rather than before the window first shows.
    void kurzor_később(std::function<QCursor()> készítő)
    {
        kurzor = std::move(készítő);
        if (underMouse()) kurzor_beállítása();
    }

protected:
    void enterEvent(QEnterEvent* e) override
    {
        kurzor_beállítása();
        QLabel::enterEvent(e);
    }
    void mousePressEvent(QMouseEvent* e) override { lenyomva = e->button() == Qt::LeftButton; }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        const bool rajta = rect().contains(e->position().toPoint());
        if (lenyomva && e->button() == Qt::LeftButton && rajta) katt();
        lenyomva = false;
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        const bool gomb = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space;
        if (hivatkozás && gomb && !(e->modifiers() & ~Qt::KeypadModifier))
            katt();
        else
            QLabel::keyPressEvent(e);
    }
    // The plain text is drawn as a label draws it, but never through a text
    // document: Qt lays out the text of a label that takes the focus in one,
    // and that asks for a second paint of the label when it first paints.
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        drawFrame(&p);
        QStyleOption o;
        o.initFrom(this);
        const int jelzők = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
        style()->drawItemText(&p, contentsRect(), jelzők, o.palette, isEnabled(), text(), foregroundRole());
        if (!hasFocus()) return;
        p.setPen(QPen(palette().color(QPalette::WindowText), 2, Qt::DashLine));
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }

private:
    void kurzor_beállítása()
    {
        if (kurzor) setCursor(std::exchange(kurzor, nullptr)());
    }
    std::function<void()> kattintás;
    std::function<QCursor()> kurzor;
    bool lenyomva = false;
};

// A label is static text named by its caption, a link is a link whose press
// action follows it. Qt may ask for the interface before the label has
// become a link, so the role is decided anew at every question.
class CímkeFelület : public QAccessibleWidget {
public:
    explicit CímkeFelület(KattinthatóCímke* c) : QAccessibleWidget(c), címke(*c) {}
    QAccessible::Role role() const override { return címke.hivatkozás ? QAccessible::Link : QAccessible::StaticText; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && címke.accessibleName().isEmpty()) return címke.text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        return címke.hivatkozás ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
    }
    void doAction(const QString& művelet) override
    {
        if (címke.hivatkozás && művelet == pressAction())
            címke.katt();
        else
            QAccessibleWidget::doAction(művelet);
    }

private:
    const KattinthatóCímke& címke;
};

QAccessibleInterface* címke_gyártó(const QString&, QObject* o)
{
    auto* c = dynamic_cast<KattinthatóCímke*>(o);
    return c ? new CímkeFelület(c) : nullptr;
}
}  // namespace

// --- Címke ---

void Címke::létrehoz(Tároló& hova, double left, double top, double width, double height, const QString& szöveg)
{
    tervezett_helyen(left, top, width, height);
    felirat = szöveg;
    igazítás = LeftJustify;
    static const bool bejegyezve = (QAccessible::installFactory(címke_gyártó), true);
    Q_UNUSED(bejegyezve);
    auto* c = new KattinthatóCímke([this] { kattintás_történt(); });
    // Text starts at the top and breaks at word boundaries within the width;
    // what does not fit the height is cut off.
    c->setWordWrap(true);
    c->setTextFormat(Qt::PlainText);
    c->setText(szöveg);
    beilleszt(c, hova);
    setAlignment(igazítás);
}

QLabel* Címke::címke() const { return static_cast<QLabel*>(widget()); }

void Címke::setBuddy(const Vezérlő& vezérlő)
{
    if (címke()) címke()->setBuddy(vezérlő.widget());
}

void Címke::setLink(bool igen)
{
    auto* c = static_cast<KattinthatóCímke*>(widget());
    if (!c) return;
    c->hivatkozás = igen;
    c->setFocusPolicy(igen ? Qt::TabFocus : Qt::NoFocus);
}

void Címke::setCaption(const QString& szöveg)
{
    felirat = szöveg;
    if (címke()) címke()->setText(szöveg);
}

void Címke::setAlignment(int érték)
{
    igazítás = érték;
    if (!címke()) return;
    const Qt::Alignment vízszintes = érték == RightJustify ? Qt::AlignRight
                                     : érték == Center     ? Qt::AlignHCenter
                                                           : Qt::AlignLeft;
    címke()->setAlignment(vízszintes | Qt::AlignTop);
}

void Címke::setForeColor(const QColor& szín)
{
    if (!címke()) return;
    QPalette p = címke()->palette();
    p.setColor(QPalette::WindowText, szín);
    címke()->setPalette(p);
}

void Címke::setMouseIcon(const Kép& kép, QPoint forrópont)
{
    auto* c = static_cast<KattinthatóCímke*>(widget());
    if (!c) return;
    c->kurzor_később([kép, forrópont] { return képtár::kurzor(kép, forrópont); });
}

// --- Gomb ---

void Gomb::létrehoz(Tároló& hova, double left, double top, double width, double height, const QString& szöveg)
{
    tervezett_helyen(left, top, width, height);
    felirat = szöveg;
    auto* g = new QPushButton(szöveg);
    g->setAutoDefault(false);
    QObject::connect(g, &QPushButton::clicked, [this] { kattintás_történt(); });
    beilleszt(g, hova);
}

QPushButton* Gomb::gomb() const { return static_cast<QPushButton*>(widget()); }

void Gomb::setCaption(const QString& szöveg)
{
    felirat = szöveg;
    if (gomb()) gomb()->setText(szöveg);
}

void Gomb::setDefault(bool igen)
{
    if (gomb()) gomb()->setDefault(igen);
    Parent().alapgomb_legyen(igen ? this : nullptr);
}

void Gomb::setCancel(bool igen) { Parent().mégsemgomb_legyen(igen ? this : nullptr); }

// --- Keret ---

void Keret::létrehoz(Tároló& hova, double left, double top, double width, double height, const QString& szöveg,
                     const QColor& háttér)
{
    tervezett_helyen(left, top, width, height);
    felirat = szöveg;
    auto* k = new KeretWidget(szöveg, háttér);
    háttérszín(k, háttér);
    beilleszt(k, hova);
}

void Keret::setCaption(const QString& szöveg)
{
    felirat = szöveg;
    if (widget()) static_cast<QGroupBox*>(widget())->setTitle(szöveg);
}

// --- Választógomb ---

void Választógomb::létrehoz(Tároló& hova, double left, double top, double width, double height, const QString& szöveg,
                            const QColor& háttér)
{
    tervezett_helyen(left, top, width, height);
    felirat = szöveg;
    auto* g = new QRadioButton(szöveg);
    háttérszín(g, háttér);
    QObject::connect(g, &QRadioButton::clicked, [this] { kattintás_történt(); });
    beilleszt(g, hova);
}

QRadioButton* Választógomb::gomb() const { return static_cast<QRadioButton*>(widget()); }

void Választógomb::setCaption(const QString& szöveg)
{
    felirat = szöveg;
    if (gomb()) gomb()->setText(szöveg);
}

bool Választógomb::Value() const { return gomb() && gomb()->isChecked(); }

// The chosen option is the group's Tab stop, as the keyboard expects: Tab
// lands on it and the arrows go on from it. Qt by itself keeps the stop on
// the option focused last, which is the first one in a dialog just opened.
void Választógomb::setValue(bool igen)
{
    if (!gomb()) return;
    gomb()->setChecked(igen);
    if (!igen) return;
    for (auto* társ : gomb()->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        if (társ->autoExclusive()) társ->setFocusPolicy(társ == gomb() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

// --- LenyílóLista ---

void LenyílóLista::létrehoz(Tároló& hova, double left, double top, double width, double height)
{
    tervezett_helyen(left, top, width, height);
    auto* l = new QComboBox;
    l->setEditable(false);
    l->setMaxVisibleItems(10);
    beilleszt(l, hova);
}

QComboBox* LenyílóLista::lista() const { return static_cast<QComboBox*>(widget()); }

void LenyílóLista::AddItem(const QString& szöveg)
{
    if (lista()) lista()->addItem(szöveg);
}

int LenyílóLista::ListCount() const { return lista() ? lista()->count() : 0; }

QString LenyílóLista::List(int index) const { return lista() ? lista()->itemText(index) : QString(); }

int LenyílóLista::ListIndex() const { return lista() ? lista()->currentIndex() : -1; }

void LenyílóLista::setListIndex(int index)
{
    if (lista()) lista()->setCurrentIndex(index >= 0 && index < ListCount() ? index : -1);
}

QString LenyílóLista::Text() const
{
    return lista() && lista()->currentIndex() >= 0 ? lista()->currentText() : QString();
}

// --- Vonal ---

class VonalWidget : public QWidget {
public:
    explicit VonalWidget(const Vonal& v) : vonal(v) { setAttribute(Qt::WA_TransparentForMouseEvents); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(QPen(vonal.szín, vonal.vastagság, Qt::SolidLine, Qt::FlatCap));
        const QPointF eltolás(vonal.Left(), vonal.Top());
        const auto px = [&](double x, double y) {
            return (QPointF(x, y) - eltolás) / egység::twip_per_pixel() + QPointF(0.5, 0.5) * vonal.vastagság;
        };
        p.drawLine(px(vonal.x1, vonal.y1), px(vonal.x2, vonal.y2));
    }

private:
    const Vonal& vonal;
};

void Vonal::létrehoz(Tároló& hova, double ax1, double ay1, double ax2, double ay2, const QColor& aszín, int avastagság)
{
    x1 = ax1, y1 = ay1, x2 = ax2, y2 = ay2, szín = aszín, vastagság = avastagság;
    const double vastag = egység::twipre(avastagság);
    tervezett_helyen(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + vastag, std::abs(y2 - y1) + vastag);
    beilleszt(new VonalWidget(*this), hova);
}
