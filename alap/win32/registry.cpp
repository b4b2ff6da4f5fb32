#include <windows.h>

#include "alap/win32/win32.h"

namespace win32 {
namespace {
namespace r = rendszerleíró;

static_assert(r::HOZZÁFÉRÉS == KEY_READ, "a lookup asks for read rights only");
static_assert(r::SIKERES == ERROR_SUCCESS && r::NINCS_ILYEN == ERROR_FILE_NOT_FOUND && r::TÖBB_ADAT == ERROR_MORE_DATA);
static_assert(r::SZÖVEG_ÉRTÉK == REG_SZ && r::SZÁM_ÉRTÉK == REG_DWORD);

class Valódi : public r::Adatbázis {
public:
    long RegOpenKeyExA(r::HKEY hKey, const char* lpSubKey, std::uint32_t ulOptions, std::uint32_t samDesired,
                       r::HKEY* phkResult) override
    {
        ::HKEY eredmény = nullptr;
        const LONG rc = ::RegOpenKeyExA(reinterpret_cast<::HKEY>(hKey), lpSubKey, ulOptions, samDesired, &eredmény);
        *phkResult = reinterpret_cast<r::HKEY>(eredmény);
        return rc;
    }
    long RegQueryValueExA(r::HKEY hKey, const char* lpValueName, std::uint32_t* lpReserved, std::uint32_t* lpType,
                          unsigned char* lpData, std::uint32_t* lpcbData) override
    {
        DWORD típus = 0, méret = *lpcbData;
        const LONG rc = ::RegQueryValueExA(reinterpret_cast<::HKEY>(hKey), lpValueName,
                                           reinterpret_cast<LPDWORD>(lpReserved), &típus, lpData, &méret);
        *lpType = típus;
        *lpcbData = méret;
        return rc;
    }
    // A key that was never opened has no handle to close.
    long RegCloseKey(r::HKEY hKey) override { return hKey ? ::RegCloseKey(reinterpret_cast<::HKEY>(hKey)) : 0; }
};
}  // namespace

rendszerleíró::Adatbázis& registry()
{
    static Valódi rendszeré;
    return rendszeré;
}
}  // namespace win32
