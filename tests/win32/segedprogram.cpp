// Started by the Windows test in place of the launcher and the tool: once the
// test lets it go, it writes "<arguments> <show command or -1>" into its own
// file name followed by ".txt".
#include <windows.h>

#include <cstdio>
#include <string>

int main()
{
    const HANDLE mehet = OpenEventW(SYNCHRONIZE, FALSE, L"tukrosdi_teszt_mehet");
    // Never for ever: a test that does not answer gets its result anyway.
    if (mehet) WaitForSingleObject(mehet, 20000);

    int argumentumok = 0;
    LocalFree(CommandLineToArgvW(GetCommandLineW(), &argumentumok));
    STARTUPINFOW indulás{};
    indulás.cb = sizeof indulás;
    GetStartupInfoW(&indulás);
    const int megjelenítés = (indulás.dwFlags & STARTF_USESHOWWINDOW) ? indulás.wShowWindow : -1;

    wchar_t saját[MAX_PATH];
    GetModuleFileNameW(nullptr, saját, MAX_PATH);
    const std::wstring ideiglenes = std::wstring(saját) + L".tmp", kész = std::wstring(saját) + L".txt";
    FILE* f = _wfopen(ideiglenes.c_str(), L"w");
    if (!f) return 1;
    std::fprintf(f, "%d %d\n", argumentumok - 1, megjelenítés);
    std::fclose(f);
    // Appears whole or not at all.
    return MoveFileW(ideiglenes.c_str(), kész.c_str()) ? 0 : 1;
}
