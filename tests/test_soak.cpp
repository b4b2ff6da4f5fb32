// A soak: 1,000 whole games played to the end with the timers fired
// directly. Under the sanitizers any leak or bad access is reported; here
// each game must give one praise and a fresh board, and the windows must
// hold as many objects after the last game as after the tenth.
#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "jatekos.h"
#include "main/frm_tukrosdi.h"
#include "tesztkornyezet.h"
#endif

namespace {
// The objects that the windows hold, once those already let go are gone.
qsizetype objektumok()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qsizetype n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) n += 1 + w->findChildren<QObject*>().size();
    return n;
}
}  // namespace

class TestSoak : public QObject {
    Q_OBJECT
    Tesztkörnyezet környezet;

private Q_SLOTS:
    void thousandGamesLeaveNothingBehind()
    {
        környezet.friss_ablakok();
        frm_tukrosdi().Show();
        qsizetype tizedik = 0;
        for (int játszma = 1; játszma <= 1000; ++játszma) {
            QVERIFY2(játékos::végig() == 1, qPrintable(QStringLiteral("game %1").arg(játszma)));
            QCOMPARE(frm_tukrosdi().Label_számláló.Caption(), QStringLiteral("0 fordítás"));
            QCOMPARE(frm_tukrosdi().felfordított_darab(), 0);
            QVERIFY(!frm_tukrosdi().Timer.Enabled());
            if (játszma == 10) tizedik = objektumok();
        }
        QCOMPARE(objektumok(), tizedik);
    }
};

TUKROSDI_TEST_MAIN(TestSoak)
#include "test_soak.moc"
