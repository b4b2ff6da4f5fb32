#include "alap/rendszerleiro.h"

#include <QByteArray>
#include <QStandardPaths>
#include <QString>
#include <cstring>

namespace rendszerleíró {
namespace {
// Programs that show information about the system.
QString rendszerinformációs_program()
{
    for (const char* név :
         {"kinfocenter", "hardinfo2", "hardinfo", "xfce4-about", "mate-system-monitor", "gnome-system-monitor"}) {
        const QString hely = QStandardPaths::findExecutable(QString::fromLatin1(név));
        if (!hely.isEmpty()) return hely;
    }
    return {};
}

// Knows one key: the first lookup of the system information tool's path.
class Helyettes : public Adatbázis {
public:
    long RegOpenKeyExA(HKEY hKey, const char* lpSubKey, std::uint32_t, std::uint32_t, HKEY* phkResult) override
    {
        *phkResult = 0;
        if (hKey != HKLM || std::strcmp(lpSubKey, gREGKEYSYSINFO) != 0) return NINCS_ILYEN;
        útvonal = rendszerinformációs_program().toLocal8Bit();
        if (útvonal.isEmpty()) return NINCS_ILYEN;
        *phkResult = 1;
        return SIKERES;
    }
    long RegQueryValueExA(HKEY hKey, const char* lpValueName, std::uint32_t*, std::uint32_t* lpType,
                          unsigned char* lpData, std::uint32_t* lpcbData) override
    {
        if (hKey != 1 || std::strcmp(lpValueName, gREGVALSYSINFO) != 0) return NINCS_ILYEN;
        const auto kell = std::uint32_t(útvonal.size() + 1);  // with the terminating zero
        if (kell > *lpcbData) {
            *lpcbData = kell;
            return TÖBB_ADAT;
        }
        std::memcpy(lpData, útvonal.constData(), kell);
        *lpType = SZÖVEG_ÉRTÉK;
        *lpcbData = kell;
        return SIKERES;
    }
    long RegCloseKey(HKEY) override { return SIKERES; }

private:
    QByteArray útvonal;
};
}  // namespace

Adatbázis& helyettes()
{
    static Helyettes egyetlen;
    return egyetlen;
}
}  // namespace rendszerleíró
