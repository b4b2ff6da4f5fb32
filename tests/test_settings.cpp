// The settings, and the store under faults: damaged files, a store that cannot be written, a full disk, kills
// while saving. The game starts with what reads well or the defaults, tells nothing but the one notice of a
// failed save, and never leaves a torn file.
#include <sys/stat.h>
#include <unistd.h>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "jatekos.h"
#endif

using játékos::állapot;

class TestSettings : public QObject {
    Q_OBJECT
    static inline const QByteArray egyéb_csoport = "[egyeb]\nkulcs=megmarad\n";
    Tesztkörnyezet környezet;
    int másolatok = 0;

    QString fájl() const { return környezet.beállítási_fájl(); }
    QString mappa() const { return QFileInfo(fájl()).path(); }
    // Where a file reached by a link is kept, and the link's text: relative, as dotfile managers make them.
    QString máshol() const { return környezet.mappa.filePath(QStringLiteral("mashol/tukrosdi.conf")); }
    bool linkelve() { return QDir().mkpath(mappa()) && QFile::link("../mashol/tukrosdi.conf", fájl()); }
    void újraindítás() { környezet.friss_ablakok(), fő(); }

    // The file parsed afresh, as by a new run: a copy under a name of its own, which Qt has not kept
    // parsed for the process. `többi` holds every key but the two of the game.
    struct Olvasat {
        QSettings::Status állapot;
        QString tábla, idő;
        QVariantMap többi;
    };
    Olvasat olvasat(const QString& hely)
    {
        const QString másolat = környezet.mappa.filePath(QStringLiteral("olvasat%1.conf").arg(++másolatok));
        QFile::copy(hely, másolat);
        const QSettings s(másolat, QSettings::IniFormat);
        Olvasat o{s.status(), s.value("beall/tablameret").toString(), s.value("beall/varido").toString(), {}};
        for (const QString& k : s.allKeys())
            if (k != "beall/tablameret" && k != "beall/varido") o.többi.insert(k, s.value(k));
        QFile::remove(másolat);
        return o;
    }
    QString tárolt_értékek() { return olvasat(fájl()).tábla + u' ' + olvasat(fájl()).idő; }

    // Starts `gyerekfolyamat` with the test's settings folder, and with its temporary folder if asked.
    void indít(QProcess& p, const QStringList& előtte, const QStringList& argumentumok, bool saját_tmp = false)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), környezet.mappa.path());
        env.insert(QStringLiteral("HOME"), környezet.mappa.path());
        if (saját_tmp) env.insert(QStringLiteral("TMPDIR"), környezet.mappa.path());  // what a kill leaves goes too
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const QStringList parancs = előtte + QStringList{QStringLiteral(GYEREKFOLYAMAT)} + argumentumok;
        p.start(parancs.first(), parancs.mid(1));
    }

    // Whether the file is whole: it parses and holds the keys of one save (agreeing modulo 6) and the other group.
    bool ép(const QString& hely)
    {
        const Olvasat o = olvasat(hely);
        bool szám = false;
        const int idő = o.idő.toInt(&szám);
        return o.állapot == QSettings::NoError && o.többi == QVariantMap{{"egyeb/kulcs", "megmarad"}} && szám &&
               idő >= 0 && idő < 24 && o.tábla == QString::number(idő % 6);
    }

private Q_SLOTS:
    void init()
    {
        QDir(mappa()).removeRecursively();
        QDir(QFileInfo(máshol()).path()).removeRecursively();
        újraindítás();
    }

    // What a start makes of the stored file, from none through values it cannot use (each key falls back to
    // its default) to damaged or hand-edited files. Esc presses Mégsem, which changes nothing; Enter presses
    // Ok: the choice is dealt and stored without a word, other keys read as before, the next start deals it.
    // A file kept elsewhere and reached by a link is replaced there, and the link stays.
    void storedValuesAreRead_data()
    {
        QTest::addColumn<QByteArray>("tartalom");  // null: no file
        QTest::addColumn<QString>("várt");         // cards, milliseconds, size, list entry
        const auto beáll = [](const char* tábla, const char* idő) {
            return "[beall]\ntablameret=" + QByteArray(tábla) + "\nvarido=" + QByteArray(idő) + '\n';
        };
        QByteArray szemét(64 * 1024, '\0');
        QRandomGenerator véletlen(7);
        for (char& b : szemét) b = char(véletlen.bounded(256));
        const QByteArray jó = beáll("3", "5");
        // A value with NULs after it is no whole number.
        const QByteArray nul =
            "[beall]\ntablameret=3" + QByteArray(2, '\0') + "\nvarido=5\n" + QByteArray(3, '\0') + '\n' + egyéb_csoport;
        const QByteArray óriási = egyéb_csoport + "nagy=" + QByteArray(40 * 1024 * 1024, 'a') + '\n' + jó;
        const QString alap = QStringLiteral("16 2000 1 8");
        // clang-format off
        QTest::newRow("nothing stored")     << QByteArray()                   << alap;
        QTest::newRow("both good")          << beáll("0", "28")               << "12 6000 0 28";
        QTest::newRow("blanks around")      << beáll("\" 4 \"", "\" 3\"")     << "30 1000 4 3";
        QTest::newRow("beyond the range")   << beáll("6", "29")               << alap;
        QTest::newRow("no entry selected")  << beáll("3", "-1")               << "24 2000 3 -1";
        QTest::newRow("negative")           << beáll("-1", "-2")              << alap;
        QTest::newRow("fractions")          << beáll("2.5", "1.0")            << alap;
        QTest::newRow("words")              << beáll("nagy", "lassú")         << alap;
        QTest::newRow("empty values")       << beáll("", "")                  << alap;
        QTest::newRow("huge")               << beáll("99999999999999", "1e3") << alap;
        QTest::newRow("only board stored")  << QByteArray("[beall]\ntablameret=2\n") << "20 2000 2 8";
        QTest::newRow("only time stored")   << QByteArray("[beall]\nvarido=0\n")     << "16 400 1 0";
        QTest::newRow("binary garbage")     << szemét                         << alap;
        QTest::newRow("garbage, then good lines") << szemét + '\n' + jó       << "24 1400 3 5";
        QTest::newRow("NUL bytes")          << nul                            << "16 1400 1 5";
        QTest::newRow("a key twice")        << QByteArray("[beall]\ntablameret=2\ntablameret=4\nvarido=3\nvarido=7\n") << "30 1800 4 7";
        QTest::newRow("the group twice, escaped") << beáll("2", "3") + egyéb_csoport + "[be%61ll]\ntablameret=4\n" << "30 1000 4 3";
        QTest::newRow("other groups only")  << egyéb_csoport + "[General]\nfoo=bar\n" << alap;
        QTest::newRow("40 MB")              << óriási                         << "24 1400 3 5";
        QTest::newRow("cut off in a line")  << QByteArray("[beall]\ntablameret=3\nvari") << "24 2000 3 8";
        QTest::newRow("Windows line ends")  << QByteArray("[beall]\r\ntablameret=3\r\nvarido=5\r\n") << "24 1400 3 5";
        QTest::newRow("lone CR line ends")  << QByteArray("[beall]\rtablameret=3\rvarido=5\r[egyeb]\rkulcs=megmarad\r") << "24 1400 3 5";
        QTest::newRow("line continued into the group") << "[egyeb]\nkulcs=megmarad\\\n" + jó << alap;
        QTest::newRow("unclosed quote")     << "[egyeb]\nkulcs=\"megmarad\n" + jó << alap;
        QTest::newRow("byte order mark")    << "\xEF\xBB\xBF" + jó            << "24 1400 3 5";
        QTest::newRow("empty file")         << QByteArray("")                 << alap;
        QTest::newRow("the group alone")    << QByteArray("[beall]\n")        << alap;
        QTest::newRow("through a link")     << jó + egyéb_csoport             << "24 1400 3 5";
        // clang-format on
    }
    void storedValuesAreRead()
    {
        QFETCH(QByteArray, tartalom);
        QFETCH(QString, várt);
        const bool link = QTest::currentDataTag() == QByteArray("through a link");
        if (!tartalom.isNull()) QVERIFY(fájlba(link ? máshol() : fájl(), tartalom));
        if (link) QVERIFY(linkelve());
        const QVariantMap többi = olvasat(fájl()).többi;
        újraindítás();
        const QString előtte = kártya(0).Tag();
        játékos::választás(0, 0, Qt::Key_Escape);  // Mégsem deals and stores nothing
        QCOMPARE(állapot(), várt);
        QCOMPARE(kártya(0).Tag(), előtte);
        QCOMPARE(QFile::exists(fájl()), !tartalom.isNull());  // nor does a start

        játékos::választás(5, 20, Qt::Key_Return);
        QCOMPARE(környezet.üzenetek, QStringList());
        QVERIFY(!frm_beáll().Visible());
        QCOMPARE(állapot(), QStringLiteral("36 4400 5 20"));
        const Olvasat o = olvasat(link ? máshol() : fájl());
        QCOMPARE(o.tábla + u' ' + o.idő, QStringLiteral("5 20"));
        QVERIFY(o.többi == többi);
        QCOMPARE(QFileInfo(fájl()).isSymLink(), link);
        újraindítás();
        QCOMPARE(állapot(), QStringLiteral("36 4400 5 20"));
    }

    // A store that cannot take the choice: a file for its folder, a folder for its file, a read-only folder or
    // file, a link into a read-only folder (no file is written in place), a full disk; the child runs as another
    // user where root would write anyway. The choice confirmed with Ok holds for the run through Mégsem, the
    // close command, F2 and a praise, and is told once; the file keeps its bytes and mode, a link stays a link;
    // an Ok that the store takes again is stored.
    void unstoredChoiceHoldsForTheRunAndIsToldOnce_data()
    {
        QTest::addColumn<QStringList>("előtte");
        QTest::addColumn<QString>("zárva");  // what stops the child's saves
        const QStringList más_felhasználó =
            geteuid() == 0 ? QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"} : QStringList{};
        QTest::newRow("a file where the folder should be") << QStringList{} << "fájl a mappa helyén";
        QTest::newRow("a folder where the file should be") << QStringList{} << "mappa a fájl helyén";
        QTest::newRow("read-only folder") << más_felhasználó << "mappa";
        QTest::newRow("read-only file") << más_felhasználó << "fájl";
        QTest::newRow("link into a read-only folder") << más_felhasználó << "link";
        // 16 blocks (8 or 16 KiB, by the shell) may be written of the file's 64 KiB and more.
        QTest::newRow("disk full while writing")
            << QStringList{"sh", "-c", "ulimit -f 16 && trap '' XFSZ && exec \"$0\" \"$@\""} << "";
    }
    void unstoredChoiceHoldsForTheRunAndIsToldOnce()
    {
        QFETCH(QStringList, előtte);
        QFETCH(QString, zárva);
        const QString mappa = this->mappa(), őrzött = zárva == "link" ? máshol() : fájl();
        const QString akadály = zárva == "fájl a mappa helyén" ? mappa : zárva == "mappa a fájl helyén" ? fájl() : "";
        const QByteArray régi = "[beall]\ntablameret=3\nvarido=5\n" + egyéb_csoport + "nagy=" + QByteArray(65536, 'a');
        QVERIFY(akadály.isEmpty()                ? fájlba(őrzött, régi)
                : zárva.startsWith(u"fájl") ? fájlba(akadály, {})
                                            : QDir().mkpath(akadály));
        if (zárva == "link") QVERIFY(linkelve());
        // The other user may pass the test's folder and write its own settings folder and file. A folder
        // that is root's own is read-only to it; a test that is not root locks the folder itself.
        const auto út = [](const QString& hely) { return QFile::encodeName(hely); };
        chmod(út(környezet.mappa.path()), 0755);
        if (előtte.value(0) == u"setpriv" && zárva != "mappa")
            QVERIFY(!chown(út(mappa), 65534, 65534) && !chown(út(őrzött), 65534, 65534));
        const QString zárt_mappa = zárva == "mappa" ? mappa : zárva == "link" ? QFileInfo(őrzött).path() : QString();
        if (geteuid() != 0 && !zárt_mappa.isEmpty()) chmod(út(zárt_mappa), 0555);
        if (zárva == "fájl") chmod(út(őrzött), 0444);
        const QFile::Permissions mód = QFileInfo(őrzött).permissions();
        QProcess p;
        indít(p, előtte, QStringList{"játék", "5", "20"} + QStringList(akadály).filter(u"/"));
        const bool tisztán = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && !p.exitCode();
        if (!zárt_mappa.isEmpty()) chmod(út(zárt_mappa), 0755);
        chmod(út(környezet.mappa.path()), 0700);
        QVERIFY(tisztán);
        const QString tartott = QStringLiteral(" 36 4400 5 20 1");
        QStringList várt{akadály.isEmpty() ? "indulás 24 1400 3 5 0" : "indulás 16 2000 1 8 0", "ok" + tartott,
                         "mégsem" + tartott, "bezárás" + tartott, "dicséret" + tartott, "újra 20 1000 2 3 1"};
        if (!akadály.isEmpty()) várt << "helyreállt 30 1400 4 5 1";
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts), várt);
        if (!akadály.isEmpty()) QCOMPARE(tárolt_értékek(), QStringLiteral("4 5"));
        if (!akadály.isEmpty()) return;
        QCOMPARE(fájl_tartalma(őrzött), régi);
        QCOMPARE(QFileInfo(őrzött).permissions(), mód);
        QCOMPARE(QFileInfo(fájl()).isSymLink(), zárva == "link");
        for (const QString& m : {mappa, QFileInfo(őrzött).path()})
            QCOMPARE(QDir(m).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System),
                     QStringList{"tukrosdi.conf"});
    }

    // A child saves over and over and is killed at random moments. After every kill the file is whole, and
    // so is any finished copy left beside it. Then the game starts with the stored values and saves as ever.
    void killedWhileSavingLeavesAWholeFile()
    {
        const quint32 mag = QRandomGenerator::global()->generate();
        QRandomGenerator véletlen(mag);
        QVERIFY(fájlba(fájl(), "[beall]\ntablameret=0\nvarido=0\n\n" + egyéb_csoport));
        for (int kör = 1; kör <= 100; ++kör) {
            QProcess p;
            indít(p, {}, {QStringLiteral("mentés"), QString::number(kör * 1000)}, true);
            QVERIFY(p.waitForReadyRead(30000));
            QTest::qSleep(int(véletlen.bounded(20)));
            p.kill();
            QVERIFY(p.waitForFinished(30000));
            QVERIFY2(ép(fájl()), qPrintable(QStringLiteral("round %1, seed %2").arg(kör).arg(mag)));
        }
        for (const QString& név : QDir(mappa()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden))
            QVERIFY2(ép(QDir(mappa()).filePath(név)), qPrintable(név + QStringLiteral(", seed %1").arg(mag)));

        const QString tárolt = tárolt_értékek();
        újraindítás();
        QCOMPARE(állapot().section(u' ', 2), tárolt);  // the size and the list entry shown
        játékos::választás(2, 2, Qt::Key_Return);
        QVERIFY(környezet.üzenetek.isEmpty());
        QCOMPARE(tárolt_értékek(), QStringLiteral("2 2"));
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
