#pragma once
// A timer control: while Enabled with a positive Interval (milliseconds) it
// ticks every Interval. Changing the interval of a running timer starts the
// count again.

#include <QTimer>
#include <functional>

class Ablak;

class Időzítő {
public:
    void létrehoz(Ablak& ablak, int interval, bool enabled);
    int Interval() const { return időköz; }
    void setInterval(int ezredmásodperc);
    bool Enabled() const { return engedélyezett; }
    void setEnabled(bool igen);
    void onTimer(std::function<void()> teendő) { tick = std::move(teendő); }
    // Ticks now, as if the interval had just run out (when enabled).
    void ütés();

private:
    void újraindítás();
    QTimer óra;
    int időköz = 0;
    bool engedélyezett = false;
    std::function<void()> tick;
    bool bekötve = false;
};
