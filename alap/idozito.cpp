#include "alap/idozito.h"

#include "alap/ablak.h"

void Időzítő::létrehoz(Ablak& ablak, int interval, bool enabled)
{
    if (!bekötve) {
        QObject::connect(&óra, &QTimer::timeout, [this] { ütés(); });
        bekötve = true;
    }
    ablak.időzítő_bejegyzése(this);
    időköz = interval;
    engedélyezett = enabled;
    újraindítás();
}

void Időzítő::setInterval(int ezredmásodperc)
{
    időköz = ezredmásodperc;
    újraindítás();
}

void Időzítő::setEnabled(bool igen)
{
    if (igen == engedélyezett) return;
    engedélyezett = igen;
    újraindítás();
}

void Időzítő::újraindítás()
{
    if (engedélyezett && időköz > 0)
        óra.start(időköz);
    else
        óra.stop();
}

void Időzítő::ütés()
{
    if (engedélyezett && tick) tick();
}
