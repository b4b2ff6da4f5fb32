#pragma once
// The program as a whole: its title, version and folder, starting other
// programs, and ending at once.

#include <QString>
#include <QStringList>
#include <functional>

#include "alap/ablakallapot.h"

class QApplication;

namespace program {
// Starts, each on a thread of its own, reading the system's font
// configuration and (once the application object exists) connecting to the
// session bus, so that both run beside the connection to the display;
// előkészít waits for the fonts. Call at most once, before the application
// object is made.
void háttérmunka_indítása();
// Fonts, the look of the dialog font and the application's name; call once
// after the application object exists.
void előkészít(QApplication& alkalmazás);

QString Title();  // "tukrosdi"
int Major();
int Minor();
int Revision();
// The folder of the program file, with native separators and without a
// trailing separator (except at a root).
QString Path();

// Starts a program with no arguments, without waiting for it; false when it
// could not be started. The window state applies on Windows; elsewhere the
// started program shows its window as it likes.
bool Shell(const QString& útvonal, Ablakállapot állapot = Ablakállapot::normál);

// A modal message with an OK button and no icon.
void MsgBox(const QString& szöveg, const QString& cím);
// Tests take the messages instead of showing them.
void MsgBox_helyett(std::function<void(const QString& szöveg, const QString& cím)> teendő);

// Ends the program at once with exit status 0, whatever windows are open.
// Callers put nothing after it.
void End();
// Tests replace the real end with a step of their own; End then returns.
void End_helyett(std::function<void()> teendő);
}  // namespace program
