#include "alap/ablak.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "alap/feliratos.h"
#include "alap/idozito.h"
#include "alap/platform.h"

namespace képernyő {
double Left() { return egység::twipre(használt_platform().képernyő().left()); }
double Top() { return egység::twipre(használt_platform().képernyő().top()); }
double Width() { return egység::twipre(használt_platform().képernyő().width()); }
double Height() { return egység::twipre(használt_platform().képernyő().height()); }
}  // namespace képernyő

namespace {

// Kept for the whole run: windows are destroyed at exit in no fixed order.
std::vector<Ablak*>& minden_ablak()
{
    static auto* lista = new std::vector<Ablak*>;
    return *lista;
}
Ablak* főablak = nullptr;

// The real top-level widget: paints the window's colour, turns a close
// request into the window's query-unload, and gives Enter and Esc to the
// default and cancel buttons.
class AblakWidget : public QMainWindow {
public:
    explicit AblakWidget(Ablak& tulajdonos) : gazda(tulajdonos) {}

    // Runs once, half a second after the window has painted its first
    // frame: by then the window system has shown the whole board.
    std::function<void()> első_kép_után;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QMainWindow::paintEvent(e);
        if (első_kép_után) QTimer::singleShot(500, this, std::exchange(első_kép_után, nullptr));
    }

    void closeEvent(QCloseEvent* e) override
    {
        e->ignore();
        gazda.bezárás_kérése();
    }

    void keyPressEvent(QKeyEvent* e) override
    {
        // The keypad's Enter counts as Enter: only its keypad mark is set.
        const bool módosító = e->modifiers() & ~Qt::KeypadModifier;
        const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        if (enter && !módosító) {
            if (auto* fókuszban = qobject_cast<QPushButton*>(focusWidget())) {
                fókuszban->click();
                return;
            }
            if (gombot_nyom(gazda.Default())) return;
        } else if (e->key() == Qt::Key_Escape && !módosító) {
            if (gombot_nyom(gazda.Cancel())) return;
        }
        QMainWindow::keyPressEvent(e);
    }

private:
    static bool gombot_nyom(Gomb* gomb)
    {
        if (!gomb || !gomb->widget() || !gomb->widget()->isEnabled()) return false;
        gomb->nyomás();
        return true;
    }

    Ablak& gazda;
};

// A window other than the main one is a dialog to assistive technology, so
// that a screen reader reads its title and description when it comes up. Qt
// may ask before the window has its flags, so the role is found at every
// question.
class AblakFelület : public QAccessibleWidget {
public:
    explicit AblakFelület(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}
    QAccessible::Role role() const override
    {
        return widget()->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window;
    }
};

QAccessibleInterface* ablak_gyártó(const QString&, QObject* o)
{
    auto* w = dynamic_cast<AblakWidget*>(o);
    return w ? new AblakFelület(w) : nullptr;
}
}  // namespace

Ablak::Ablak() { minden_ablak().push_back(this); }

Ablak::~Ablak()
{
    auto& lista = minden_ablak();
    lista.erase(std::remove(lista.begin(), lista.end(), this), lista.end());
    if (főablak == this) főablak = nullptr;
    delete widget_.data();
}

void Ablak::mind_Unload()
{
    // Dialogs first: they are children of the start-up window's widget.
    for (Ablak* a : minden_ablak())
        if (a != főablak) a->Unload();
    if (főablak) főablak->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Ablak::Load()
{
    if (betöltve()) return;
    static const bool bejegyezve = (QAccessible::installFactory(ablak_gyártó), true);
    Q_UNUSED(bejegyezve);
    widget_ = new AblakWidget(*this);
    widget_->setAttribute(Qt::WA_QuitOnClose, false);
    belső = new QWidget;
    widget_->setCentralWidget(belső);
    menü = nullptr;
    ikon = {};
    időzítők.clear();
    alapgomb = mégsemgomb = nullptr;
    // As new: the design sets caption, colour and size; Show places it.
    betű = alap_betű();
    bal = felső = 0;
    elhelyezve = false;
    tervezés();
    Form_Load();
    // Qt readies every new control in the event loop, shown or not; a window
    // that is loaded but not shown (the settings dialog, read by the deal) is
    // readied when it is first shown instead, out of the way of the first frame.
    if (widget_ && !widget_->isVisible()) {
        QCoreApplication::removePostedEvents(widget_, QEvent::PolishRequest);
        for (QWidget* w : widget_->findChildren<QWidget*>()) QCoreApplication::removePostedEvents(w, QEvent::PolishRequest);
    }
}

void Ablak::Unload()
{
    if (!betöltve()) return;
    for (Időzítő* i : időzítők) i->setEnabled(false);
    időzítők.clear();
    QMainWindow* régi = widget_;
    widget_ = nullptr;
    belső = nullptr;
    menü = nullptr;
    ikon = {};
    alapgomb = mégsemgomb = nullptr;
    régi->hide();
    // The unload may come from an event of one of its own controls.
    régi->deleteLater();
    if (modális_hurok) modális_hurok->exit();
}

void Ablak::ablak_tervezése(const Ablakkeret& k, const QString& cím, const QColor& szín)
{
    keret = k;
    if (keret.főablak) főablak = this;
    Qt::WindowFlags jelzők = (keret.főablak ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (keret.vezérlőmenü) jelzők |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    // Dialogs belong to the start-up window (see gazdához_kötés): at once
    // when it is on the screen, else from the time they are first shown.
    QWidget* gazda = gazdaablak();
    widget_->setParent(gazda && gazda->isVisible() ? gazda : nullptr, jelzők);
    if (keret.főablak) használt_platform().feladatsáv_nélkül(*widget_);
    setCaption(cím);
    setBackColor(szín);
    const QMargins m = keretméret();
    szél = keret.belső_szél + egység::twipre(m.left() + m.right());
    mag = keret.belső_mag + egység::twipre(m.top() + m.bottom());
    méret_alkalmazása();
}

void Ablak::setIcon(const Kép& kép)
{
    if (widget_) ikon = kép;
}

QMenuBar* Ablak::menüsor()
{
    if (!menü && widget_) {
        menü = widget_->menuBar();
        menü->setNativeMenuBar(false);
        mag += egység::twipre(menü->sizeHint().height());
        méret_alkalmazása();
    }
    return menü;
}

QWidget* Ablak::tároló_widget() const { return belső; }

void Ablak::setAccessibleDescription(const QString& szöveg)
{
    if (widget_) widget_->setAccessibleDescription(szöveg);
}

void Ablak::setCaption(const QString& szöveg)
{
    felirat = szöveg;
    if (widget_) widget_->setWindowTitle(szöveg);
}

void Ablak::setBackColor(const QColor& szín)
{
    háttér = szín;
    if (!widget_) return;
    QPalette p = widget_->palette();
    p.setColor(QPalette::Window, szín);
    widget_->setPalette(p);
    widget_->setAutoFillBackground(true);
}

void Ablak::setLeft(double twip)
{
    bal = twip;
    elhelyezve = true;
    hely_alkalmazása();
}
void Ablak::setTop(double twip)
{
    felső = twip;
    elhelyezve = true;
    hely_alkalmazása();
}
void Ablak::setWidth(double twip)
{
    szél = twip;
    méret_alkalmazása();
}
void Ablak::setHeight(double twip)
{
    mag = twip;
    méret_alkalmazása();
}

// Frame, title bar and border of a top-level window. Before the window has
// been shown the window manager has not told them yet, so the platform's
// typical frame is assumed.
QMargins Ablak::keretméret() const
{
    if (widget_ && widget_->isVisible()) {
        const QRect külső = widget_->frameGeometry(), belül = widget_->geometry();
        return {belül.left() - külső.left(), belül.top() - külső.top(), külső.right() - belül.right(),
                külső.bottom() - belül.bottom()};
    }
    return használt_platform().ablakkeret(keret.főablak);
}

double Ablak::ScaleWidth() const
{
    const QMargins m = keretméret();
    return std::max(0.0, szél - egység::twipre(m.left() + m.right()));
}

double Ablak::ScaleHeight() const
{
    const QMargins m = keretméret();
    const int menümag = menü ? menü->sizeHint().height() : 0;
    return std::max(0.0, mag - egység::twipre(m.top() + m.bottom() + menümag));
}

void Ablak::méret_alkalmazása()
{
    if (!widget_) return;
    const int menümag = menü ? menü->sizeHint().height() : 0;
    widget_->setFixedSize(egység::pixelre(ScaleWidth()), egység::pixelre(ScaleHeight()) + menümag);
}

void Ablak::hely_alkalmazása()
{
    if (widget_) widget_->move(egység::pixelre(bal), egység::pixelre(felső));
}

void Ablak::Show()
{
    Load();
    if (!elhelyezve) {
        const QMargins m = keretméret();
        switch (keret.elhelyezés) {
            case Elhelyezés::képernyő_közepe:
                setLeft(képernyő::Left() + képernyő::Width() / 2 - szél / 2);
                setTop(képernyő::Top() + képernyő::Height() / 2 - mag / 2);
                break;
            case Elhelyezés::kézi:
                setLeft(képernyő::Left() + keret.bal - egység::twipre(m.left()));
                setTop(képernyő::Top() + keret.felső - egység::twipre(m.top()));
                break;
            case Elhelyezés::rendszer:
                break;
        }
    }
    if (!ikon.üres()) {
        // The icon (some 360 KB at its seven sizes, several milliseconds of
        // drawing) waits until the board is on the screen, so that it holds
        // up none of its paints.
        static_cast<AblakWidget*>(widget_.data())->első_kép_után = [this] {
            if (!ikon.üres() && widget_) widget_->setWindowIcon(képtár::ikon(std::exchange(ikon, {})));
        };
    }
    const bool látszott = widget_->isVisible();
    if (!látszott && !modális_hurok) widget_->setWindowModality(Qt::NonModal);
    gazdához_kötés();
    widget_->show();
    if (látszott) widget_->raise();  // a window shown anew comes up on top anyway
    widget_->activateWindow();
}

// A dialog belongs to the start-up window: it has no task bar button of its
// own and stays above it. It is bound to it only when it is shown: a window
// readies everything below it for showing, its dialogs too.
void Ablak::gazdához_kötés()
{
    QWidget* gazda = gazdaablak();
    if (widget_->parentWidget() != gazda) widget_->setParent(gazda, widget_->windowFlags());
}

// The start-up window's widget for a dialog; none for the start-up window.
QWidget* Ablak::gazdaablak() const
{
    return (!keret.főablak && főablak && főablak->widget_) ? főablak->widget_.data() : nullptr;
}

void Ablak::ShowModal()
{
    Load();
    if (modális_hurok) return;
    if (!widget_->isVisible()) widget_->setWindowModality(Qt::ApplicationModal);
    QEventLoop hurok;
    modális_hurok = &hurok;
    Show();
    hurok.exec(QEventLoop::DialogExec);
    modális_hurok = nullptr;
    // The start-up window has the focus again when a modal window closes.
    if (főablak && főablak != this && főablak->Visible()) {
        főablak->widget_->activateWindow();
        főablak->Form_Activate();
    }
}

void Ablak::Hide()
{
    if (widget_) widget_->hide();
    if (modális_hurok) modális_hurok->exit();
}

bool Ablak::Visible() const { return widget_ && widget_->isVisible(); }

double Ablak::TextWidth(const QString& szöveg) const
{
    return egység::twipre(QFontMetricsF(betű).horizontalAdvance(szöveg));
}

double Ablak::TextHeight(const QString&) const { return egység::twipre(QFontMetricsF(betű).height()); }

void Ablak::tabsorrend(std::initializer_list<const Vezérlő*> sorrend)
{
    const Vezérlő* előző = nullptr;
    for (const Vezérlő* v : sorrend) {
        if (előző && előző->widget() && v->widget()) QWidget::setTabOrder(előző->widget(), v->widget());
        előző = v;
    }
}
