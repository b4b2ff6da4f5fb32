#pragma once
// The registry functions that the About window reads the system information
// tool's place with. On Windows they are the real ones; elsewhere a stand-in
// answers the tool's first lookup with the first system-information program
// on the PATH and every other lookup with "not found".

#include <QString>
#include <cstdint>

// The constants have names of their own: the platform's headers define
// theirs as macros.
namespace rendszerleíró {
using HKEY = std::uintptr_t;
// A predefined handle is a sign-extended 32-bit value, as on 64-bit Windows.
inline constexpr HKEY HKLM = HKEY(std::intptr_t(std::int32_t(0x80000002u)));
inline constexpr long SIKERES = 0;
inline constexpr long NINCS_ILYEN = 2;
inline constexpr long TÖBB_ADAT = 234;
// Query value, set value, create subkey, enumerate subkeys, notify, create
// link and read control.
inline constexpr std::uint32_t HOZZÁFÉRÉS = 0x2003F;
inline constexpr std::uint32_t SZÖVEG_ÉRTÉK = 1;
inline constexpr std::uint32_t SZÁM_ÉRTÉK = 4;

// Where the system information tool is recorded, under the machine root:
// first the full path of its program, then the folder that holds it.
inline constexpr const char* gREGKEYSYSINFO = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* gREGVALSYSINFO = "PATH";
inline constexpr const char* gREGKEYSYSINFOLOC = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* gREGVALSYSINFOLOC = "MSINFO";

// Texts cross in the system's 8-bit code page.
class Adatbázis {
public:
    virtual ~Adatbázis() = default;
    virtual long RegOpenKeyExA(HKEY hKey, const char* lpSubKey, std::uint32_t ulOptions, std::uint32_t samDesired,
                               HKEY* phkResult) = 0;
    virtual long RegQueryValueExA(HKEY hKey, const char* lpValueName, std::uint32_t* lpReserved, std::uint32_t* lpType,
                                  unsigned char* lpData, std::uint32_t* lpcbData) = 0;
    virtual long RegCloseKey(HKEY hKey) = 0;
};

// The registry in use: the platform's, or the one a test has set.
Adatbázis& használt();
void teszt_adatbázis(Adatbázis* adatbázis);  // nullptr: the platform's again

// Where the stand-in looks: programs that show information about the system.
QString rendszerinformációs_program();
}  // namespace rendszerleíró
