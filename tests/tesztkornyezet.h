#pragma once
// What every test program shares: a private settings folder, the program's
// fonts, and the real platform with a 1024 x 768 screen, messages and the end
// caught, and a random seed and a registry that tests may set.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QtTest>
#include <memory>
#include <optional>

#include "alap/ablak.h"
#include "alap/program.h"
#include "alap/valodi_platform.h"
#include "designs/tervek.h"
#include "main/frm_tukrosdi.h"
#include "settings/frm_beall.h"

struct Tesztkörnyezet {
    QTemporaryDir mappa;
    QStringList üzenetek;
    int befejezések = 0;

    // A child process of a test keeps the settings folder it was given.
    explicit Tesztkörnyezet(bool saját_mappa = true)
    {
        if (saját_mappa) qputenv("XDG_CONFIG_HOME", mappa.path().toUtf8());
        új_futás();
        program::előkészít(*qApp);
    }
    ~Tesztkörnyezet() { Ablak::mind_Unload(); }
    // Windows loaded afresh, as after a start.
    void friss_ablakok() { Ablak::mind_Unload(), új_futás(); }
    QString beállítási_fájl() const { return mappa.path() + QStringLiteral("/tukrosdi/tukrosdi.conf"); }
    // Deals from this seed on, or (nullopt) from the clock.
    void mag(std::optional<std::uint32_t> m) { rendszer->mag = m; }
    // The registry the About window reads, or (nullptr) the platform's.
    void registry(rendszerleíró::Adatbázis* a) { rendszer->adatbázis = a; }

private:
    // Windows as offscreen draws them: without a frame.
    struct Rendszer : ValódiPlatform {
        explicit Rendszer(Tesztkörnyezet& k) : környezet(k) {}
        QRect képernyő() const override { return {0, 0, 1024, 768}; }
        QMargins ablakkeret(bool) const override { return {}; }
        void MsgBox(const QString& szöveg, const QString&) override { környezet.üzenetek << szöveg; }
        void End() override { ++környezet.befejezések; }
        rendszerleíró::Adatbázis& registry() override { return adatbázis ? *adatbázis : ValódiPlatform::registry(); }
        std::uint32_t véletlen_mag() override { return mag ? *mag : ValódiPlatform::véletlen_mag(); }
        Tesztkörnyezet& környezet;
        std::optional<std::uint32_t> mag;
        rendszerleíró::Adatbázis* adatbázis = nullptr;
    };
    // A new run: the platform forgets what the last one held.
    void új_futás()
    {
        auto új = std::make_unique<Rendszer>(*this);
        platform_használata(*új);
        rendszer = std::move(új);
        üzenetek.clear();
        befejezések = 0;
    }
    std::unique_ptr<Rendszer> rendszer;
};

// Writes a whole file, making its folder first.
inline bool fájlba(const QString& hely, const QByteArray& tartalom)
{
    QDir().mkpath(QFileInfo(hely).path());
    QFile f(hely);
    return f.open(QIODevice::WriteOnly) && f.write(tartalom) == tartalom.size();
}
inline QByteArray fájl_tartalma(const QString& hely)
{
    QFile f(hely);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
// A stand-in program that writes the number of its arguments into `kimenet`.
inline bool pótló_program(const QString& hely, const QString& kimenet)
{
    return fájlba(hely, "#!/bin/sh\nprintf '%s' \"$#\" > '" + kimenet.toUtf8() + "'\n") &&
           QFile::setPermissions(hely, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Runs `teendő` inside the modal loop of `ablak` once `megnyitás` has opened
// it; a window still open afterwards is hidden, so a failed check cannot hang.
template <class Megnyitás, class Teendő>
void modálisan(Ablak& ablak, Megnyitás&& megnyitás, Teendő&& teendő)
{
    QTimer figyelő;
    figyelő.setInterval(0);
    QObject::connect(&figyelő, &QTimer::timeout, [&] {
        if (!ablak.modális()) return;
        figyelő.stop();
        teendő();
        if (ablak.modális()) ablak.Hide();
    });
    figyelő.start();
    megnyitás();
    figyelő.stop();
}

// Shortcuts reach only the active window, which a closed dialog hands back through the event queue.
inline bool fő_aktív()
{
    QWidget* fő = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->parentWidget() && w->isVisible()) fő = w;
    if (fő) fő->activateWindow();
    return QTest::qWaitFor([&] { return fő && QApplication::activeWindow() == fő; }, 5000);
}

// The main window and its cards, as the tests reach them.
inline Frm_tukrosdi& fő() { return frm_tukrosdi(); }
inline KépDoboz& kártya(int i) { return fő().pic_szó(qint16(i)); }
inline int kártyaszám() { return fő().pic_szó.Count(); }
inline void kattint(int i) { QTest::mouseClick(kártya(i).widget(), Qt::LeftButton); }

// What card `i` shows: `hibás` when its picture, drawing, border, colour and state disagree.
enum class Lap { lefordítva, felfordítva, eltüntetve, hibás };
inline Lap mutat(int i)
{
    const KépDoboz& k = kártya(i);
    const bool keretes = k.BorderStyle() == Szegély::FixedSingle && k.Enabled() && k.Visible();
    if (keretes && k.Picture() == képek::hátlap && k.nyomatok().empty()) return Lap::lefordítva;
    // Every face of a board is drawn at one size, the one its widest word fits at.
    if (keretes && k.Picture().üres() && k.nyomatok().size() == 1 && k.nyomatok()[0].szöveg == k.Tag() &&
        k.nyomatok()[0].betű.pointSizeF() == fő().kártya_betűméret())
        return Lap::felfordítva;
    if (k.Picture() == képek::eltüntetett && k.BorderStyle() == Szegély::None && !k.Enabled() && k.Visible() &&
        k.nyomatok().empty() && k.BackColor() == fő().konténer.BackColor())
        return Lap::eltüntetve;
    return Lap::hibás;
}

// A control as assistive technology sees it: its name, and its press action.
inline QAccessibleInterface* felület(const Vezérlő& v) { return QAccessible::queryAccessibleInterface(v.widget()); }
inline QString név(const Vezérlő& v) { return felület(v)->text(QAccessible::Name); }
inline void nyom(const Vezérlő& v)
{
    felület(v)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// A key as the focused control of the topmost window gets it.
inline void billentyű(Qt::Key k, Qt::KeyboardModifiers m = {})
{
    QWidget* ablak = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : fő().widget();
    QTest::keyClick(ablak->focusWidget() ? ablak->focusWidget() : ablak, k, m);
}
// A menu shortcut, which only the active main window takes.
inline void gyorsbillentyű(Qt::Key k) { fő_aktív(), QTest::keyClick(fő().widget(), k); }

// Offscreen also when a test is run by hand.
inline const bool képernyő_nélkül =
    qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qputenv("QT_QPA_PLATFORM", "offscreen");
