#include <windows.h>

#include <vector>

#include "alap/win32/win32.h"

namespace win32 {

bool indítás(const std::wstring& útvonal, int megjelenítés)
{
    // The command line is the program's own name alone, quoted for blanks.
    std::wstring sor = L"\"" + útvonal + L"\"";
    std::vector<wchar_t> parancssor(sor.begin(), sor.end());
    parancssor.push_back(L'\0');
    STARTUPINFOW indulás{};
    indulás.cb = sizeof indulás;
    indulás.dwFlags = STARTF_USESHOWWINDOW;
    indulás.wShowWindow = WORD(megjelenítés);
    PROCESS_INFORMATION folyamat{};
    if (!CreateProcessW(útvonal.c_str(), parancssor.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &indulás,
                        &folyamat))
        return false;
    // It runs on its own: nothing waits for it.
    CloseHandle(folyamat.hThread);
    CloseHandle(folyamat.hProcess);
    return true;
}
}  // namespace win32
