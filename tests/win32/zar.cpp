// Locks the game's settings key as an administrator can: nobody may set its
// values (Wine keeps the lock while its server runs). Exit status 0 once an
// opening for writing is refused.
#include <windows.h>
#include <sddl.h>

int main()
{
    const wchar_t* const hely = L"Software\\tukrosdi\\tukrosdi\\beall";
    HKEY kulcs = nullptr;
    PSECURITY_DESCRIPTOR tiltás = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, hely, 0, WRITE_DAC, &kulcs) ||
        !ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(D;;0x2;;;WD)(A;;KA;;;WD)", SDDL_REVISION_1,
                                                              &tiltás, nullptr) ||
        RegSetKeySecurity(kulcs, DACL_SECURITY_INFORMATION, tiltás))
        return 2;
    RegCloseKey(kulcs);
    return RegOpenKeyExW(HKEY_CURRENT_USER, hely, 0, KEY_SET_VALUE, &kulcs) == ERROR_ACCESS_DENIED ? 0 : 1;
}
