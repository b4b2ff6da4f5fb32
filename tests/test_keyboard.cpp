// Play with the keyboard alone, the keypad's Enter in every window, and what
// assistive technology reads and does through Qt's accessibility interface.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>

#ifndef Q_MOC_RUN  // the code under test has names that moc cannot read
#include "alap/program.h"
#include "alap/veletlen.h"
#include "game/egyezes.h"
#include "help/frm_about.h"
#include "help/frm_sugo.h"
#include "main/frm_tukrosdi.h"
#include "praise/frm_uzenet.h"
#include "settings/frm_beall.h"
#include "tesztkornyezet.h"
#endif

namespace {
Frm_tukrosdi& fő() { return frm_tukrosdi(); }
KépDoboz& kártya(int i) { return fő().pic_szó(qint16(i)); }
// A key as the focused control of the topmost window gets it.
void billentyű(Qt::Key k, Qt::KeyboardModifiers m = {})
{
    QWidget* ablak = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : fő().widget();
    QTest::keyClick(ablak->focusWidget() ? ablak->focusWidget() : ablak, k, m);
}
// The cards that carry the keyboard's mark.
QList<int> kiemeltek()
{
    QList<int> lista;
    for (int i = 0; i < fő().pic_szó.Count(); ++i)
        if (kártya(i).Kiemelt()) lista << i;
    return lista;
}
QAccessibleInterface* felület(const Vezérlő& v) { return QAccessible::queryAccessibleInterface(v.widget()); }
QString név(const Vezérlő& v) { return felület(v)->text(QAccessible::Name); }
void nyom(const Vezérlő& v) { felület(v)->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); }
}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
    Tesztkörnyezet környezet;

    // Arrows from the keyboard's card to card `cél`, row first.
    static void odalép(int cél)
    {
        const int n = fő().oszlopszám();
        while (fő().aktuális_kártya() / n != cél / n)
            billentyű(fő().aktuális_kártya() < cél ? Qt::Key_Down : Qt::Key_Up);
        while (fő().aktuális_kártya() != cél) billentyű(fő().aktuális_kártya() < cél ? Qt::Key_Right : Qt::Key_Left);
    }

private Q_SLOTS:
    // A first start: nothing stored, so a 4 x 4 board.
    void init()
    {
        QFile::remove(környezet.beállítási_fájl());
        környezet.friss_ablakok();
        fő().Show();
        QVERIFY(QTest::qWaitForWindowActive(fő().widget()));
    }
    void cleanup() { véletlen::rögzített_mag(std::nullopt); }

    // A 3 x 4 game with nothing but keys: a miss, then every pair; the mark
    // comes with the first key, keys are dropped while a turn waits, and the
    // new board starts on its first card.
    void wholeGameWithTheKeyboardAlone()
    {
        véletlen::rögzített_mag(11);
        frm_beáll().opt_táblaméret(0).setValue(true);
        fő().beáll();
        QVERIFY(fő().konténer.HasFocus());
        QCOMPARE(fő().aktuális_kártya(), qint16(0));
        QVERIFY(kiemeltek().isEmpty());  // not before a key is pressed

        billentyű(Qt::Key_Left);  // at the edge: stays
        QCOMPARE(kiemeltek(), QList<int>{0});
        billentyű(Qt::Key_Space);
        odalép(1);
        if (párt_alkot(fő().pár_lista(), kártya(0).Tag(), kártya(1).Tag())) odalép(2);
        const int második = fő().aktuális_kártya();
        billentyű(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(fő().felfordított_darab(), 2);
        odalép(5);
        billentyű(Qt::Key_Space);  // dropped: the turn waits
        QCOMPARE(fő().felfordított_darab(), 2);
        QCOMPARE(kiemeltek(), QList<int>{5});
        fő().Timer.ütés();
        QVERIFY(kártya(0).Enabled() && kártya(második).Enabled());
        QCOMPARE(fő().Label_számláló.Caption(), QStringLiteral(" 1 fordítás"));

        bool dicséret = false;
        for (int pár = 0; pár < 6; ++pár) {
            int a = 0;
            while (!kártya(a).Enabled()) ++a;
            int b = a + 1;
            while (!kártya(b).Enabled() || !párt_alkot(fő().pár_lista(), kártya(a).Tag(), kártya(b).Tag())) ++b;
            odalép(a);
            billentyű(Qt::Key_Return);
            odalép(b);
            billentyű(Qt::Key_Space);
            if (pár == 5)
                QTimer::singleShot(0, [&] {
                    dicséret = frm_üzenet().Visible();
                    billentyű(Qt::Key_Enter, Qt::KeypadModifier);
                });
            fő().Timer.ütés();
            if (pár < 5) QVERIFY(!kártya(a).Enabled() && !kártya(b).Enabled());
        }
        QVERIFY(dicséret);
        QCOMPARE(fő().Label_számláló.Caption(), QStringLiteral("0 fordítás"));
        QVERIFY(fő_aktív());
        QVERIFY(fő().konténer.HasFocus());
        QCOMPARE(fő().aktuális_kártya(), qint16(0));
        QCOMPARE(kiemeltek(), QList<int>{0});
    }

    // A click makes its card the keyboard's card and takes the mark away;
    // after a dialog the keys go to the board and its card again.
    void mouseTakesTheMarkAndDialogsGiveTheBoardBack()
    {
        billentyű(Qt::Key_Down);
        QCOMPARE(kiemeltek(), QList<int>{4});
        QTest::mouseClick(kártya(6).widget(), Qt::LeftButton);
        QVERIFY(kiemeltek().isEmpty());
        QCOMPARE(fő().aktuális_kártya(), qint16(6));
        billentyű(Qt::Key_Right);
        QCOMPARE(kiemeltek(), QList<int>{7});

        modálisan(
            frm_súgó.nem_betöltve(), [] { fő_aktív(), billentyű(Qt::Key_F1); },
            [] { billentyű(Qt::Key_Enter, Qt::KeypadModifier); });
        QVERIFY(!frm_súgó.betöltve());
        QVERIFY(fő_aktív());
        QVERIFY(fő().konténer.HasFocus());
        QCOMPARE(kiemeltek(), QList<int>{7});
    }

    // Tab reaches the slogan line, and Enter there starts the launcher.
    void tabReachesTheSloganLink()
    {
        QTemporaryDir jegyek;
        const QString indító = program::Path() + QStringLiteral("/zsongokapu");
        const QString jel = jegyek.filePath(QStringLiteral("elindult"));
        QVERIFY(pótló_program(indító, jel));
        billentyű(Qt::Key_Tab);
        QVERIFY(fő().Label_szlogen.HasFocus());
        billentyű(Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(fájl_tartalma(jel), QStringLiteral("0"), 10000);
        billentyű(Qt::Key_Tab);
        QVERIFY(fő().konténer.HasFocus());
        QFile::remove(indító);
    }

    // From the list and from an option too, the keypad's Enter is Ok.
    void keypadEnterIsOkInTheSettings()
    {
        for (Vezérlő* v :
             std::initializer_list<Vezérlő*>{&frm_beáll().Combo_várakozásiidő, &frm_beáll().opt_táblaméret(0)}) {
            frm_beáll().opt_táblaméret(0).setValue(true);
            modálisan(
                frm_beáll(), [] { frm_beáll().ShowModal(); },
                [&] {
                    v->SetFocus();
                    QTest::keyClick(v->widget(), Qt::Key_Enter, Qt::KeypadModifier);
                });
            QVERIFY(!frm_beáll().Visible());
            QCOMPARE(fő().pic_szó.Count(), 12);  // Ok dealt the chosen board
            fő().beáll();
        }
    }

    // Enter, on the keypad too, closes the other windows; Space does not
    // close the praise, but closes the help while its button has the focus.
    void keypadEnterClosesEveryOtherWindow()
    {
        for (Ablak* ablak : std::initializer_list<Ablak*>{&frm_üzenet.nem_betöltve(), &frmAbout.nem_betöltve(),
                                                          &frm_súgó.nem_betöltve()}) {
            bool nyitva_space_után = false;
            modálisan(
                *ablak,
                [&] {
                    if (ablak == &frm_üzenet.nem_betöltve())
                        frm_üzenet().beállít(fő(), false);
                    else
                        ablak->ShowModal();
                },
                [&] {
                    if (ablak == &frm_üzenet.nem_betöltve()) {
                        billentyű(Qt::Key_Space);
                        nyitva_space_után = frm_üzenet.betöltve();
                    }
                    billentyű(Qt::Key_Enter, Qt::KeypadModifier);
                });
            QVERIFY(!ablak->betöltve());
            if (ablak == &frm_üzenet.nem_betöltve()) QVERIFY(nyitva_space_után);
        }
        modálisan(
            frm_súgó.nem_betöltve(), [] { frm_súgó().ShowModal(); }, [] { billentyű(Qt::Key_Space); });
        QVERIFY(!frm_súgó.betöltve());

        program::MsgBox_helyett(nullptr);  // a real message box
        QTimer::singleShot(0, [] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        });
        program::MsgBox(QStringLiteral("próba"), QStringLiteral("Zsongóka Tukrosdi"));
        QVERIFY(!QApplication::activeModalWidget());
        program::MsgBox_helyett([this](const QString& s, const QString&) { környezet.üzenetek << s; });
    }

    // Every card is a button named by its state and place, and pressing it
    // turns it as a click does. (That the counter's changes are told is for
    // the test over the real accessibility bus: offscreen, Qt sends none.)
    void cardsCounterAndSloganAsAssistiveTechnologySeesThem()
    {
        QCOMPARE(felület(kártya(1))->role(), QAccessible::Button);
        QCOMPARE(név(kártya(1)), QStringLiteral("lefordított kártya, 1. sor, 2. oszlop"));
        QCOMPARE(név(kártya(4)), QStringLiteral("lefordított kártya, 2. sor, 1. oszlop"));
        nyom(kártya(1));
        QCOMPARE(név(kártya(1)), kártya(1).Tag());
        QCOMPARE(fő().felfordított_darab(), 1);
        int b = 0;
        while (!párt_alkot(fő().pár_lista(), kártya(1).Tag(), kártya(b).Tag())) ++b;
        nyom(kártya(b));
        fő().Timer.ütés();
        QCOMPARE(név(kártya(b)),
                 QStringLiteral("eltüntetett kártya, %1. sor, %2. oszlop").arg(b / 4 + 1).arg(b % 4 + 1));
        nyom(kártya(b));  // a removed card takes no press
        QCOMPARE(fő().felfordított_darab(), 0);

        QCOMPARE(felület(fő().Label_számláló)->role(), QAccessible::StaticText);
        QCOMPARE(név(fő().Label_számláló), QStringLiteral(" 1 fordítás"));
        QCOMPARE(név(fő().Label1), QStringLiteral("Keresd meg az össztartozó párokat!"));
        QCOMPARE(felület(fő().Label_szlogen)->role(), QAccessible::Link);
        QCOMPARE(név(fő().Label_szlogen), fő().Label_szlogen.Caption());
        QVERIFY(felület(fő().Label_szlogen)
                    ->actionInterface()
                    ->actionNames()
                    .contains(QAccessibleActionInterface::pressAction()));
    }

    // Menu entries and dialog controls are named by their captions, without
    // the access keys' marks and the blanks that widen the menus.
    void menusAndDialogControlsAreNamedByTheirCaptions()
    {
        QStringList menü;
        for (const Menüpont* m : {&fő().mnu_fájl, &fő().mnu_súgó}) {
            QAccessibleInterface* lenyíló = QAccessible::queryAccessibleInterface(m->menu());
            for (int i = 0; i < lenyíló->childCount(); ++i) menü << lenyíló->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(menü, (QStringList{"Új játék", "Beállítások...", "", "Kilép", "Súgó", "Névjegy..."}));

        Frm_beáll& b = frm_beáll();
        QCOMPARE(
            (QStringList{név(b.cmd_ok), név(b.cmd_mégsem), név(b.Frame2), név(b.opt_táblaméret(3)), név(b.Label2)}),
            (QStringList{"Ok", "Mégsem", "A játéktábla mérete", "4*6", "másodperc"}));
        // The list, which has no caption, is labelled by the text above it.
        const auto címkék = felület(b.Combo_várakozásiidő)->relations(QAccessible::Label);
        QVERIFY(!címkék.isEmpty() && címkék[0].first->object() == b.Label1.widget());
        QCOMPARE((QStringList{név(frm_súgó().OKButton), név(frmAbout().cmdSysInfo), név(frm_üzenet().cmd_ok)}),
                 (QStringList{"OK", "System Info...", "Ok"}));
    }
};

TUKROSDI_TEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
