#include "alap/program.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QIconEngine>
#include <QMessageBox>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QProcess>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QThreadPool>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <mutex>
#include <thread>
#include <utility>
#ifdef TUKROSDI_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif
#ifdef TUKROSDI_DBUS
#include <QDBusConnection>
#endif

#include "alap/vezerlo.h"

#ifdef Q_OS_WIN
#include "alap/win32/win32.h"
#endif

namespace program {
namespace {
std::function<void()> vég_helyett;
std::function<void(const QString&, const QString&)> üzenet_helyett;
// The start-up's helper thread. It reads the font configuration, and then,
// once the application object exists, connects to the session bus: the
// first label the program makes connects the accessibility bridge to the
// bus and waits for it (for a whole failed start of the bus where there is
// none). One after the other, the two leave a core to the main thread.
struct Segédszál {
    std::thread szál;
    std::promise<void> betűk_ígérete;
    std::shared_future<void> betűk = betűk_ígérete.get_future().share();
    std::mutex zár;
    std::condition_variable jelzés;
    bool van_alkalmazás = false, leáll = false;

    // Blocks until it is time to connect; false when the program ends first.
    bool alkalmazásra_vár()
    {
        std::unique_lock l(zár);
        jelzés.wait(l, [this] { return van_alkalmazás || leáll; });
        return van_alkalmazás;
    }
    void jelez(bool& mit)
    {
        {
            std::lock_guard l(zár);
            mit = true;
        }
        jelzés.notify_all();
    }
    ~Segédszál()
    {
        jelez(leáll);
        if (szál.joinable()) szál.join();
    }
};
Segédszál segéd;

// Where Debian keeps the stand-in for the dialog font (see párbeszéd_betűtípus).
constexpr const char* tahoma_helyei[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                         "/usr/share/fonts/truetype/wine/tahoma.ttf"};

#ifdef TUKROSDI_FONTCONFIG
// Reads fontconfig's set-up and, unless Tahoma is installed, adds the
// stand-in to the fonts fontconfig offers, so that Qt finds it among them
// and need not read it itself before the first window.
void fontconfig_előkészítése()
{
    FcInit();
    FcPattern* minta = FcPatternCreate();
    FcPatternAddString(minta, FC_FAMILY, reinterpret_cast<const FcChar8*>("Tahoma"));
    FcObjectSet* mezők = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* talált = FcFontList(nullptr, minta, mezők);
    const bool van = talált && talált->nfont > 0;
    if (talált) FcFontSetDestroy(talált);
    FcObjectSetDestroy(mezők);
    FcPatternDestroy(minta);
    if (van) return;
    for (const char* hely : tahoma_helyei)
        if (FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(hely))) return;
}
#endif

// The dialog font of the designs has no face of its own here; Tahoma has
// nearly the same metrics, so the designed labels and buttons keep their
// line breaks. Debian ships it with its Windows-compatibility fonts, outside
// the folders that fontconfig searches. The controls ask for the stand-in by
// its own name: a family that is not installed costs every font look-up a
// search through the system's fallbacks.
void párbeszéd_betűtípus()
{
    const QStringList helyettesítők = {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                                       QStringLiteral("DejaVu Sans")};
    bool tahoma = QFontDatabase::hasFamily(helyettesítők[0]);
    if (!tahoma) {
        for (const char* hely : tahoma_helyei)
            if (QFile::exists(QString::fromLatin1(hely))) {
                tahoma = QFontDatabase::addApplicationFont(QString::fromLatin1(hely)) >= 0;
                break;
            }
    }
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), helyettesítők);
    QString arc = tahoma ? helyettesítők[0] : QString();
    for (qsizetype i = 1; arc.isEmpty() && i < helyettesítők.size(); ++i)
        if (QFontDatabase::hasFamily(helyettesítők[i])) arc = helyettesítők[i];
    if (!arc.isEmpty()) alap_betű_arca(arc);
}

// An icon made when it is first shown.
class KésőIkon : public QIconEngine {
public:
    explicit KésőIkon(std::function<QIcon()> készítő) : forrás(std::move(készítő)) {}
    void paint(QPainter* p, const QRect& hely, QIcon::Mode mód, QIcon::State állapot) override
    {
        ikon().paint(p, hely, Qt::AlignCenter, mód, állapot);
    }
    QPixmap pixmap(const QSize& méret, QIcon::Mode mód, QIcon::State állapot) override
    {
        return ikon().pixmap(méret, mód, állapot);
    }
    QSize actualSize(const QSize& méret, QIcon::Mode mód, QIcon::State állapot) override
    {
        return ikon().actualSize(méret, mód, állapot);
    }
    QList<QSize> availableSizes(QIcon::Mode mód, QIcon::State állapot) override
    {
        return ikon().availableSizes(mód, állapot);
    }
    QIconEngine* clone() const override { return new KésőIkon(*this); }

private:
    QIcon& ikon()
    {
        if (forrás) valódi = std::exchange(forrás, nullptr)();
        return valódi;
    }
    std::function<QIcon()> forrás;
    QIcon valódi;
};

// The application's style, but the icon of the menu bar's extension button
// (shown only when the menus do not fit in one line) is read when it is first
// shown: reading the picture's format makes Qt load every image plugin, a few
// milliseconds before the first frame otherwise.
class Stílus : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap melyik, const QStyleOption* opció, const QWidget* widget) const override
    {
        if (melyik != SP_ToolBarHorizontalExtensionButton) return QProxyStyle::standardIcon(melyik, opció, widget);
        return QIcon(new KésőIkon([this, melyik] { return QProxyStyle::standardIcon(melyik, nullptr, nullptr); }));
    }
};
}  // namespace

void háttérmunka_indítása()
{
    segéd.szál = std::thread([] {
#ifdef TUKROSDI_FONTCONFIG
        fontconfig_előkészítése();
#endif
        segéd.betűk_ígérete.set_value();
#ifdef TUKROSDI_DBUS
        if (segéd.alkalmazásra_vár()) QDBusConnection::sessionBus();
#endif
    });
    // Called by the application object's constructor, before it connects to
    // the window system.
    qAddPreRoutine([] { segéd.jelez(segéd.van_alkalmazás); });
}

void előkészít(QApplication& alkalmazás)
{
    if (segéd.szál.joinable()) segéd.betűk.wait();
    QApplication::setApplicationName(Title());
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3").arg(Major()).arg(Minor()).arg(Revision()));
    QApplication::setDesktopFileName(QStringLiteral("hu.zsongoka.tukrosdi"));
    párbeszéd_betűtípus();
    alkalmazás.setFont(alap_betű());
    QApplication::setStyle(new Stílus(QStyleFactory::create(QApplication::style()->name())));
    // Nothing runs while nobody plays. Qt's pixmap cache trims itself on a
    // timer for as long as it holds anything, so it is kept empty (the
    // pictures have a store of their own); the thread pool, which lends the
    // picture store a thread now and then, lets its threads go at once.
    QPixmapCache::setCacheLimit(0);
    QThreadPool::globalInstance()->setExpiryTimeout(0);
}

QString Title() { return QStringLiteral("tukrosdi"); }
int Major() { return 1; }
int Minor() { return 0; }
int Revision() { return 0; }

QString Path() { return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()); }

bool Shell(const QString& útvonal, Ablakállapot állapot)
{
#ifdef Q_OS_WIN
    return win32::indítás(QDir::toNativeSeparators(útvonal).toStdWString(), int(állapot));
#else
    (void)állapot;
    return QProcess::startDetached(útvonal, {});
#endif
}

void MsgBox(const QString& szöveg, const QString& cím)
{
    if (üzenet_helyett) {
        üzenet_helyett(szöveg, cím);
        return;
    }
    // The box belongs to the active window, which may be unloaded, and so
    // deleted, while the box waits; it takes the box with it then.
    QWidget* gazda = QApplication::activeWindow();
    QPointer<QMessageBox> doboz = new QMessageBox(QMessageBox::NoIcon, cím, szöveg, QMessageBox::Ok,
                                                  gazda && gazda->isVisible() ? gazda : nullptr);
    doboz->exec();
    delete doboz.data();
}

void MsgBox_helyett(std::function<void(const QString&, const QString&)> teendő) { üzenet_helyett = std::move(teendő); }

void End()
{
    if (vég_helyett) {
        vég_helyett();
        return;
    }
    std::fflush(nullptr);
    std::_Exit(0);
}

void End_helyett(std::function<void()> teendő) { vég_helyett = std::move(teendő); }
}  // namespace program
