#include "alap/rendszerleiro.h"

#include <QStandardPaths>
#include <cstring>

#ifdef Q_OS_WIN
#include "alap/win32/win32.h"
#endif

namespace rendszerleíró {
namespace {

#ifndef Q_OS_WIN
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
#endif

Adatbázis* teszté = nullptr;
}  // namespace

Adatbázis& használt()
{
    if (teszté) return *teszté;
#ifdef Q_OS_WIN
    return win32::registry();
#else
    static Helyettes rendszeré;
    return rendszeré;
#endif
}

void teszt_adatbázis(Adatbázis* adatbázis) { teszté = adatbázis; }

QString rendszerinformációs_program()
{
    for (const char* név :
         {"kinfocenter", "hardinfo2", "hardinfo", "xfce4-about", "mate-system-monitor", "gnome-system-monitor"}) {
        const QString hely = QStandardPaths::findExecutable(QString::fromLatin1(név));
        if (!hely.isEmpty()) return hely;
    }
    return {};
}
}  // namespace rendszerleíró
