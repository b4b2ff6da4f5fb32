#include "praise/dicseretek.h"

const std::array<QStringView, 10> dicséretek_szövege = {
    u"Te vagy a legjobb!",        u"Szép munka!",     u"Ügyes vagy!",
    u"Nagyon büszke vagyok rád!", u"Jól dolgoztál!",  u"Gratulálok!",
    u"Ez igen, nagyszerű!",       u"Hurrá! Győztél!", u"Minden elismerésem a Tiéd!",
    u"Dobogós helyezés!",
};
