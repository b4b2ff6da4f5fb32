// The built-in catalogue and its parsing.
#include <QtTest>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "game/katalogus.h"
#endif

class TestCatalogue : public QObject {
    Q_OBJECT
    std::vector<szópár> párok;

private Q_SLOTS:
    void initTestCase()
    {
        QString szólista = katalógus();
        szólista_feldolgozása(szólista, párok);
    }

    // The five stored texts keep their lengths; a changed letter shows here.
    void storedTextsKeepTheirLengths()
    {
        const int hosszak[] = {972, 405, 553, 177, 384};
        for (int i = 0; i < 5; ++i) QCOMPARE(katalógus_részei[std::size_t(i)].size(), hosszak[i]);
    }

    void joinedCatalogueGives168PairsWithoutBlanksOrEmptyWords()
    {
        QCOMPARE(párok.size(), std::size_t(168));
        QCOMPARE(párok.front().szó1, QStringLiteral("ad"));
        QCOMPARE(párok.front().szó2, QStringLiteral("vesz"));
        QCOMPARE(párok.back().szó1, QStringLiteral("iskolázott"));
        QCOMPARE(párok.back().szó2, QStringLiteral("tanulatlan"));
        qsizetype leghosszabb = 0;
        for (const szópár& p : párok) {
            QVERIFY(!p.szó1.isEmpty() && !p.szó2.isEmpty());
            QVERIFY(!p.szó1.contains(u' ') && !p.szó2.contains(u' '));
            QVERIFY(!p.kiosztva);
            leghosszabb = std::max({leghosszabb, p.szó1.size(), p.szó2.size()});
        }
        QCOMPARE(leghosszabb, 16);  // "kiszámíthatatlan"
    }

    // "nevetséges - ünnepélyes" and "kedves-mogorva , " in the fifth text.
    void blanksAroundSeparatorsLeaveNoTrace()
    {
        const auto van = [&](const char16_t* a, const char16_t* b) {
            return std::any_of(párok.begin(), párok.end(),
                               [&](const szópár& p) { return p.szó1 == QStringView(a) && p.szó2 == QStringView(b); });
        };
        QVERIFY(van(u"nevetséges", u"ünnepélyes"));
        QVERIFY(van(u"kedves", u"mogorva"));
        QVERIFY(van(u"szűkös", u"tágas"));
        QVERIFY(van(u"kisszerű", u"magasztos"));
    }

    void nyitottStandsInTwoPairs()
    {
        QCOMPARE(párok[13].szó1, QStringLiteral("csukott"));
        QCOMPARE(párok[13].szó2, QStringLiteral("nyitott"));
        QCOMPARE(párok[98].szó1, QStringLiteral("nyitott"));
        QCOMPARE(párok[98].szó2, QStringLiteral("zárt"));
    }

    void closingCommaIsAddedOnlyWhenMissing()
    {
        std::vector<szópár> p;
        QString zárt = QStringLiteral("ég-föld,kint-bent,");
        szólista_feldolgozása(zárt, p);
        QCOMPARE(zárt, QStringLiteral("ég-föld,kint-bent,"));
        QCOMPARE(p.size(), std::size_t(2));
        QString nyitott = QStringLiteral("ég-föld, kint - bent");
        szólista_feldolgozása(nyitott, p);
        QCOMPARE(nyitott, QStringLiteral("ég-föld, kint - bent,"));
        QCOMPARE(p.size(), std::size_t(2));
        QCOMPARE(p[1].szó1, QStringLiteral("kint"));
        QCOMPARE(p[1].szó2, QStringLiteral("bent"));
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
