#pragma once
// What a screen reader is told beyond the names and states of the controls:
// which card the keyboard is on, and short messages of what just happened.

#include <QString>
#include <functional>

class Ablak;
class Vezérlő;

namespace akadálymentesség {
// Tells assistive technology that the control `melyik` gives is the focused
// one, while the keyboard focus stays with its container (the board keeps the
// keys; the card under the keyboard's mark is what a screen reader should
// read). Sent once the events in hand are handled, because Qt names the focus
// widget itself right after its focus-in handlers; `melyik` is asked then and
// may give none.
void fókusz_jelzése(std::function<Vezérlő*()> melyik);

// Has a screen reader say `szöveg` without moving the focus: a notification of
// no size in the window, shown anew with every message.
void bemondás(const Ablak& ablak, const QString& szöveg);

// The same, when `ablak` is the active window again (at once if it is): a
// screen reader cuts what it is saying when a window closes, so a message
// about a closed window is said in the window that comes back.
void bemondás_aktiváláskor(const Ablak& ablak, const QString& szöveg);
}  // namespace akadálymentesség
