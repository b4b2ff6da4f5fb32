// Writing texts into picture boxes and labels with kiír.
#include <set>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "designs/tervek.h"
#include "tesztkornyezet.h"
#include "text/global.h"
#endif

namespace {
// Two picture boxes of equal size and a label, on a window of their own.
class Próbaablak : public Ablak {
public:
    KépDoboz doboz1, doboz2;
    Címke címke;

protected:
    void tervezés() override
    {
        Ablakkeret k;
        k.belső_szél = 6000;
        k.belső_mag = 3000;
        ablak_tervezése(k, QStringLiteral("próba"), világos_narancs);
        doboz1.létrehoz(*this, 120, 120, 2400, 900);
        doboz2.létrehoz(*this, 120, 1200, 2400, 900);
        címke.létrehoz(*this, 3000, 120, 2400, 600, QStringLiteral("Felirat"));
    }
};

// Text widths grow with the size: `szélesség` twips per point and letter,
// plus `ráadás` twips whatever the size; it notes the sizes it measures at.
struct Mérő {
    float méret = 0;
    double szélesség = 10, magasság = 20, ráadás = 0;
    mutable std::set<float> mért;
    float FontSize() const { return méret; }
    void setFontSize(float m) { méret = m; }
    double TextWidth(const QString& s) const
    {
        mért.insert(méret);
        return méret * szélesség * double(s.size()) + ráadás;
    }
    double TextHeight(const QString&) const
    {
        mért.insert(méret);
        return méret * magasság;
    }
};

// The first size from `kezdő` up, one point at a time, that no longer fits.
float egyenként(Mérő m, const QString& szöveg, float kezdő, double szél, double mag)
{
    float méret = kezdő;
    for (int lépés = 0; lépés < 1000; ++lépés, méret += 1) {
        m.setFontSize(méret);
        if (m.TextWidth(szöveg) > szél || m.TextHeight(szöveg) > mag) break;
    }
    return méret;
}
}  // namespace

class TestTextFitting : public QObject {
    Q_OBJECT
    Tesztkörnyezet környezet;
    Próbaablak ablak;

private Q_SLOTS:
    void init()
    {
        környezet.friss_ablakok();
        ablak.Load();
    }

    void searchStopsAtFirstSizeThatNoLongerFits_data()
    {
        QTest::addColumn<double>("szél");
        QTest::addColumn<double>("mag");
        QTest::addColumn<float>("várt");
        // "abcd": 40 twips wide and 20 high per point.
        QTest::newRow("width decides") << 400.0 << 1000.0 << 11.f;
        QTest::newRow("height decides") << 4000.0 << 300.0 << 16.f;
        QTest::newRow("exact fit still fits") << 480.0 << 1000.0 << 13.f;
        QTest::newRow("nothing fits") << 10.0 << 10.0 << 8.f;
    }
    void searchStopsAtFirstSizeThatNoLongerFits()
    {
        QFETCH(double, szél);
        QFETCH(double, mag);
        QFETCH(float, várt);
        Mérő mérő;
        QCOMPARE(első_nem_illő_méret(mérő, QStringLiteral("abcd"), 8, szél, mag), várt);
        QCOMPARE(mérő.FontSize(), várt);
    }

    // However far the proportional guess is off (a width that does not grow
    // in proportion), the search ends where trying every size would.
    void searchAgreesWithTryingEverySize()
    {
        for (double ráadás : {0.0, 300.0, 2000.0, -200.0})
            for (double szél = 10; szél < 9000; szél += 37) {
                Mérő m;
                m.ráadás = ráadás;
                const float várt = egyenként(m, QStringLiteral("abcd"), 6, szél, 1500);
                QCOMPARE(első_nem_illő_méret(m, QStringLiteral("abcd"), 6, szél, 1500), várt);
                QCOMPARE(m.FontSize(), várt);
            }
    }

    // Every size a font is measured at costs a font look-up: a guess that is
    // right needs the first size, the guess and its neighbour; one that is far
    // off needs about twice as many as the distance has binary digits, not
    // every size in between.
    void searchMeasuresFewSizes()
    {
        Mérő arányos;
        QCOMPARE(első_nem_illő_méret(arányos, QStringLiteral("abcd"), 6, 2000, 2000), 51.f);
        QCOMPARE(arányos.mért, (std::set<float>{6, 50, 51}));
        Mérő eltérő;  // the guess lies 70 sizes short
        eltérő.ráadás = 1500;
        QCOMPARE(első_nem_illő_méret(eltérő, QStringLiteral("abcd"), 6, 5000, 5000), 88.f);
        QVERIFY2(eltérő.mért.size() <= 16, qPrintable(QString::number(eltérő.mért.size())));
    }

    void surfaceThatMeasuresNothingStopsAtTheBound()
    {
        Mérő semmi;
        semmi.szélesség = semmi.magasság = 0;
        QCOMPARE(első_nem_illő_méret(semmi, QStringLiteral("abcd"), 8, 10, 10), 1008.f);
        QCOMPARE(semmi.FontSize(), 1008.f);
    }

    void emptyTextOnPictureBoxDrawsPlaceholder()
    {
        QString szöveg;
        kiír(ablak.doboz1, szöveg, 0);
        QCOMPARE(szöveg, üres_szöveg_helyett);
        QCOMPARE(ablak.doboz1.Tag(), üres_szöveg_helyett);
        QCOMPARE(ablak.doboz1.nyomatok().size(), std::size_t(1));
        QCOMPARE(ablak.doboz1.nyomatok()[0].szöveg, üres_szöveg_helyett);
    }

    // The found size is the largest that fits in both directions, in Times New Roman.
    void fittedWordIsLargestThatFitsAndCentred()
    {
        KépDoboz& d = ablak.doboz1;
        const QString szó = QStringLiteral("kiszámíthatatlan");
        kiír(d, szó, 0);
        const float méret = d.FontSize();
        QCOMPARE(d.FontName(), QStringLiteral("Times New Roman"));
        QVERIFY(d.TextWidth(szó) <= d.ScaleWidth() && d.TextHeight(szó) <= d.ScaleHeight());
        d.setFontSize(méret + 1);
        QVERIFY(d.TextWidth(szó) > d.ScaleWidth() || d.TextHeight(szó) > d.ScaleHeight());
        d.setFontSize(méret);
        const auto& ny = d.nyomatok().at(0);
        QCOMPARE(ny.x, d.ScaleWidth() / 2 - d.TextWidth(szó) / 2);
        QCOMPARE(ny.y, d.ScaleHeight() / 2 - d.TextHeight(szó) / 2);
    }

    void textWithoutLowerCaseSitsAtSixtyPercent()
    {
        KépDoboz& d = ablak.doboz1;
        kiír(d, 12.0, 0);  // a number: written without a leading blank
        QCOMPARE(d.Tag(), QStringLiteral("12"));
        QCOMPARE(d.nyomatok().at(0).y, d.ScaleHeight() * 0.6 - d.TextHeight(QStringLiteral("12")) / 2);
        kiír(d, QStringLiteral("0 fordítás"), 0);
        QCOMPARE(d.nyomatok().at(0).y, d.ScaleHeight() / 2 - d.TextHeight(QStringLiteral("0 fordítás")) / 2);
    }

    void givenSizeIsUsedEvenWhenTooBig()
    {
        kiír(ablak.doboz1, QStringLiteral("kicsi"), 12);
        QCOMPARE(ablak.doboz1.FontSize(), 12.f);
        kiír(ablak.doboz1, QStringLiteral("szállíthatatlan szállíthatatlan"), 40);
        QCOMPARE(ablak.doboz1.FontSize(), 40.f);
        QCOMPARE(ablak.doboz1.nyomatok().size(), std::size_t(1));  // the earlier drawing is gone
    }

    // A label gets the first size that passes 90 % of its width or height;
    // the window that measured keeps that font.
    void labelGetsFirstSizePastNinetyPercent()
    {
        Címke& c = ablak.címke;
        const QString szöveg = QStringLiteral("Szép munka!");
        kiír(c, szöveg, 0);
        QCOMPARE(c.Caption(), szöveg);
        QCOMPARE(c.FontName(), QStringLiteral("Times New Roman"));
        QCOMPARE(ablak.FontSize(), c.FontSize());
        QVERIFY(ablak.TextWidth(szöveg) > c.Width() * 0.9 || ablak.TextHeight(szöveg) > c.Height() * 0.9);
        ablak.setFontSize(c.FontSize() - 1);
        QVERIFY(ablak.TextWidth(szöveg) <= c.Width() * 0.9 && ablak.TextHeight(szöveg) <= c.Height() * 0.9);
    }

    void emptyTextOnLabelKeepsCaption()
    {
        Címke& c = ablak.címke;
        c.setCaption(QStringLiteral("Marad"));
        c.setFontSize(30);
        QString szöveg;
        kiír(c, szöveg, 0);
        QCOMPARE(szöveg, QStringLiteral("Marad"));
        QCOMPARE(c.Caption(), QStringLiteral("Marad"));
        QVERIFY(c.FontSize() < 30);
    }
};

TUKROSDI_TEST_MAIN(TestTextFitting)
#include "test_text_fitting.moc"
