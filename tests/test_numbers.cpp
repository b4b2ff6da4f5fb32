// Numbers read from and written to text, whatever the locale.
#include <QLocale>
#include <QtTest>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "alap/szamszoveg.h"

using namespace számszöveg;
#endif

class TestNumbers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // A decimal comma in the user's settings must change nothing.
        QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
        std::setlocale(LC_ALL, "hu_HU.UTF-8");
    }

    void leadingNumberIsRead_data()
    {
        QTest::addColumn<QString>("szöveg");
        QTest::addColumn<double>("érték");
        QTest::newRow("list entry") << " .4" << 0.4;
        QTest::newRow("whole") << " 2" << 2.0;
        QTest::newRow("counter at start") << "0 fordítás" << 0.0;
        QTest::newRow("counter later") << " 7 fordítás" << 7.0;
        QTest::newRow("no number") << "fordítás" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("second point stops") << "1.5.3" << 1.5;
        QTest::newRow("comma is no point") << "1,5" << 1.0;
        QTest::newRow("negative") << "-3x" << -3.0;
        QTest::newRow("exponent") << "  12e2" << 1200.0;
        QTest::newRow("exponent without digits") << "1e" << 1.0;
        QTest::newRow("board caption") << "4*6" << 4.0;
        QTest::newRow("lone point") << "." << 0.0;
    }
    void leadingNumberIsRead()
    {
        QFETCH(QString, szöveg);
        QFETCH(double, érték);
        QCOMPARE(Val(szöveg), érték);
    }

    void numbersAreWrittenWithSignPlace_data()
    {
        QTest::addColumn<double>("szám");
        QTest::addColumn<QString>("szöveg");
        QTest::newRow("fraction") << 0.4 << " .4";
        QTest::newRow("whole") << 2.0 << " 2";
        QTest::newRow("ten") << 10.0 << " 10";
        QTest::newRow("negative fraction") << -0.5 << "-.5";
        QTest::newRow("zero") << 0.0 << " 0";
        QTest::newRow("drift hidden by 15 digits") << 1.9999999999999998 << " 2";
        QTest::newRow("six") << 6.000000000000002 << " 6";
        QTest::newRow("large") << 1e15 << " 1E+15";
    }
    void numbersAreWrittenWithSignPlace()
    {
        QFETCH(double, szám);
        QFETCH(QString, szöveg);
        QCOMPARE(Str(szám), szöveg);
        QCOMPARE(szövegként(szám), szöveg.trimmed());
    }

    void halvesRoundToEven_data()
    {
        QTest::addColumn<double>("szám");
        QTest::addColumn<long long>("egész");
        QTest::newRow("0.5") << 0.5 << 0LL;
        QTest::newRow("1.5") << 1.5 << 2LL;
        QTest::newRow("2.5") << 2.5 << 2LL;
        QTest::newRow("-0.5") << -0.5 << 0LL;
        QTest::newRow("-1.5") << -1.5 << -2LL;
        QTest::newRow("400.5 ms") << 400.5 << 400LL;
        QTest::newRow("1399.9999") << 1399.9999 << 1400LL;
    }
    void halvesRoundToEven()
    {
        QFETCH(double, szám);
        QFETCH(long long, egész);
        QCOMPARE(kerekít(szám), egész);
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
