// Waits for the game's main window and tells whether the task bar would show
// a button of its own for it: exit status 0 when it is visible, owned by a
// hidden, unowned window and does not ask for a button (WS_EX_APPWINDOW).
#include <windows.h>

#include <cstdio>

int main()
{
    HWND ablak = nullptr;
    for (int i = 0; i < 600 && !(ablak && IsWindowVisible(ablak)); ++i, Sleep(100))
        ablak = FindWindowW(nullptr, L"Zsong\u00f3ka Tukrosdi");
    if (!ablak) return std::puts("no main window"), 2;
    const HWND gazda = GetWindow(ablak, GW_OWNER);
    const bool gomb = GetWindowLongPtrW(ablak, GWL_EXSTYLE) & WS_EX_APPWINDOW;
    if (!gazda || IsWindowVisible(gazda) || GetWindow(gazda, GW_OWNER) || gomb)
        return std::printf("owner %p, visible %d, asks for a button %d\n", static_cast<void*>(gazda),
                           gazda ? IsWindowVisible(gazda) : 0, gomb),
               1;
    return 0;
}
