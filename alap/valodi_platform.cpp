#include "alap/valodi_platform.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "alap/beallitastar.h"

#ifdef Q_OS_WIN
#include "alap/win32/win32.h"
#else
#include "alap/rendszerleiro.h"
#endif
#ifdef Q_OS_WASM
#include "alap/web/bongeszo.h"
#endif
#if QT_CONFIG(thread)
#include <QThreadPool>
#endif

// Nothing runs while nobody plays: Qt's painting splits a large fill across
// the threads of its global pool, which leave as soon as it is done instead
// of waiting half a minute for more. (In the browser Qt has no threads.)
ValódiPlatform::ValódiPlatform()
{
#if QT_CONFIG(thread)
    QThreadPool::globalInstance()->setExpiryTimeout(0);
#endif
}

// In the browser the start-up window fills the page, which the layout takes
// for the 90 % of the screen it covers: the screen is the page divided by
// 0.9, centred on it.
QRect ValódiPlatform::képernyő() const
{
    const QScreen* s = QGuiApplication::primaryScreen();
    const QRect képernyő = s ? s->geometry() : QRect(0, 0, 1024, 768);
#ifdef Q_OS_WASM
    const QSize teljes = (QSizeF(képernyő.size()) / 0.9).toSize();
    return QRect(képernyő.center() - QPoint(teljes.width() / 2, teljes.height() / 2), teljes);
#else
    return képernyő;
#endif
}

// A title bar and a thin border, as most window managers draw them; in the
// browser Qt draws them on dialogs, and the start-up window has none.
QMargins ValódiPlatform::ablakkeret(bool főablak) const
{
#ifdef Q_OS_WASM
    return főablak ? QMargins() : QMargins(4, 26, 4, 4);
#else
    (void)főablak;
    return {1, 20, 1, 1};
#endif
}

void ValódiPlatform::MsgBox(const QString& szöveg, const QString& cím)
{
    // The box belongs to the active window, which may be unloaded, and so
    // deleted, while the box waits; it takes the box with it then.
    QWidget* gazda = QApplication::activeWindow();
    QPointer<QMessageBox> doboz = new QMessageBox(QMessageBox::NoIcon, cím, szöveg, QMessageBox::Ok,
                                                  gazda && gazda->isVisible() ? gazda : nullptr);
    doboz->exec();
    delete doboz.data();
}

void ValódiPlatform::End()
{
#ifdef Q_OS_WASM
    böngésző::vége_oldal();
#endif
    std::fflush(nullptr);
    std::_Exit(0);
}

bool ValódiPlatform::Shell(const QString& útvonal, program::Ablakállapot állapot)
{
#if defined(Q_OS_WIN)
    return win32::indítás(QDir::toNativeSeparators(útvonal).toStdWString(), int(állapot));
#elif defined(Q_OS_WASM)
    (void)útvonal, (void)állapot;  // a page starts no programs
    return false;
#else
    (void)állapot;  // the started program shows its window as it likes
    return QProcess::startDetached(útvonal, {});
#endif
}

QString ValódiPlatform::Path() const { return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()); }

QString ValódiPlatform::programfájl(const QString& mappa, const QString& név) const
{
#ifdef Q_OS_WIN
    return mappa + u'\\' + név + QStringLiteral(".exe");
#else
    return mappa + u'/' + név;
#endif
}

bool ValódiPlatform::létezik(const QString& fájl) const { return QFileInfo::exists(fájl); }

// On Windows the start-up window gets a hidden owner before it is first
// shown; elsewhere it keeps its task-bar button, as programs do there.
// The task bar shows no button of its own for an owned window, and Alt+Tab
// still reaches it. The owner is a window that is never shown. It is given to
// Qt as the main window's transient parent: Qt sets a window's owner from that
// whenever it shows the window, and would clear an owner set behind its back.
// (The program ends without tearing down its windows, so the owner is kept.)
void ValódiPlatform::feladatsáv_nélkül(QWidget& főablak)
{
#ifdef Q_OS_WIN
    static QWindow* const gazda = [] {
        auto* w = new QWindow;
        w->create();
        return w;
    }();
    főablak.winId();
    főablak.windowHandle()->setTransientParent(gazda);
#else
    (void)főablak;
#endif
}

QString ValódiPlatform::Title() const { return QStringLiteral("tukrosdi"); }
int ValódiPlatform::Major() const { return 1; }
int ValódiPlatform::Minor() const { return 0; }
int ValódiPlatform::Revision() const { return 0; }

rendszerleíró::Adatbázis& ValódiPlatform::registry()
{
#ifdef Q_OS_WIN
    return win32::registry();
#else
    return rendszerleíró::helyettes();
#endif
}

std::uint32_t ValódiPlatform::véletlen_mag()
{
    const auto most = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return std::uint32_t(most) ^ std::uint32_t(std::uint64_t(most) >> 32);
}

QString ValódiPlatform::tárolt(const QString& alkalmazás, const QString& szakasz, const QString& kulcs,
                               const QString& alapérték)
{
    return beállítástár::GetSetting(alkalmazás, szakasz, kulcs, alapérték);
}

bool ValódiPlatform::tárol(const QString& alkalmazás, const QString& szakasz,
                           const QList<std::pair<QString, QString>>& kulcsok_értékei)
{
    return beállítástár::SaveSettings(alkalmazás, szakasz, kulcsok_értékei);
}
