#include "game/egyezes.h"

#include <algorithm>

bool párt_alkot(const std::vector<szópár>& párok, const QString& egyik, const QString& másik)
{
    return std::any_of(párok.begin(), párok.end(), [&](const szópár& p) {
        return (p.szó1 == egyik && p.szó2 == másik) || (p.szó1 == másik && p.szó2 == egyik);
    });
}
