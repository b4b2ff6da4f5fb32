#pragma once
// What every test program shares: a private settings folder, the program's
// fonts, and the real platform with a 1024 x 768 screen, messages and the
// end of the program caught instead of shown, and a registry and random seed
// that tests may set.

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <optional>

#include "alap/ablak.h"
#include "alap/program.h"
#include "alap/valodi_platform.h"
#include "main/frm_tukrosdi.h"
#include "settings/frm_beall.h"

struct Tesztkörnyezet {
    QTemporaryDir mappa;
    QStringList üzenetek;
    int befejezések = 0;
    bool valódi_üzenetablak = false;              // show message boxes for real
    rendszerleíró::Adatbázis* adatbázis = nullptr;  // none: the platform's
    std::optional<std::uint32_t> mag;               // none: from the clock

    // Windows as offscreen draws them: without a frame.
    class Rendszer : public ValódiPlatform {
    public:
        explicit Rendszer(Tesztkörnyezet& k) : környezet(k) {}
        QSize képernyő() const override { return {1024, 768}; }
        QMargins ablakkeret() const override { return {}; }
        void MsgBox(const QString& szöveg, const QString& cím) override
        {
            if (környezet.valódi_üzenetablak) return ValódiPlatform::MsgBox(szöveg, cím);
            környezet.üzenetek << szöveg;
        }
        void End() override { ++környezet.befejezések; }
        rendszerleíró::Adatbázis& registry() override
        {
            return környezet.adatbázis ? *környezet.adatbázis : ValódiPlatform::registry();
        }
        std::uint32_t véletlen_mag() override { return környezet.mag ? *környezet.mag : ValódiPlatform::véletlen_mag(); }

    private:
        Tesztkörnyezet& környezet;
    };
    std::unique_ptr<Rendszer> rendszer;

    // A child process of a test keeps the settings folder it was given.
    explicit Tesztkörnyezet(bool saját_mappa = true)
    {
        if (saját_mappa) qputenv("XDG_CONFIG_HOME", mappa.path().toUtf8());
        új_rendszer();
        program::előkészít(*qApp);
    }
    ~Tesztkörnyezet() { Ablak::mind_Unload(); }
    // Every test case starts from windows loaded afresh, as after a start.
    void friss_ablakok()
    {
        Ablak::mind_Unload();
        új_rendszer();
        üzenetek.clear();
        befejezések = 0;
    }
    QString beállítási_fájl() const { return mappa.path() + QStringLiteral("/tukrosdi/tukrosdi.conf"); }

private:
    // A new run: the platform forgets what the last one held.
    void új_rendszer()
    {
        auto új = std::make_unique<Rendszer>(*this);
        platform_használata(*új);
        rendszer = std::move(új);
    }
};

// A stand-in program that writes the number of its arguments into `kimenet`.
inline bool pótló_program(const QString& hely, const QString& kimenet)
{
    QFile f(hely);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write("#!/bin/sh\nprintf '%s' \"$#\" > '" + kimenet.toUtf8() + "'\n");
    f.close();
    return f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
inline QString fájl_tartalma(const QString& hely)
{
    QFile f(hely);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Runs `teendő` inside the modal loop of `ablak` once `megnyitás` has
// opened it; a window still open afterwards is hidden, so a failed check
// cannot leave the test waiting. If the window never opens, `teendő` does
// not run and the test's own checks fail.
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

// Shortcuts reach the active window only; closing a dialog hands the
// activation back to the main window through the event queue.
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

// A key as the focused control of the topmost window gets it.
inline void billentyű(Qt::Key k, Qt::KeyboardModifiers m = {})
{
    QWidget* ablak = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : fő().widget();
    QTest::keyClick(ablak->focusWidget() ? ablak->focusWidget() : ablak, k, m);
}
// A menu shortcut, which only the active main window takes.
inline void gyorsbillentyű(Qt::Key k) { fő_aktív(), QTest::keyClick(fő().widget(), k); }

#define TUKROSDI_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char* argv[])                                                                 \
    {                                                                                                \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen"); \
        QApplication alkalmazás(argc, argv);                                                         \
        TestClass teszt;                                                                             \
        return QTest::qExec(&teszt, argc, argv);                                                     \
    }
