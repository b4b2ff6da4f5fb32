#pragma once
// The registry interface and the reading of one value through it, in
// standard C++ alone: the Windows build puts the platform's registry behind
// the interface, the tests a registry in memory.

#include <cstdint>
#include <string>

// The constants have names of their own: the platform's headers define
// theirs as macros.
namespace rendszerleíró {
using HKEY = std::uintptr_t;
// A predefined handle is a sign-extended 32-bit value, as on 64-bit Windows.
inline constexpr HKEY HKLM = HKEY(std::intptr_t(std::int32_t(0x80000002u)));
inline constexpr long SIKERES = 0;
inline constexpr long NINCS_ILYEN = 2;
inline constexpr long TÖBB_ADAT = 234;
// Read rights only (query value, enumerate subkeys, notify, read control):
// a standard user, and an administrator without elevation, is refused write
// rights under the machine root, and a read asks for none.
inline constexpr std::uint32_t HOZZÁFÉRÉS = 0x20019;
inline constexpr std::uint32_t SZÖVEG_ÉRTÉK = 1;
inline constexpr std::uint32_t SZÁM_ÉRTÉK = 4;
// The buffer a value is read into, in bytes.
inline constexpr std::uint32_t PUFFERMÉRET = 1024;

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

// Reads one value into `érték` (8-bit text): a text as it is, a 32-bit
// number as signed decimal digits; a value of another type leaves `érték`
// unchanged. False, with `érték` empty, when the key or the value cannot be
// read or the value does not fit the buffer. A value with no data at all
// throws std::runtime_error. The key is closed on every way out.
bool kulcsérték(Adatbázis& registry, HKEY KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                std::string& KeyVal);
}  // namespace rendszerleíró
