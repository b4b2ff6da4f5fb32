#include "alap/platform.h"

#include <cstdio>
#include <cstdlib>

namespace {
Platform* használt = nullptr;

QString kulcsnév(const QString& alkalmazás, const QString& szakasz, const QString& kulcs)
{
    return alkalmazás + u'/' + szakasz + u'/' + kulcs;
}
}  // namespace

Platform& használt_platform()
{
    if (!használt) {
        std::fputs("tukrosdi: no platform installed\n", stderr);
        std::abort();
    }
    return *használt;
}

void platform_használata(Platform& p) { használt = &p; }

QString Platform::GetSetting(const QString& alkalmazás, const QString& szakasz, const QString& kulcs,
                             const QString& alapérték)
{
    const auto it = el_nem_mentett.constFind(kulcsnév(alkalmazás, szakasz, kulcs));
    if (it != el_nem_mentett.constEnd()) return *it;
    return tárolt(alkalmazás, szakasz, kulcs, alapérték);
}

bool Platform::SaveSettings(const QString& alkalmazás, const QString& szakasz,
                            const QList<std::pair<QString, QString>>& kulcsok_értékei)
{
    const bool sikerült = tárol(alkalmazás, szakasz, kulcsok_értékei);
    el_nem_mentett.clear();
    if (!sikerült)
        for (const auto& [kulcs, érték] : kulcsok_értékei)
            el_nem_mentett.insert(kulcsnév(alkalmazás, szakasz, kulcs), érték);
    return sikerült;
}
