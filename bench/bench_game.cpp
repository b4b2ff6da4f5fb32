// What a player waits for once the game runs, each beside a bare-Qt baseline
// that does the same amount of plain widget work: a new board, a turned card,
// the fitting of a text, the praise window. The cold start is measured by the
// start-up instrument, not here. Every step ends with the painting it causes.
//   QT_QPA_PLATFORM=offscreen build-bench/bench/bench_game
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "alap/program.h"
#include "alap/valodi_platform.h"
#include "designs/tervek.h"
#include "game/egyezes.h"
#include "main/frm_tukrosdi.h"
#include "praise/frm_uzenet.h"
#include "settings/frm_beall.h"
#include "text/global.h"

namespace {
// The real platform, with a seed that a benchmark may fix.
struct Rendszer : ValódiPlatform {
    std::optional<std::uint32_t> mag;
    std::uint32_t véletlen_mag() override { return mag ? *mag : ValódiPlatform::véletlen_mag(); }
} rendszer;

// Board sizes by the settings dialog's option index.
constexpr int tábla_3x4 = 0, tábla_6x6 = 5;
const int oszlopok[] = {3, 4, 4, 4, 5, 6}, sorok[] = {4, 4, 5, 6, 6, 6};

Frm_tukrosdi& fő() { return frm_tukrosdi(); }

// Handles what is pending, the paint of every changed widget included.
void festés() { QCoreApplication::processEvents(); }

void kattintás(QWidget* w)
{
    const QPointF közép = QRectF(w->rect()).center();
    const QPointF globális = w->mapToGlobal(közép);
    QMouseEvent le(QEvent::MouseButtonPress, közép, globális, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent fel(QEvent::MouseButtonRelease, közép, globális, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &le);
    QApplication::sendEvent(w, &fel);
}

// The main window shown, on a board of the given size.
void tábla(int méret)
{
    fő().Show();
    frm_beáll().opt_táblaméret(qint16(méret)).setValue(true);
    fő().beáll();
    festés();
}

// Counts the paints a widget gets.
class Festésszámláló : public QObject {
public:
    int darab = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) ++darab;
        return false;
    }
};

// --- A new board -----------------------------------------------------------

void BM_Deal(benchmark::State& state)
{
    const int méret = int(state.range(0));
    tábla(méret);
    for (auto _ : state) {
        fő().beáll();
        festés();
    }
    state.SetLabel(QStringLiteral("%1x%2").arg(oszlopok[méret]).arg(sorok[méret]).toStdString());
}
BENCHMARK(BM_Deal)->Arg(tábla_3x4)->Arg(tábla_6x6)->Unit(benchmark::kMicrosecond);

// A plain tile: a framed cached picture, as a face-down card shows.
class Csempe : public QWidget {
public:
    Csempe(const QPixmap& kép, QWidget* szülő) : QWidget(szülő), képe(kép) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.drawPixmap(1, 1, képe);
        p.setPen(Qt::darkGray);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    QPixmap képe;
};

// The same board of plain widgets: all tiles but the first made anew, placed,
// shown and painted.
void BM_DealBaseline(benchmark::State& state)
{
    const int méret = int(state.range(0));
    const int darab = oszlopok[méret] * sorok[méret];
    QWidget ablak;
    ablak.resize(920, 650);
    const QSize csempeméret(860 / oszlopok[méret] - 10, 560 / sorok[méret] - 10);
    QPixmap kép(csempeméret - QSize(2, 2));
    kép.fill(Qt::lightGray);
    std::vector<std::unique_ptr<Csempe>> csempék;
    csempék.push_back(std::make_unique<Csempe>(kép, &ablak));
    ablak.show();
    for (auto _ : state) {
        csempék.resize(1);
        for (int i = 1; i < darab; ++i) {
            auto cs = std::make_unique<Csempe>(kép, &ablak);
            cs->setGeometry(10 + (i % oszlopok[méret]) * (csempeméret.width() + 10),
                            10 + (i / oszlopok[méret]) * (csempeméret.height() + 10), csempeméret.width(),
                            csempeméret.height());
            cs->show();
            csempék.push_back(std::move(cs));
        }
        festés();
    }
}
BENCHMARK(BM_DealBaseline)->Arg(tábla_3x4)->Arg(tábla_6x6)->Unit(benchmark::kMicrosecond);

// --- A card turned ----------------------------------------------------------

// From the click on a face-down card to its word painted; between the
// measured clicks a second card and the tick turn both back.
void BM_CardClick(benchmark::State& state)
{
    rendszer.mag = 1;
    tábla(tábla_6x6);
    int másik = 1;
    while (párt_alkot(fő().pár_lista(), fő().pic_szó(0).Tag(), fő().pic_szó(qint16(másik)).Tag())) ++másik;
    Festésszámláló festések;
    fő().pic_szó(0).widget()->installEventFilter(&festések);
    for (auto _ : state) {
        const int előtte = festések.darab;
        kattintás(fő().pic_szó(0).widget());
        festés();
        state.PauseTiming();
        if (festések.darab == előtte || fő().pic_szó(0).nyomatok().empty()) {
            state.SkipWithError("the card was not painted with its word");
            break;
        }
        kattintás(fő().pic_szó(qint16(másik)).widget());
        fő().Timer.ütés();
        festés();
        state.ResumeTiming();
    }
    rendszer.mag.reset();
}
BENCHMARK(BM_CardClick)->Unit(benchmark::kMicrosecond);

// A plain widget that paints a word in Times New Roman, given the word.
class Szócsempe : public QWidget {
public:
    using QWidget::QWidget;
    QString szó;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        if (szó.isEmpty()) return;
        p.setFont(betű);
        p.drawText(rect(), Qt::AlignCenter, szó);
    }

private:
    QFont betű{QStringLiteral("Times New Roman"), 20};
};

void BM_CardClickBaseline(benchmark::State& state)
{
    QWidget ablak;
    ablak.resize(920, 650);
    auto* csempe = new Szócsempe(&ablak);
    csempe->setGeometry(10, 10, 130, 90);
    ablak.show();
    festés();
    for (auto _ : state) {
        csempe->szó = QStringLiteral("kiszámíthatatlan");
        csempe->update();
        festés();
        state.PauseTiming();
        csempe->szó.clear();
        csempe->update();
        festés();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CardClickBaseline)->Unit(benchmark::kMicrosecond);

// --- Fitting a text ---------------------------------------------------------

// kiír's search for the largest size on the card of a 3x4 board, the widest
// word of the catalogue; "sizes" counts the sizes it measured.
void BM_FitText(benchmark::State& state)
{
    tábla(tábla_3x4);
    KépDoboz& kártya = fő().pic_szó(0);
    const QString szó = QStringLiteral("kiszámíthatatlan");
    struct Számláló {
        KépDoboz& doboz;
        int méretek = 0;
        float FontSize() const { return doboz.FontSize(); }
        void setFontSize(float m)
        {
            ++méretek;
            doboz.setFontSize(m);
        }
        double TextWidth(const QString& s) const { return doboz.TextWidth(s); }
        double TextHeight(const QString& s) const { return doboz.TextHeight(s); }
    } számláló{kártya};
    első_nem_illő_méret(számláló, szó, 8, kártya.ScaleWidth(), kártya.ScaleHeight());
    state.counters["sizes"] = számláló.méretek;
    for (auto _ : state) {
        QString s = szó;
        kiír(kártya, s, 0);
        festés();
    }
}
BENCHMARK(BM_FitText)->Unit(benchmark::kMicrosecond);

// The word measured once at one size and painted: what any fitting needs.
void BM_FitTextBaseline(benchmark::State& state)
{
    QWidget ablak;
    ablak.resize(920, 650);
    auto* csempe = new Szócsempe(&ablak);
    csempe->setGeometry(10, 10, 270, 200);
    ablak.show();
    QFont betű(QStringLiteral("Times New Roman"));
    betű.setPointSizeF(30);
    for (auto _ : state) {
        csempe->szó = QStringLiteral("kiszámíthatatlan");
        benchmark::DoNotOptimize(QFontMetricsF(betű).horizontalAdvance(csempe->szó));
        csempe->update();
        festés();
    }
}
BENCHMARK(BM_FitTextBaseline)->Unit(benchmark::kMicrosecond);

// --- The praise window ------------------------------------------------------

// Calls `teendő` once the modal window `ablak` runs its loop.
template <class Teendő>
void ha_modális(QWidget* (*ablak)(), Teendő teendő, QTimer& figyelő)
{
    figyelő.setInterval(0);
    QObject::disconnect(&figyelő, nullptr, nullptr, nullptr);
    QObject::connect(&figyelő, &QTimer::timeout, [ablak, teendő, &figyelő] {
        QWidget* w = ablak();
        if (!w || !w->isVisible()) return;
        figyelő.stop();
        teendő(w);
    });
    figyelő.start();
}

// Loaded, shown over the board, painted and closed, as at the end of a game.
void BM_PraiseWindow(benchmark::State& state)
{
    tábla(tábla_3x4);
    QTimer figyelő;
    for (auto _ : state) {
        ha_modális([]() -> QWidget* { return frm_üzenet.betöltve() ? frm_üzenet().widget() : nullptr; },
                   [](QWidget* w) {
                       w->repaint();
                       frm_üzenet().Timer1.ütés();
                   },
                   figyelő);
        frm_üzenet().beállít(fő(), true);
    }
}
BENCHMARK(BM_PraiseWindow)->Unit(benchmark::kMicrosecond);

// A plain dialog with a picture, a text and a button: made, shown, painted
// and closed.
void BM_PraiseWindowBaseline(benchmark::State& state)
{
    QWidget főablak;
    főablak.resize(920, 650);
    főablak.show();
    QPixmap kép(329, 329);
    kép.fill(Qt::lightGray);
    QTimer figyelő;
    for (auto _ : state) {
        QDialog ablak(&főablak);
        ablak.setFixedSize(375, 450);
        auto* képe = new QLabel(&ablak);
        képe->setPixmap(kép);
        képe->setGeometry(24, 8, 329, 329);
        auto* szöveg = new QLabel(QStringLiteral("Jól dolgoztál!"), &ablak);
        szöveg->setFont(QFont(QStringLiteral("Times New Roman"), 24));
        szöveg->setGeometry(8, 344, 361, 49);
        auto* gomb = new QPushButton(QStringLiteral("Ok"), &ablak);
        gomb->setGeometry(88, 400, 201, 41);
        static QDialog* nyitott = nullptr;
        nyitott = &ablak;
        ha_modális([]() -> QWidget* { return nyitott; },
                   [](QWidget* w) {
                       w->repaint();
                       static_cast<QDialog*>(w)->accept();
                   },
                   figyelő);
        ablak.exec();
        nyitott = nullptr;
    }
}
BENCHMARK(BM_PraiseWindowBaseline)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir beállítások;
    qputenv("XDG_CONFIG_HOME", beállítások.path().toUtf8());
    QApplication alkalmazás(argc, argv);
    platform_használata(rendszer);
    program::előkészít(alkalmazás);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Ablak::mind_Unload();
    return 0;
}
