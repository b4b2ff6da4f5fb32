// The settings store under faults: damaged and odd files, a folder that
// cannot be written, a full disk, and kills in the middle of saving. The
// game always starts with what still reads well or the defaults, never
// crashes, tells the player nothing but the one notice of a failed save,
// and never leaves a torn file.
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "jatekos.h"
#include "main/frm_tukrosdi.h"
#include "settings/frm_beall.h"
#include "tesztkornyezet.h"
#endif

namespace {
const QByteArray egyéb_csoport = "[egyeb]\nkulcs=megmarad\n";

QByteArray tartalma(const QString& hely)
{
    QFile f(hely);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
bool ír(const QString& hely, const QByteArray& tartalom)
{
    QDir().mkpath(QFileInfo(hely).path());
    QFile f(hely);
    return f.open(QIODevice::WriteOnly) && f.write(tartalom) == tartalom.size();
}
}  // namespace

class TestStoreFaults : public QObject {
    Q_OBJECT
    Tesztkörnyezet környezet;
    int másolatok = 0;

    static Frm_tukrosdi& fő() { return frm_tukrosdi(); }
    static Frm_beáll& dialógus() { return frm_beáll(); }
    QString fájl() const { return környezet.beállítási_fájl(); }

    void újraindítás()
    {
        környezet.friss_ablakok();
        fő();
    }
    static int kiválasztott_méret()
    {
        for (qint16 i = 0; i <= 5; ++i)
            if (dialógus().opt_táblaméret(i).Value()) return i;
        return -1;
    }

    // The file parsed afresh, as by a new run: a copy under a name of its
    // own, out of reach of the files that Qt keeps parsed for the process.
    struct Olvasat {
        QSettings::Status állapot;
        QStringList kulcsok;
        QString tábla, idő, egyéb;
    };
    Olvasat olvasat(const QString& hely)
    {
        const QString másolat = környezet.mappa.filePath(QStringLiteral("olvasat%1.conf").arg(++másolatok));
        QFile::copy(hely, másolat);
        const QSettings s(másolat, QSettings::IniFormat);
        Olvasat o{s.status(), s.allKeys(), s.value("beall/tablameret").toString(), s.value("beall/varido").toString(),
                  s.value("egyeb/kulcs").toString()};
        QFile::remove(másolat);
        return o;
    }

    // Runs the game in a child process and returns the lines it printed; an
    // unclean end (a crash, a sanitizer report) fails the test.
    static QStringList gyerek(const QStringList& előtte, const QStringList& argumentumok, const QString& beállítások)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), beállítások);
        env.insert(QStringLiteral("HOME"), beállítások);
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const QStringList parancs = előtte + QStringList{QStringLiteral(GYEREKFOLYAMAT)} + argumentumok;
        p.start(parancs.first(), parancs.mid(1));
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
        return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }

    // Whether the file at `hely` is whole: it parses cleanly and holds the two
    // keys of one save (they agree modulo 6) beside the other group.
    bool ép(const QString& hely)
    {
        const Olvasat o = olvasat(hely);
        bool jó1 = false, jó2 = false;
        const int tábla = o.tábla.toInt(&jó1), idő = o.idő.toInt(&jó2);
        return o.állapot == QSettings::NoError &&
               o.kulcsok == QStringList({"beall/tablameret", "beall/varido", "egyeb/kulcs"}) && jó1 && jó2 &&
               tábla >= 0 && tábla < 6 && idő >= 0 && idő < 24 && idő % 6 == tábla && o.egyéb == "megmarad";
    }

private Q_SLOTS:
    void init()
    {
        QDir(QFileInfo(fájl()).path()).removeRecursively();
        újraindítás();
    }

    // What a damaged or odd file still gives, how the game reads it, and that
    // the next Ok stores the choice in a file that keeps the other groups. Of two values of a key the store's reader
    // takes the last one, and the game follows it.
    void damagedFilesGiveWhatStillReads_data()
    {
        QTest::addColumn<QByteArray>("tartalom");
        QTest::addColumn<int>("méret");
        QTest::addColumn<int>("idő");
        QByteArray szemét(64 * 1024, '\0');
        QRandomGenerator véletlen(7);
        for (char& b : szemét) b = char(véletlen.bounded(256));
        const QByteArray jó = "[beall]\ntablameret=3\nvarido=5\n";
        // A value with NULs after it is no whole number.
        const QByteArray nul =
            "[beall]\ntablameret=3" + QByteArray(2, '\0') + "\nvarido=5\n" + QByteArray(3, '\0') + '\n' + egyéb_csoport;
        const QByteArray óriási = egyéb_csoport + "nagy=" + QByteArray(40 * 1024 * 1024, 'a') + '\n' + jó;
        // clang-format off
        QTest::newRow("binary garbage")          << szemét << 1 << 8;
        QTest::newRow("garbage, then good lines") << szemét + '\n' + jó << 3 << 5;
        QTest::newRow("NUL bytes")               << nul << 1 << 5;
        QTest::newRow("a key twice")             << QByteArray("[beall]\ntablameret=2\ntablameret=4\nvarido=3\nvarido=7\n") << 4 << 7;
        QTest::newRow("the group twice")         << "[beall]\ntablameret=2\nvarido=3\n" + egyéb_csoport + "[beall]\ntablameret=4\n" << 4 << 3;
        QTest::newRow("other groups only")       << egyéb_csoport + "[General]\nfoo=bar\n" << 1 << 8;
        QTest::newRow("40 MB")                   << óriási << 3 << 5;
        QTest::newRow("cut off in a line")       << QByteArray("[beall]\ntablameret=3\nvari") << 3 << 8;
        QTest::newRow("Windows line ends")       << QByteArray("[beall]\r\ntablameret=3\r\nvarido=5\r\n") << 3 << 5;
        QTest::newRow("byte order mark")         << "\xEF\xBB\xBF" + jó << 3 << 5;
        QTest::newRow("empty")                   << QByteArray() << 1 << 8;
        QTest::newRow("the group alone")         << QByteArray("[beall]\n") << 1 << 8;
        // clang-format on
    }
    void damagedFilesGiveWhatStillReads()
    {
        QFETCH(QByteArray, tartalom);
        QFETCH(int, méret);
        QFETCH(int, idő);
        QVERIFY(ír(fájl(), tartalom));
        újraindítás();
        QCOMPARE(kiválasztott_méret(), méret);
        QCOMPARE(dialógus().Combo_várakozásiidő.ListIndex(), idő);
        const int kártyák[] = {12, 16, 20, 24, 30, 36};
        QCOMPARE(int(fő().pic_szó.Count()), kártyák[méret]);
        QVERIFY(környezet.üzenetek.isEmpty());

        játékos::választás(5, 20, Qt::Key_Return);
        QVERIFY2(környezet.üzenetek.isEmpty(), qPrintable(környezet.üzenetek.join(u'\n')));
        const Olvasat o = olvasat(fájl());
        QCOMPARE(o.tábla, QStringLiteral("5"));
        QCOMPARE(o.idő, QStringLiteral("20"));
        if (tartalom.contains(egyéb_csoport)) QCOMPARE(o.egyéb, QStringLiteral("megmarad"));
    }

    // A folder where the file should be: nothing reads, nothing can be
    // written; the game plays on the defaults and then on the choice, and
    // the player hears once that it could not be saved.
    void folderInPlaceOfTheFile()
    {
        QVERIFY(QDir().mkpath(fájl()));
        újraindítás();
        QCOMPARE(fő().pic_szó.Count(), 16);
        QCOMPARE(fő().Timer.Interval(), 2000);
        QVERIFY(környezet.üzenetek.isEmpty());
        játékos::választás(0, 0, Qt::Key_Return);
        QCOMPARE(fő().pic_szó.Count(), 12);
        QCOMPARE(fő().Timer.Interval(), 400);
        QCOMPARE(környezet.üzenetek.size(), 1);
        QVERIFY(QFileInfo(fájl()).isDir());
    }

    // A home folder that its user cannot write, as on a school computer: the
    // game runs as another user (root writes everywhere). Then the disk fills
    // up in the middle of the write: a file size limit in the child. Either
    // way the game starts with the stored values, the choice holds for the
    // run with one notice, and the stored file stays as it was.
    void unwritableStoreKeepsTheFileAndTheChoice_data()
    {
        QTest::addColumn<QStringList>("előtte");
        QTest::addColumn<QByteArray>("egyéb");
        const QStringList más_felhasználó =
            geteuid() == 0 ? QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"} : QStringList{};
        QTest::newRow("read-only folder") << más_felhasználó << egyéb_csoport;
        // 16 blocks (8 or 16 KiB, by the shell) may be written; the file to
        // write again has over 64 KiB, so the write stops in its middle.
        QTest::newRow("disk full while writing")
            << QStringList{"sh", "-c", "ulimit -f 16 && trap '' XFSZ && exec \"$0\" \"$@\""}
            << egyéb_csoport + "nagy=" + QByteArray(64 * 1024, 'a') + '\n';
    }
    void unwritableStoreKeepsTheFileAndTheChoice()
    {
        QFETCH(QStringList, előtte);
        QFETCH(QByteArray, egyéb);
        const QString mappa = QFileInfo(fájl()).path();
        const QByteArray régi = "[beall]\ntablameret=3\nvarido=5\n\n" + egyéb;
        QVERIFY(ír(fájl(), régi));
        const bool más_felhasználó = QTest::currentDataTag() == QByteArray("read-only folder");
        if (más_felhasználó) {
            // Readable by all, writable by none but root.
            chmod(QFile::encodeName(környezet.mappa.path()).constData(), 0755);
            if (geteuid() != 0) chmod(QFile::encodeName(mappa).constData(), 0555);
        }
        const QStringList várt = {"indulás 24 1400 3 5 0", "ok 36 4400 5 20 1", "mégsem 36 4400 5 20 1"};
        QCOMPARE(gyerek(előtte, {"játék", "5", "20"}, környezet.mappa.path()), várt);
        chmod(QFile::encodeName(mappa).constData(), 0755);
        chmod(QFile::encodeName(környezet.mappa.path()).constData(), 0700);
        QCOMPARE(tartalma(fájl()), régi);
        QCOMPARE(QDir(mappa).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 QStringList{"tukrosdi.conf"});
    }

    // A child saves both keys over and over and is killed at random moments.
    // After every kill the file is whole; so is any finished copy that a kill
    // between its two last steps left beside it (Qt links the new file under
    // a temporary name before it renames it). Afterwards the game starts with
    // the stored values and saves as ever. A failure names the round and the
    // seed of the waits.
    void killedWhileSavingLeavesAWholeFile()
    {
        const quint32 mag = QRandomGenerator::global()->generate();
        QRandomGenerator véletlen(mag);
        QVERIFY(ír(fájl(), "[beall]\ntablameret=0\nvarido=0\n\n" + egyéb_csoport));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), környezet.mappa.path());
        for (int kör = 1; kör <= 100; ++kör) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            p.start(QStringLiteral(GYEREKFOLYAMAT), {QStringLiteral("mentés"), QString::number(kör * 1000)});
            QVERIFY(p.waitForReadyRead(30000));
            QTest::qSleep(int(véletlen.bounded(20)));
            p.kill();
            QVERIFY(p.waitForFinished(30000));
            QVERIFY2(ép(fájl()), qPrintable(QStringLiteral("round %1, seed %2").arg(kör).arg(mag)));
        }
        const QDir mappa(QFileInfo(fájl()).path());
        for (const QString& név : mappa.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden))
            QVERIFY2(ép(mappa.filePath(név)), qPrintable(név + QStringLiteral(", seed %1").arg(mag)));

        const Olvasat o = olvasat(fájl());
        újraindítás();
        QCOMPARE(kiválasztott_méret(), o.tábla.toInt());
        QCOMPARE(dialógus().Combo_várakozásiidő.ListIndex(), o.idő.toInt());
        játékos::választás(2, 2, Qt::Key_Return);
        QVERIFY(környezet.üzenetek.isEmpty());
        QCOMPARE(olvasat(fájl()).tábla, QStringLiteral("2"));
    }
};

TUKROSDI_TEST_MAIN(TestStoreFaults)
#include "test_store_faults.moc"
