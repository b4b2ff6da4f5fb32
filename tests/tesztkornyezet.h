#pragma once
// What every test program shares: a private settings folder, a 1024 x 768
// screen, the program's fonts, and messages and the end of the program
// caught instead of shown.

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "alap/ablak.h"
#include "alap/program.h"

struct Tesztkörnyezet {
    QTemporaryDir mappa;
    QStringList üzenetek;
    int befejezések = 0;

    Tesztkörnyezet()
    {
        qputenv("XDG_CONFIG_HOME", mappa.path().toUtf8());
        képernyő::teszt_méret(QSize(1024, 768));
        program::előkészít(*qApp);
        program::MsgBox_helyett([this](const QString& szöveg, const QString&) { üzenetek << szöveg; });
        program::End_helyett([this] { ++befejezések; });
    }
    ~Tesztkörnyezet()
    {
        Ablak::mindet_lebont();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString beállítási_fájl() const { return mappa.path() + QStringLiteral("/tukrosdi/tukrosdi.conf"); }
};

// Runs `teendő` inside the modal loop of a window that `megnyitás` opens
// modally; a window still open afterwards is hidden, so a failed check
// cannot leave the test waiting.
template <class Megnyitás, class Teendő>
void modálisan(Ablak& ablak, Megnyitás&& megnyitás, Teendő&& teendő)
{
    QTimer::singleShot(0, [&] {
        teendő();
        if (ablak.modális()) ablak.Hide();
    });
    megnyitás();
}

#define TUKROSDI_TEST_MAIN(TestClass)                                        \
    int main(int argc, char* argv[])                                        \
    {                                                                       \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                 \
            qputenv("QT_QPA_PLATFORM", "offscreen");                        \
        QApplication alkalmazás(argc, argv);                                \
        TestClass teszt;                                                    \
        return QTest::qExec(&teszt, argc, argv);                            \
    }
