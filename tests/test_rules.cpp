// The rules of the game on plain values, without any window, and numbers
// read from and written to text whatever the locale.
#include <QCryptographicHash>
#include <QLocale>
#include <QTest>
#include <deque>
#include <stdexcept>
#include <tuple>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "alap/szamszoveg.h"
#include "game/beallitas_olvasas.h"
#include "game/egyezes.h"
#include "game/huzas.h"
#include "game/katalogus.h"
#include "game/racs.h"
#include "praise/dicseretek.h"
#include "text/illeszkedes.h"

using namespace számszöveg;
#endif

class TestRules : public QObject {
    Q_OBJECT
    std::vector<szópár> katalógus_párjai;

private Q_SLOTS:
    void initTestCase()
    {
        QString szólista = katalógus();
        szólista_feldolgozása(szólista, katalógus_párjai);
        // A decimal comma in the user's settings must change nothing.
        QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
        std::setlocale(LC_ALL, "hu_HU.UTF-8");
    }

    // A changed letter anywhere, even one of the same length, shows here.
    void storedTextsAreExactlyAsWritten()
    {
        QCryptographicHash kivonat(QCryptographicHash::Sha256);
        for (QStringView r : katalógus_részei) kivonat.addData(r.toString().toUtf8() + '\0');
        for (QStringView d : dicséretek_szövege) kivonat.addData(d.toString().toUtf8() + '\0');
        const QByteArray várt = "e6306b3a8a6ed6bfd05f3c01300353d3eb3d401c28b2ea4c14d5686871b78ae0";
        QCOMPARE(kivonat.result().toHex(), várt);
    }

    // 168 pairs, none dealt, no blanks around the separators.
    void catalogueParsesIntoCleanPairs()
    {
        const auto& p = katalógus_párjai;
        QCOMPARE(p.size(), std::size_t(168));
        for (const szópár& pár : p)
            QVERIFY(!pár.szó1.isEmpty() && !pár.szó2.isEmpty() && !pár.kiosztva &&
                    !(pár.szó1 + pár.szó2).contains(u' '));
    }

    // Two pairs on four cards, drawing again where a pair is dealt or a card holds a word; of two equally
    // wide words the one placed first counts as the widest. A draw never reaches the count.
    void dealPlacesBothWordsAndFindsTheWidest()
    {
        std::vector<szópár> p{{u"ég"_qs, u"föld"_qs}, {u"kint"_qs, u"bent"_qs}, {u"ad"_qs, u"vesz"_qs}};
        std::vector<QString> szavak(4);
        // Pair 1: "kint" on card 3, "bent" (card 3 is taken) on 1; pair 1 again, so pair 0: "ég" on 0, "föld" on 2.
        std::deque<float> értékek{0.5f, 0.75f, 0.8f, 0.25f, 0.4f, 0.1f, 0.0f, 0.6f};
        const auto forrás = [&] {
            if (értékek.empty()) throw std::runtime_error("the deal drew more values than scripted");
            const float x = értékek.front();
            return értékek.pop_front(), x;
        };
        QCOMPARE(kiosztás(p, szavak, forrás, [](const QString& s) { return double(s.size()); }), std::size_t(3));
        QCOMPARE(szavak, (std::vector<QString>{u"ég"_qs, u"bent"_qs, u"föld"_qs, u"kint"_qs}));
        QVERIFY(p[0].kiosztva && p[1].kiosztva && !p[2].kiosztva);
        QVERIFY(értékek.empty());
        QCOMPARE(véletlen_index(0.99999994f, 168), std::size_t(167));  // the largest value below 1
    }

    // The size search gives what trying every size in turn gives, wherever it measures first, on a
    // surface whose widths grow unevenly (rounded as a hinted font's are) and for boxes too small or empty.
    void sizeSearchGivesTheFirstSizeThatDoesNotFit()
    {
        struct Felület {
            float méret = 0;
            double betű_szél;
            float FontSize() const { return méret; }
            void setFontSize(float m) { méret = m; }
            double TextWidth(const QString& s) const { return std::round(méret * betű_szél) * double(s.size()); }
            double TextHeight(const QString&) const { return std::ceil(méret * 1.15) * 20; }
        };
        for (double betű_szél : {4.3, 9.7, 13.0})
            for (double szél : {0.0, 100.0, 3000.0, 9000.0})
                for (double mag : {0.0, 300.0, 2000.0}) {
                    Felület f{0, betű_szél};
                    float elvárt = 8;
                    while (elvárt < 1008 && (f.setFontSize(elvárt), f.TextWidth(u"szó"_qs) <= szél && f.TextHeight({}) <= mag))
                        ++elvárt;
                    for (float első : {0.f, 8.f, 9.f, 23.f, 70.f}) {
                        QCOMPARE(első_nem_illő_méret(f, u"szó"_qs, 8, szél, mag, első), elvárt);
                        QCOMPARE(f.FontSize(), elvárt);
                    }
                }
    }

    void wordsArePartnersInEitherOrder()
    {
        const std::tuple<const char16_t*, const char16_t*, bool> esetek[] = {
            {u"ad", u"vesz", true},          {u"vesz", u"ad", true},
            {u"csukott", u"nyitott", true},  {u"zárt", u"nyitott", true},  // a word with two partners
            {u"nyitott", u"nyitott", false}, {u"csukott", u"zárt", false},
            {u"ad", u"hajnal", false},  // halves of two pairs
            {u"Ad", u"vesz", false},         {u"", u"", false},
        };
        for (auto [a, b, pár] : esetek)
            QVERIFY2(párt_alkot(katalógus_párjai, QString::fromUtf16(a), QString::fromUtf16(b)) == pár,
                     qPrintable(QString::fromUtf16(a) + u' ' + QString::fromUtf16(b)));
    }

    // On a 4 x 3 board: every step of every arrow from a corner, an edge and
    // the middle, and no step past an edge.
    void arrowsMoveToTheNeighbourAndStopAtEdges()
    {
        using enum Irány;
        const auto lép = [](int i, Irány irány) { return int(szomszéd(std::int16_t(i), irány, 4, 3)); };
        QCOMPARE((QList<int>{lép(0, bal), lép(0, fel), lép(0, jobb), lép(0, le)}), (QList<int>{0, 0, 1, 4}));
        QCOMPARE((QList<int>{lép(5, bal), lép(5, fel), lép(5, jobb), lép(5, le)}), (QList<int>{4, 1, 6, 9}));
        QCOMPARE((QList<int>{lép(11, bal), lép(11, fel), lép(11, jobb), lép(11, le)}), (QList<int>{10, 7, 11, 11}));
        QCOMPARE((QList<int>{lép(3, jobb), lép(4, bal), lép(8, bal), lép(8, le)}), (QList<int>{3, 4, 8, 8}));
    }

    // Board sizes from the caption's first and last character; a waiting text
    // without a positive interval would leave a turn unsettled: 2 seconds.
    void settingsTextsGiveBoardSizeAndWaitingTime()
    {
        const Táblaméret m = táblaméret_feliratból(QStringLiteral("4*6")), n = táblaméret_feliratból(u"3x4"_qs);
        QVERIFY(m.oszlopok == 4 && m.sorok == 6 && n.oszlopok == 3 && n.sorok == 4);
        const std::pair<const char*, int> esetek[] = {
            {" .4", 400}, {" 1.4", 1400},   {" 6", 6000}, {"0.0015", 2},  {"0.0025", 2},  // rounded, half to even
            {"", 2000},   {"0.0004", 2000}, {"-1", 2000}, {"1e12", 2000},  // none, below 1 ms, negative, > 32 bits
        };
        for (auto [szöveg, ms] : esetek) QCOMPARE(várakozás_ezredmásodpercben(QString::fromLatin1(szöveg)), ms);
    }

    // The leading number of a text; a number written with 15 digits at most,
    // a blank in the sign place and no zero before the point.
    void numbersAreReadAndWrittenByFixedRules()
    {
        const std::pair<const char*, double> olvasások[] = {
            {" .4", 0.4}, {" 7 fordítás", 7}, {"fordítás", 0},  {"", 0},   {"1 2", 1}, {"1.5.3", 1.5},
            {"1,5", 1},   {"-3x", -3},        {"  12e2", 1200}, {"1e", 1}, {"4*6", 4}, {".", 0},
        };
        for (auto [szöveg, érték] : olvasások) QCOMPARE(Val(QString::fromUtf8(szöveg)), érték);
        const std::pair<double, const char*> írások[] = {
            {0.4, " .4"}, {10, " 10"}, {-0.5, "-.5"}, {0, " 0"}, {1.9999999999999998, " 2"}, {1e15, " 1E+15"},
        };
        for (auto [szám, szöveg] : írások) {
            QCOMPARE(Str(szám), QLatin1String(szöveg));
            QCOMPARE(szövegként(szám), QLatin1String(szöveg).trimmed());
        }
        // Halves round to even.
        const std::pair<double, long long> kerekítések[] = {{0.5, 0},   {1.5, 2},     {2.5, 2},
                                                            {-1.5, -2}, {400.5, 400}, {1399.9999, 1400}};
        for (auto [szám, egész] : kerekítések) QCOMPARE(kerekít(szám), egész);
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "test_rules.moc"
