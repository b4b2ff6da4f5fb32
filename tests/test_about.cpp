// The About window: what it shows, how it closes, how it reads the registry
// and how System Info starts the information tool or says that it cannot.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <cstring>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "alap/rendszerleiro.h"
#include "help/frm_about.h"
#include "tesztkornyezet.h"
#endif

namespace {
using namespace rendszerleíró;

const QString nincs_eszköz = QStringLiteral("System Information Is Unavailable At This Time");
const QByteArray első_kulcs = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray második_kulcs = "SOFTWARE\\Microsoft\\Shared Tools Location";

// A registry in memory: per key path, value name -> (type, bytes). It counts
// opens and closes and records which keys were asked for.
class HamisAdatbázis : public Adatbázis {
public:
    struct Érték {
        std::uint32_t típus;
        QByteArray adat;
    };
    QMap<QByteArray, QMap<QByteArray, Érték>> kulcsok;
    QList<QByteArray> megnyitott;
    int nyitások = 0, zárások = 0;

    long RegOpenKeyExA(HKEY, const char* kulcs, std::uint32_t, std::uint32_t, HKEY* eredmény) override
    {
        ++nyitások;
        megnyitott << QByteArray(kulcs);
        // The handle of an open key: its place in `megnyitott`, from 1.
        *eredmény = kulcsok.contains(megnyitott.back()) ? HKEY(megnyitott.size()) : 0;
        return *eredmény ? SIKERES : NINCS_ILYEN;
    }
    long RegQueryValueExA(HKEY kulcs, const char* név, std::uint32_t*, std::uint32_t* típus, unsigned char* adat,
                          std::uint32_t* méret) override
    {
        if (kulcs == 0 || kulcs > HKEY(megnyitott.size())) return NINCS_ILYEN;
        const auto& értékek = kulcsok[megnyitott[qsizetype(kulcs - 1)]];
        const auto i = értékek.constFind(QByteArray(név));
        if (i == értékek.cend()) return NINCS_ILYEN;
        const auto kell = std::uint32_t(i->adat.size());
        const bool elfér = kell <= *méret;
        *méret = kell;
        if (!elfér) return TÖBB_ADAT;
        if (kell) std::memcpy(adat, i->adat.constData(), kell);
        *típus = i->típus;
        return SIKERES;
    }
    long RegCloseKey(HKEY) override
    {
        ++zárások;
        return SIKERES;
    }
};
}  // namespace

class TestAbout : public QObject {
    Q_OBJECT
    Tesztkörnyezet környezet;
    HamisAdatbázis hamis;
    QByteArray eredeti_path = qgetenv("PATH");

    static void rendszerinfó() { QTest::mouseClick(frmAbout().cmdSysInfo.widget(), Qt::LeftButton); }

private Q_SLOTS:
    void init()
    {
        környezet.friss_ablakok();
        hamis = HamisAdatbázis();
    }
    void cleanup()
    {
        teszt_adatbázis(nullptr);
        qputenv("PATH", eredeti_path);
    }

    // ---- GetKeyValue ----
    void keyValueIsReadByItsType_data()
    {
        QTest::addColumn<QByteArray>("kulcs");
        QTest::addColumn<QByteArray>("név");
        QTest::addColumn<uint>("típus");
        QTest::addColumn<QByteArray>("adat");
        QTest::addColumn<bool>("várt_eredmény");
        QTest::addColumn<QString>("várt_szöveg");
        const QByteArray k = "K", v = "V", zsongóka = QStringLiteral("Zsongóka").toUtf8();
        const QString régi = QStringLiteral("régi");
        QTest::newRow("text with its zero") << k << v << 1u << zsongóka + '\0' << true << QStringLiteral("Zsongóka");
        QTest::newRow("text without zero") << k << v << 1u << zsongóka << true << QStringLiteral("Zsongóka");
        QTest::newRow("1023 bytes and zero fit")
            << k << v << 1u << QByteArray(1023, 'a') + '\0' << true << QString(1023, QLatin1Char('a'));
        QTest::newRow("1024 bytes without zero fit")
            << k << v << 1u << QByteArray(1024, 'b') << true << QString(1024, QLatin1Char('b'));
        QTest::newRow("1024 bytes and zero do not fit")
            << k << v << 1u << QByteArray(1024, 'a') + '\0' << false << QString();
        QTest::newRow("number 10") << k << v << 4u << QByteArray("\x0A\0\0\0", 4) << true << QStringLiteral("10");
        QTest::newRow("number -1") << k << v << 4u << QByteArray("\xFF\xFF\xFF\xFF", 4) << true << QStringLiteral("-1");
        QTest::newRow("number byte order")
            << k << v << 4u << QByteArray("\x78\x56\x34\x12", 4) << true << QStringLiteral("305419896");
        QTest::newRow("other type keeps the text") << k << v << 3u << QByteArray("\x01\x02", 2) << true << régi;
        QTest::newRow("missing key") << QByteArray("X") << v << 1u << zsongóka << false << QString();
        QTest::newRow("missing value") << k << QByteArray("W") << 1u << zsongóka << false << QString();
    }
    void keyValueIsReadByItsType()
    {
        QFETCH(QByteArray, kulcs);
        QFETCH(QByteArray, név);
        QFETCH(uint, típus);
        QFETCH(QByteArray, adat);
        QFETCH(bool, várt_eredmény);
        QFETCH(QString, várt_szöveg);
        hamis.kulcsok["K"]["V"] = {típus, adat};
        teszt_adatbázis(&hamis);
        QString szöveg = QStringLiteral("régi");
        const bool eredmény =
            frmAbout().GetKeyValue(HKLM, QString::fromLatin1(kulcs), QString::fromLatin1(név), szöveg);
        QCOMPARE(eredmény, várt_eredmény);
        QCOMPARE(szöveg, várt_szöveg);
        QCOMPARE(hamis.nyitások, 1);
        QCOMPARE(hamis.zárások, 1);
    }

    void valueWithoutDataThrowsAndClosesTheKey()
    {
        hamis.kulcsok["K"]["V"] = {SZÖVEG_ÉRTÉK, QByteArray()};
        teszt_adatbázis(&hamis);
        QString szöveg;
        QVERIFY_THROWS_EXCEPTION(std::exception,
                                 frmAbout().GetKeyValue(HKLM, QStringLiteral("K"), QStringLiteral("V"), szöveg));
        QCOMPARE(hamis.nyitások, 1);
        QCOMPARE(hamis.zárások, 1);
    }

    // ---- System Info through a fake registry ----
    void sysInfoUnavailableSaysSo_data()
    {
        QTest::addColumn<QByteArray>("első");  // null: not stored
        QTest::addColumn<QByteArray>("második");
        QTest::addColumn<QList<QByteArray>>("várt_kulcsok");
        const QList<QByteArray> mindkettő{első_kulcs, második_kulcs}, csak_első{első_kulcs};
        QTest::newRow("neither value") << QByteArray() << QByteArray() << mindkettő;
        QTest::newRow("folder without the tool") << QByteArray() << QDir::tempPath().toUtf8() << mindkettő;
        QTest::newRow("first too long, second missing") << QByteArray(1100, 'a') << QByteArray() << mindkettő;
        QTest::newRow("first names no file") << QByteArray("/nincs/ilyen/msinfo32\0", 22) << QByteArray() << csak_első;
        QTest::newRow("first without data") << QByteArray("") << QDir::tempPath().toUtf8() << csak_első;
    }
    void sysInfoUnavailableSaysSo()
    {
        QFETCH(QByteArray, első);
        QFETCH(QByteArray, második);
        QFETCH(QList<QByteArray>, várt_kulcsok);
        if (!első.isNull()) hamis.kulcsok[első_kulcs]["PATH"] = {SZÖVEG_ÉRTÉK, első};
        if (!második.isNull()) hamis.kulcsok[második_kulcs]["MSINFO"] = {SZÖVEG_ÉRTÉK, második};
        teszt_adatbázis(&hamis);
        rendszerinfó();
        QCOMPARE(környezet.üzenetek, QStringList{nincs_eszköz});
        QCOMPARE(hamis.megnyitott, várt_kulcsok);
        QCOMPARE(hamis.zárások, hamis.nyitások);
        QVERIFY(frmAbout.betöltve());
    }

    // The tool is started without arguments, from the first location's file
    // or from the second location's folder.
    void sysInfoStartsTheTool_data()
    {
        QTest::addColumn<QByteArray>("kulcs");
        QTest::addColumn<QByteArray>("név");
        QTest::addColumn<QString>("fájl");   // in the temporary folder
        QTest::addColumn<QString>("érték");  // ditto
        QTest::newRow("first location") << első_kulcs << QByteArray("PATH") << QStringLiteral("info.sh")
                                        << QStringLiteral("info.sh");
        QTest::newRow("second location") << második_kulcs << QByteArray("MSINFO")
                                         << QStringLiteral("eszköz\\MSINFO32.EXE") << QStringLiteral("eszköz");
    }
    void sysInfoStartsTheTool()
    {
        QFETCH(QByteArray, kulcs);
        QFETCH(QByteArray, név);
        QFETCH(QString, fájl);
        QFETCH(QString, érték);
        QTemporaryDir mappa;
        QVERIFY(mappa.isValid());
        const QString kimenet = mappa.filePath(QStringLiteral("argumentumok"));
        QVERIFY(pótló_program(mappa.filePath(fájl), kimenet));
        hamis.kulcsok[kulcs][név] = {SZÖVEG_ÉRTÉK, mappa.filePath(érték).toUtf8() + '\0'};
        teszt_adatbázis(&hamis);
        rendszerinfó();
        QTRY_COMPARE(fájl_tartalma(kimenet), QStringLiteral("0"));
        QVERIFY(környezet.üzenetek.isEmpty());
        QCOMPARE(hamis.zárások, hamis.nyitások);
    }

    // ---- The platform's stand-in registry: the first tool on the PATH ----
    void standInFindsToolOnPath()
    {
        QTemporaryDir üres, eszközök;
        QVERIFY(üres.isValid() && eszközök.isValid());
        qputenv("PATH", üres.path().toUtf8());
        rendszerinfó();
        QCOMPARE(környezet.üzenetek, QStringList{nincs_eszköz});

        környezet.üzenetek.clear();
        const QString kimenet = eszközök.filePath(QStringLiteral("argumentumok"));
        QVERIFY(pótló_program(eszközök.filePath(QStringLiteral("hardinfo")), kimenet));
        qputenv("PATH", eszközök.path().toUtf8());
        rendszerinfó();
        QTRY_COMPARE(fájl_tartalma(kimenet), QStringLiteral("0"));
        QVERIFY(környezet.üzenetek.isEmpty());
    }

    // ---- The window ----
    void showsCaptionTitleAndVersionOnEveryLoad()
    {
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(frmAbout().Caption(), QStringLiteral("About Zsongóka Tukrosdi"));
            QCOMPARE(frmAbout().lblTitle.Caption(), QStringLiteral("Zsongóka Tukrosdi"));
            QCOMPARE(frmAbout().lblVersion.Caption(), QStringLiteral("Version 1.0.0"));
            frmAbout.Unload();
        }
    }
};

TUKROSDI_TEST_MAIN(TestAbout)
#include "test_about.moc"
