#include <windows.h>

#include "alap/win32/win32.h"

namespace win32 {

// The task bar shows a button for a visible top-level window that has no
// owner, or that asks for one with WS_EX_APPWINDOW. An owned window without
// it has none; the hidden owner is never shown, so it has none either.
bool feladatsáv_nélkül(void* ablak)
{
    const HWND hwnd = static_cast<HWND>(ablak);
    if (!IsWindow(hwnd)) return false;
    static const HWND gazda = [] {
        const HINSTANCE példány = GetModuleHandleW(nullptr);
        WNDCLASSW osztály{};
        osztály.lpfnWndProc = DefWindowProcW;
        osztály.hInstance = példány;
        osztály.lpszClassName = L"tukrosdi_gazda";
        RegisterClassW(&osztály);
        return CreateWindowExW(0, osztály.lpszClassName, L"tukrosdi", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, példány,
                               nullptr);
    }();
    if (!gazda) return false;
    SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(gazda));
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_APPWINDOW));
    return GetWindow(hwnd, GW_OWNER) == gazda;
}
}  // namespace win32
