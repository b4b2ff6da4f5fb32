// The rules of the game on plain values, without any window: the catalogue,
// the grid, the deal's draws, the pair test, the counter, the end of a board
// and the settings' texts.
#include <QCryptographicHash>
#include <QTest>
#include <deque>
#include <stdexcept>
#include <tuple>
#include <utility>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "game/beallitas_olvasas.h"
#include "game/egyezes.h"
#include "game/huzas.h"
#include "game/jatekban.h"
#include "game/kartyanev.h"
#include "game/katalogus.h"
#include "game/racs.h"
#include "game/szamlalo.h"
#include "praise/dicseretek.h"
#endif

namespace {
QByteArray kivonat(const QString& szöveg)
{
    return QCryptographicHash::hash(szöveg.toUtf8(), QCryptographicHash::Sha256).toHex();
}

// Hands out the given values in turn; running out is a failure of the test.
struct Forgatókönyv {
    std::deque<float> értékek;
    Véletlenforrás forrás()
    {
        return [this] {
            if (értékek.empty()) throw std::runtime_error("the deal drew more values than scripted");
            const float x = értékek.front();
            értékek.pop_front();
            return x;
        };
    }
};

std::vector<szópár> párok_ebből(std::initializer_list<std::pair<const char16_t*, const char16_t*>> lista)
{
    std::vector<szópár> párok;
    for (auto [a, b] : lista) párok.push_back({QString::fromUtf16(a), QString::fromUtf16(b)});
    return párok;
}
}  // namespace

class TestRules : public QObject {
    Q_OBJECT
    std::vector<szópár> katalógus_párjai;

private Q_SLOTS:
    void initTestCase()
    {
        QString szólista = katalógus();
        szólista_feldolgozása(szólista, katalógus_párjai);
    }

    // A changed letter anywhere, even one of the same length, shows here.
    void storedTextsAreExactlyAsWritten()
    {
        const char* kivonatok[] = {
            "cdfb6408267ed71f0e22510f5088343545196a3b7403c372c9112415cfe80838",
            "6ff6820062bfeb2d7fa8e3d8ca071e533f43ae1eb3ddfdac9428c77529624740",
            "f67e11a7f3afcda479768537e50053780983204070fbcc4630e1f748f44f7a5b",
            "fc6b8953161755853fb34ea34adabc0d5b6763a67f8962646bff3108afb0bc96",
            "856692178ed864cbcd9b406f085d3653c8a5cea3620d832b5772268e2d1eccc5",
        };
        for (std::size_t i = 0; i < katalógus_részei.size(); ++i)
            QCOMPARE(kivonat(katalógus_részei[i].toString()), QByteArray(kivonatok[i]));

        QString dicséretek;
        for (QStringView d : dicséretek_szövege) dicséretek += d.toString() + u'\n';
        QCOMPARE(kivonat(dicséretek), QByteArray("d0eae69da3652cdb611f8ad7277ebf6dd610456895d86e398abe5c2282b33d19"));
    }

    void catalogueParsesInto168CleanPairs()
    {
        const auto& p = katalógus_párjai;
        QCOMPARE(p.size(), std::size_t(168));
        QCOMPARE(p.front().szó1 + u'-' + p.front().szó2, QStringLiteral("ad-vesz"));
        QCOMPARE(p.back().szó1 + u'-' + p.back().szó2, QStringLiteral("iskolázott-tanulatlan"));
        // The fifth text has blanks around its separators: they leave no trace.
        QCOMPARE(p[146].szó1 + u'-' + p[146].szó2, QStringLiteral("nevetséges-ünnepélyes"));
        QCOMPARE(p[165].szó1 + u'-' + p[165].szó2, QStringLiteral("kedves-mogorva"));
        qsizetype leghosszabb = 0;
        for (const szópár& pár : p) {
            QVERIFY(!pár.szó1.isEmpty() && !pár.szó2.isEmpty() && !pár.kiosztva);
            QVERIFY(!pár.szó1.contains(u' ') && !pár.szó2.contains(u' '));
            leghosszabb = std::max({leghosszabb, pár.szó1.size(), pár.szó2.size()});
        }
        QCOMPARE(leghosszabb, 16);  // "kiszámíthatatlan"
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
        QCOMPARE(p[1].szó1 + u'-' + p[1].szó2, QStringLiteral("kint-bent"));
    }

    // A container of 12120 x 9120 twips with card 0's corner at (120, 120).
    void firstAndLastCardOfEveryBoard_data()
    {
        QTest::addColumn<int>("oszlopok");
        QTest::addColumn<int>("sorok");
        QTest::addColumn<double>("W");
        QTest::addColumn<double>("H");
        QTest::addColumn<double>("utolsó_bal");
        QTest::addColumn<double>("utolsó_felső");
        // clang-format off
        QTest::newRow("3x4") << 3 << 4 << 3600.0 << 2025.0 <<  8040.00001 << 6802.50001;
        QTest::newRow("4x4") << 4 << 4 << 2700.0 << 2025.0 <<  9030.00001 << 6802.50001;
        QTest::newRow("4x5") << 4 << 5 << 2700.0 << 1620.0 <<  9030.00001 << 7248.00001;
        QTest::newRow("4*6") << 4 << 6 << 2700.0 << 1350.0 <<  9030.00001 << 7545.00001;
        QTest::newRow("5x6") << 5 << 6 << 2160.0 << 1350.0 <<  9624.00001 << 7545.00001;
        QTest::newRow("6x6") << 6 << 6 << 1800.0 << 1350.0 << 10020.00001 << 7545.00001;
        // clang-format on
    }
    void firstAndLastCardOfEveryBoard()
    {
        QFETCH(int, oszlopok);
        QFETCH(int, sorok);
        QFETCH(double, W);
        QFETCH(double, H);
        QFETCH(double, utolsó_bal);
        QFETCH(double, utolsó_felső);
        const std::vector<Téglalap> h = kártyák_helye({12120, 9120, 120, 120, oszlopok, sorok});
        QCOMPARE(int(h.size()), oszlopok * sorok);
        QCOMPARE(h.front().Left, 120.0);
        QCOMPARE(h.front().Top, 120.0);
        for (const Téglalap& t : h) QVERIFY(t.Width == W && t.Height == H);
        QVERIFY(qAbs(h.back().Left - utolsó_bal) < 1e-4);
        QVERIFY(qAbs(h.back().Top - utolsó_felső) < 1e-4);
        // The end of the first row and the start of the second.
        QCOMPARE(h[std::size_t(oszlopok - 1)].Left, h.back().Left);
        QCOMPARE(h[std::size_t(oszlopok - 1)].Top, 120.0);
        QCOMPARE(h[std::size_t(oszlopok)].Left, 120.0);
        QCOMPARE(h[std::size_t(oszlopok)].Top, h[std::size_t(oszlopok + 1)].Top);
        QCOMPARE(int(kártyaindex(std::uint8_t(oszlopok), std::uint8_t(sorok), oszlopok)), oszlopok * sorok - 1);
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
        QCOMPARE((QList<int>{lép(3, jobb), lép(8, bal), lép(8, le)}), (QList<int>{3, 8, 8}));
    }

    void cardNamesTellWordOrPlace()
    {
        QCOMPARE(kártya_neve(Kártyaállapot::lefordítva, u"ad"_qs, 1, 6), u"lefordított kártya, 1. sor, 2. oszlop"_qs);
        QCOMPARE(kártya_neve(Kártyaállapot::eltüntetve, u"ad"_qs, 35, 6), u"eltüntetett kártya, 6. sor, 6. oszlop"_qs);
        QCOMPARE(kártya_neve(Kártyaállapot::felfordítva, u"ad"_qs, 35, 6), u"ad"_qs);
    }

    // Two pairs on four cards, first word first, drawing again where a pair
    // is dealt or a card holds a word; of two equally wide words the one
    // placed first counts as the widest.
    void dealPlacesBothWordsAndFindsTheWidest()
    {
        std::vector<szópár> p = párok_ebből({{u"ég", u"föld"}, {u"kint", u"bent"}, {u"ad", u"vesz"}});
        std::vector<QString> szavak(4);
        Forgatókönyv f{{
            0.5f,         // pair 1
            0.75f,        // "kint" on card 3
            0.8f, 0.25f,  // "bent": card 3 is taken, card 1
            0.4f, 0.1f,   // pair 1 again, then pair 0
            0.0f,         // "ég" on card 0
            0.6f,         // "föld" on card 2
        }};
        const auto hossz = [](const QString& s) { return double(s.size()); };
        QCOMPARE(kiosztás(p, szavak, f.forrás(), hossz), std::size_t(3));
        QCOMPARE(szavak, (std::vector<QString>{u"ég"_qs, u"bent"_qs, u"föld"_qs, u"kint"_qs}));
        QVERIFY(p[0].kiosztva && p[1].kiosztva && !p[2].kiosztva);
        QVERIFY(f.értékek.empty());
    }

    void randomIndexStaysBelowTheCount()
    {
        QVERIFY(véletlen_index(0.0f, 168) == 0 && véletlen_index(0.5f, 36) == 18);
        QCOMPARE(véletlen_index(0.99999994f, 168), std::size_t(167));  // the largest value below 1
    }

    void wordsArePartnersInEitherOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("pár");
        // clang-format off
        QTest::newRow("ad, vesz")            << "ad"      << "vesz"    << true;
        QTest::newRow("vesz, ad")            << "vesz"    << "ad"      << true;
        QTest::newRow("csukott, nyitott")    << "csukott" << "nyitott" << true;
        QTest::newRow("zárt, nyitott")       << "zárt"    << "nyitott" << true;
        QTest::newRow("both nyitott")        << "nyitott" << "nyitott" << false;
        QTest::newRow("csukott, zárt")       << "csukott" << "zárt"    << false;
        QTest::newRow("halves of two pairs") << "ad"      << "hajnal"  << false;
        QTest::newRow("capital letter")      << "Ad"      << "vesz"    << false;
        QTest::newRow("no words")            << ""        << ""        << false;
        // clang-format on
    }
    void wordsArePartnersInEitherOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, pár);
        QCOMPARE(párt_alkot(katalógus_párjai, a, b), pár);
    }

    void counterGrowsByOneWithABlankInTheSignPlace()
    {
        QString felirat = kezdő_számláló;
        QCOMPARE(felirat, QStringLiteral("0 fordítás"));
        QStringList feliratok;
        for (int n = 1; n <= 10; ++n) feliratok << (felirat = következő_számláló(felirat));
        QCOMPARE(feliratok[0], QStringLiteral(" 1 fordítás"));
        QCOMPARE(feliratok[8], QStringLiteral(" 9 fordítás"));
        QCOMPARE(feliratok[9], QStringLiteral(" 10 fordítás"));
    }

    void boardIsClearedWhenNoCardHasItsBorder()
    {
        using enum Szegély;
        QVERIFY(!van_játékban({}));
        QVERIFY(!van_játékban({None, None, None}));
        QVERIFY(van_játékban({None, None, FixedSingle}));
        QVERIFY(van_játékban({FixedSingle, None}));
    }

    void boardSizeFromFirstAndLastCharacter()
    {
        for (auto [felirat, oszlopok, sorok] : {std::tuple{u"3x4", 3, 4}, {u"4*6", 4, 6}, {u"6x6", 6, 6}}) {
            const Táblaméret m = táblaméret_feliratból(QString::fromUtf16(felirat));
            QVERIFY(m.oszlopok == oszlopok && m.sorok == sorok);
        }
    }

    // A text that gives no positive interval would leave a turn unsettled: 2 seconds instead.
    void waitingTextBecomesPositiveMilliseconds()
    {
        const std::pair<const char*, int> esetek[] = {
            {" .4", 400}, {" 1.4", 1400},   {" 6", 6000}, {"0.0025", 2},   // half to even
            {"", 2000},   {"0.0004", 2000}, {"-1", 2000}, {"1e12", 2000},  // none, below 1 ms, negative, > 32 bits
        };
        for (auto [szöveg, ms] : esetek) QCOMPARE(várakozás_ezredmásodpercben(QString::fromLatin1(szöveg)), ms);
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "test_rules.moc"
