// The Windows-only code, built with MinGW-w64 and run under Wine: the game's
// registry reader over the real registry, program starts with their show
// commands, the start-up window's hidden owner, and the program file's icon
// and version record (this test links the game's resource file).
// Usage: test_win32 <the helper program> ; prints "N passed, N failed".
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

#include "alap/ablakallapot.h"
#include "alap/kulcsertek.h"
#include "alap/win32/win32.h"

namespace {
int sikeres = 0, sikertelen = 0;

void ellenőriz(bool jó, const std::string& mi)
{
    (jó ? sikeres : sikertelen)++;
    std::printf("%s  %s\n", jó ? "ok  " : "FAIL", mi.c_str());
}

// ---- The registry reader ----
const char* const próbakulcs = "SOFTWARE\\tukrosdi-teszt";

void ír(const char* kulcs, const char* név, DWORD típus, const void* adat, DWORD méret)
{
    HKEY k = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kulcs, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr) !=
        ERROR_SUCCESS)
        throw std::runtime_error(std::string("cannot create ") + kulcs);
    RegSetValueExA(k, név, 0, típus, static_cast<const BYTE*>(adat), méret);
    RegCloseKey(k);
}
void szöveget_ír(const char* név, const std::string& s, bool nullával)
{
    ír(próbakulcs, név, REG_SZ, s.c_str(), DWORD(s.size() + (nullával ? 1 : 0)));
}
void számot_ír(const char* név, DWORD n) { ír(próbakulcs, név, REG_DWORD, &n, sizeof n); }

void olvasás(const char* mi, const char* kulcs, const char* név, bool várt, const std::string& várt_szöveg)
{
    std::string érték = "régi";
    const bool eredmény = rendszerleíró::kulcsérték(win32::registry(), rendszerleíró::HKLM, kulcs, név, érték);
    ellenőriz(eredmény == várt && érték == várt_szöveg,
              std::string("registry: ") + mi + " (read \"" + érték.substr(0, 40) + "\")");
}

void registry()
{
    const std::string hosszú1023(1023, 'a'), hosszú1024(1024, 'b');
    szöveget_ír("szoveg", "C:\\Program Files\\Zsongoka\\tukrosdi.exe", true);
    szöveget_ír("nulla_nelkul", "zsongoka", false);
    szöveget_ír("elfer", hosszú1023, true);
    szöveget_ír("nem_fer_el", hosszú1024, true);
    számot_ír("tiz", 10);
    számot_ír("minusz_egy", 0xFFFFFFFFu);
    számot_ír("bajtsorrend", 0x12345678u);
    const unsigned char bájtok[] = {1, 2, 3};
    ír(próbakulcs, "binaris", REG_BINARY, bájtok, sizeof bájtok);
    ír(próbakulcs, "ures", REG_SZ, "", 0);

    olvasás("text with its zero", próbakulcs, "szoveg", true, "C:\\Program Files\\Zsongoka\\tukrosdi.exe");
    olvasás("text without its zero", próbakulcs, "nulla_nelkul", true, "zsongoka");
    olvasás("1023 bytes and zero fit the buffer", próbakulcs, "elfer", true, hosszú1023);
    olvasás("1024 bytes and zero do not fit", próbakulcs, "nem_fer_el", false, "");
    olvasás("number 10", próbakulcs, "tiz", true, "10");
    olvasás("number -1", próbakulcs, "minusz_egy", true, "-1");
    olvasás("number's byte order", próbakulcs, "bajtsorrend", true, "305419896");
    olvasás("other type keeps the text", próbakulcs, "binaris", true, "régi");
    olvasás("missing value", próbakulcs, "nincs", false, "");
    olvasás("missing key", "SOFTWARE\\tukrosdi-nincs-ilyen", "szoveg", false, "");
    bool dobott = false;
    try {
        std::string érték;
        rendszerleíró::kulcsérték(win32::registry(), rendszerleíró::HKLM, próbakulcs, "ures", érték);
    } catch (const std::runtime_error&) {
        dobott = true;
    }
    ellenőriz(dobott, "registry: a value without data throws");

    // The system information tool's own places, as the About window asks.
    ír(rendszerleíró::gREGKEYSYSINFO, rendszerleíró::gREGVALSYSINFO, REG_SZ, "C:\\msinfo32.exe", 16);
    ír(rendszerleíró::gREGKEYSYSINFOLOC, rendszerleíró::gREGVALSYSINFOLOC, REG_SZ, "C:\\Tools", 9);
    olvasás("the tool's path", rendszerleíró::gREGKEYSYSINFO, rendszerleíró::gREGVALSYSINFO, true, "C:\\msinfo32.exe");
    olvasás("the tool's folder", rendszerleíró::gREGKEYSYSINFOLOC, rendszerleíró::gREGVALSYSINFOLOC, true, "C:\\Tools");

    // The reader's access mask grants no write: a key opened with it cannot
    // be written through.
    HKEY k = nullptr;
    const LONG nyitás = RegOpenKeyExA(HKEY_LOCAL_MACHINE, próbakulcs, 0, rendszerleíró::HOZZÁFÉRÉS, &k);
    const DWORD n = 1;
    const LONG írás = nyitás == ERROR_SUCCESS
                          ? RegSetValueExA(k, "tiz", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&n), sizeof n)
                          : -1;
    if (k) RegCloseKey(k);
    ellenőriz(nyitás == ERROR_SUCCESS && írás == ERROR_ACCESS_DENIED,
              "registry: the read mask opens the key and refuses a write");
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, próbakulcs);
}

// ---- Starting programs ----
std::string fájl_tartalma(const std::wstring& út)
{
    FILE* f = _wfopen(út.c_str(), L"r");
    if (!f) return {};
    char sor[64] = {};
    const bool van = std::fgets(sor, sizeof sor, f) != nullptr;
    std::fclose(f);
    return van ? std::string(sor) : std::string();
}

void indítás(const char* mi, const std::wstring& segéd, const std::wstring& út, program::Ablakállapot állapot,
             HANDLE mehet)
{
    CreateDirectoryW(út.substr(0, út.find_last_of(L'\\')).c_str(), nullptr);
    if (!CopyFileW(segéd.c_str(), út.c_str(), FALSE)) {
        ellenőriz(false, std::string(mi) + ": the helper could not be copied");
        return;
    }
    const std::wstring kimenet = út + L".txt";
    DeleteFileW(kimenet.c_str());
    ResetEvent(mehet);
    const bool elindult = win32::indítás(út, int(állapot));
    // The helper waits for the event: had the start waited for the helper,
    // the helper would have given up waiting and written its result.
    const bool nem_várt = GetFileAttributesW(kimenet.c_str()) == INVALID_FILE_ATTRIBUTES;
    SetEvent(mehet);
    std::string eredmény;
    for (int i = 0; i < 300 && eredmény.empty(); ++i) {  // at most 30 s
        Sleep(100);
        eredmény = fájl_tartalma(kimenet);
    }
    char várt[32];
    std::snprintf(várt, sizeof várt, "0 %d\n", int(állapot));
    ellenőriz(elindult, std::string(mi) + ": started");
    ellenőriz(nem_várt, std::string(mi) + ": the start did not wait for it");
    ellenőriz(eredmény == várt, std::string(mi) + ": no arguments, show command " + std::to_string(int(állapot)) +
                                    " (got \"" + eredmény.substr(0, eredmény.find('\n')) + "\")");
}

void programok(const std::wstring& segéd)
{
    wchar_t ideiglenes[MAX_PATH];
    GetTempPathW(MAX_PATH, ideiglenes);
    const std::wstring mappa = std::wstring(ideiglenes) + L"tukrosdi teszt " + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(mappa.c_str(), nullptr);
    const HANDLE mehet = CreateEventW(nullptr, TRUE, FALSE, L"tukrosdi_teszt_mehet");
    indítás("launcher", segéd, mappa + L"\\zsongokapu.exe", program::indító_ablakállapota, mehet);
    indítás("system information tool", segéd, mappa + L"\\Shared Tools\\MSINFO32.EXE",
            program::rendszerinfó_ablakállapota, mehet);
    ellenőriz(!win32::indítás(mappa + L"\\nincs.exe", 1), "a missing program file is not started");
    CloseHandle(mehet);
}

// ---- The start-up window's hidden owner ----
void gazdaablak()
{
    // Made as a toolkit makes a top-level window: unowned, asking for a button.
    const HWND ablak =
        CreateWindowExW(WS_EX_APPWINDOW, L"STATIC", L"Zsongóka Tukrosdi", WS_CAPTION | WS_SYSMENU | WS_POPUP, 10, 10,
                        300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!ablak) {
        ellenőriz(false, "owner: a window could be made (error " + std::to_string(GetLastError()) + ")");
        return;
    }
    const bool beállítva = win32::feladatsáv_nélkül(ablak);
    ShowWindow(ablak, SW_SHOW);
    const HWND gazda = GetWindow(ablak, GW_OWNER);
    const LONG_PTR kiterjesztett = GetWindowLongPtrW(ablak, GWL_EXSTYLE);
    ellenőriz(beállítva && gazda != nullptr, "owner: the window has an owner");
    ellenőriz(gazda && !IsWindowVisible(gazda) && GetWindow(gazda, GW_OWNER) == nullptr,
              "owner: the owner is hidden and unowned itself");
    ellenőriz(!(kiterjesztett & WS_EX_APPWINDOW) && !(kiterjesztett & WS_EX_TOOLWINDOW),
              "owner: the window asks for no task-bar button and is no tool window");
    ellenőriz(IsWindowVisible(ablak) && GetWindow(ablak, GW_OWNER) == gazda, "owner: still owned once shown");

    const HWND másik = CreateWindowExW(WS_EX_APPWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
    ellenőriz(win32::feladatsáv_nélkül(másik) && GetWindow(másik, GW_OWNER) == gazda, "owner: made once, shared");
    ellenőriz(!win32::feladatsáv_nélkül(nullptr), "owner: no window, no owner");
    DestroyWindow(másik);
    DestroyWindow(ablak);
}

// ---- The program file's icon and version record ----
#pragma pack(push, 2)
struct IkonBejegyzés {
    BYTE szél, mag, színek, fenntartott;
    WORD síkok, bitek;
    DWORD bájtok;
    WORD azonosító;
};
struct IkonKönyvtár {
    WORD fenntartott, típus, darab;
    IkonBejegyzés bejegyzés[1];
};
#pragma pack(pop)

void erőforrások()
{
    const HRSRC csoport = FindResourceW(nullptr, L"IDI_ICON1", RT_GROUP_ICON);
    const auto* könyvtár =
        csoport ? static_cast<const IkonKönyvtár*>(LockResource(LoadResource(nullptr, csoport))) : nullptr;
    ellenőriz(könyvtár && könyvtár->darab == 1, "icon: one image");
    if (könyvtár && könyvtár->darab >= 1) {
        const IkonBejegyzés& b = könyvtár->bejegyzés[0];
        const HRSRC kép = FindResourceW(nullptr, MAKEINTRESOURCEW(b.azonosító), RT_ICON);
        const auto* fej =
            kép ? static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, kép))) : nullptr;
        ellenőriz(b.szél == 32 && b.mag == 32 && fej && fej->biWidth == 32 && fej->biHeight == 64,
                  "icon: 32 x 32 pixels");
        ellenőriz(b.bitek == 8 && fej && fej->biBitCount == 8, "icon: 256 colours (8 bits per pixel)");
    }

    wchar_t saját[MAX_PATH];
    GetModuleFileNameW(nullptr, saját, MAX_PATH);
    DWORD semmi = 0;
    std::string adat(GetFileVersionInfoSizeW(saját, &semmi), '\0');
    const bool van = !adat.empty() && GetFileVersionInfoW(saját, 0, DWORD(adat.size()), adat.data());
    VS_FIXEDFILEINFO* rögzített = nullptr;
    UINT hossz = 0;
    ellenőriz(van && VerQueryValueW(adat.data(), L"\\", reinterpret_cast<void**>(&rögzített), &hossz) &&
                  rögzített->dwFileVersionMS == 0x00010000 && rögzített->dwFileVersionLS == 0 &&
                  rögzített->dwProductVersionMS == 0x00010000 && rögzített->dwProductVersionLS == 0,
              "version: file and product version 1.0.0.0");
    auto szöveg = [&](const wchar_t* név) {
        wchar_t* érték = nullptr;
        UINT h = 0;
        const std::wstring út = std::wstring(L"\\StringFileInfo\\040E04E2\\") + név;
        return van && VerQueryValueW(adat.data(), út.c_str(), reinterpret_cast<void**>(&érték), &h) && érték
                   ? std::wstring(érték)
                   : std::wstring();
    };
    ellenőriz(szöveg(L"FileVersion") == L"1.00" && szöveg(L"ProductVersion") == L"1.00", "version: texts 1.00");
    ellenőriz(szöveg(L"FileDescription") == L"Zsongóka Tukrosdi", "version: description with its accent");
    ellenőriz(szöveg(L"OriginalFilename") == L"tukrosdi.exe", "version: original file name");
}
}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: test_win32 <helper program>\n");
        return 2;
    }
    try {
        registry();
    } catch (const std::exception& e) {
        ellenőriz(false, std::string("registry: ") + e.what());
    }
    programok(argv[1]);
    gazdaablak();
    erőforrások();
    std::printf("%d passed, %d failed\n", sikeres, sikertelen);
    return sikertelen == 0 ? 0 : 1;
}
