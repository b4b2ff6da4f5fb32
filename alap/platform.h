#pragma once
// Everything the game asks of the system beneath the windows: the screen,
// message boxes, ending the program, starting a program and its folder,
// whether a file exists, the program's version and title, the per-user
// settings store, the registry and the random seed. The program installs
// the real platform at start; tests install one of their own.

#include <QList>
#include <QMap>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <utility>

#include "alap/ablakallapot.h"
#include "alap/kulcsertek.h"

class QWidget;

class Platform {
public:
    virtual ~Platform() = default;

    // The screen that windows are laid out on and placed in, in pixels, and
    // the frame that the start-up window or a dialog is assumed to get before
    // the window manager has told its real one.
    virtual QRect képernyő() const = 0;
    virtual QMargins ablakkeret(bool főablak) const = 0;

    // A modal message with an OK button and no icon.
    virtual void MsgBox(const QString& szöveg, const QString& cím) = 0;
    // Ends the program at once with exit status 0, whatever windows are
    // open. Callers put nothing after it.
    virtual void End() = 0;

    // Starts a program with no arguments, without waiting for it; false when
    // it could not be started. The window state is a request the started
    // program may ignore.
    virtual bool Shell(const QString& útvonal, program::Ablakállapot állapot) = 0;
    // The folder of the program file, with native separators and without a
    // trailing separator (except at a root).
    virtual QString Path() const = 0;
    // The program file of that name in a folder, as this system names it.
    virtual QString programfájl(const QString& mappa, const QString& név) const = 0;
    virtual bool létezik(const QString& fájl) const = 0;
    // Gives the start-up window what keeps it off the task bar, where the
    // system shows a button for every top-level window.
    virtual void feladatsáv_nélkül(QWidget& főablak) = 0;

    virtual QString Title() const = 0;
    virtual int Major() const = 0;
    virtual int Minor() const = 0;
    virtual int Revision() const = 0;

    // The registry that the About window looks for the system information
    // tool in.
    virtual rendszerleíró::Adatbázis& registry() = 0;
    // A new seed for the random source, from the clock.
    virtual std::uint32_t véletlen_mag() = 0;

    // The per-user settings store: a text value by application, section
    // and key, or the default when the key is absent.
    QString GetSetting(const QString& alkalmazás, const QString& szakasz, const QString& kulcs,
                       const QString& alapérték);
    // Writes several keys of one section together; false when the store did
    // not take them. A choice the store did not take holds for the rest of
    // the run: reads give it until a later save is stored.
    bool SaveSettings(const QString& alkalmazás, const QString& szakasz,
                      const QList<std::pair<QString, QString>>& kulcsok_értékei);
    // Whether a choice that the store did not take is held now.
    bool van_el_nem_mentett() const { return !el_nem_mentett.isEmpty(); }

protected:
    virtual QString tárolt(const QString& alkalmazás, const QString& szakasz, const QString& kulcs,
                           const QString& alapérték) = 0;
    // True only when a fresh read of the store gives the values written.
    virtual bool tárol(const QString& alkalmazás, const QString& szakasz,
                       const QList<std::pair<QString, QString>>& kulcsok_értékei) = 0;

private:
    QMap<QString, QString> el_nem_mentett;  // by "application/section/key"
};

// The platform in use. (Not named plain platform(): Qt's WebAssembly plugin
// has a function of that name, which a static link would mistake for it.)
Platform& használt_platform();
// Installs a platform for the rest of the run (the program at start, the
// tests at every simulated start); it must outlive its use.
void platform_használata(Platform& p);
