// The Windows-only code under Wine: the real registry behind the game's reader
// (test_windows tests its rules in memory), program starts with their show
// commands, the start-up window's hidden owner, and the program file's icon
// and version record. Usage: test_win32 <helper program>.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "alap/ablakallapot.h"
#include "alap/kulcsertek.h"
#include "alap/win32/win32.h"

namespace {
int sikeres = 0, sikertelen = 0;

void ellenőriz(bool jó, const std::string& mi)
{
    (jó ? sikeres : sikertelen)++;
    if (!jó) std::printf("FAIL  %s\n", mi.c_str());  // the count line says the rest
}

// ---- The registry: one read of each kind of answer that test_windows fakes ----
const char* const próbakulcs = "SOFTWARE\\tukrosdi-teszt";

// Reads as "true TEXT", "false TEXT" or "throws".
void olvasás(const char* mi, const char* kulcs, const char* név, const std::string& várt)
{
    std::string érték = "régi", kapott = "throws";
    try {
        const bool jó = rendszerleíró::kulcsérték(win32::registry(), rendszerleíró::HKLM, kulcs, név, érték);
        kapott = (jó ? "true " : "false ") + érték.substr(0, 40);
    } catch (const std::runtime_error&) {
    }
    ellenőriz(kapott == várt, std::string("registry: ") + mi + " (\"" + kapott + "\")");
}

void registry()
{
    const std::string hosszú(1024, 'a');
    const DWORD szám = 0x12345678u;
    HKEY k = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, próbakulcs, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr))
        return ellenőriz(false, "registry: the test key cannot be made");
    const auto ír = [k](const char* név, DWORD típus, const void* adat, DWORD méret) {
        RegSetValueExA(k, név, 0, típus, static_cast<const BYTE*>(adat), méret);
    };
    ír("szoveg", REG_SZ, "C:\\Tools\\msinfo32.exe", 22);
    ír("nulla_nelkul", REG_SZ, "zsongoka", 8);
    ír("nem_fer_el", REG_SZ, hosszú.c_str(), DWORD(hosszú.size() + 1));
    ír("szam", REG_DWORD, &szám, sizeof szám);
    ír("ures", REG_SZ, "", 0);
    RegCloseKey(k);
    olvasás("a text with its zero", próbakulcs, "szoveg", "true C:\\Tools\\msinfo32.exe");
    olvasás("a text without its zero", próbakulcs, "nulla_nelkul", "true zsongoka");
    olvasás("1024 bytes and zero do not fit", próbakulcs, "nem_fer_el", "false ");
    olvasás("a number, least significant byte first", próbakulcs, "szam", "true 305419896");
    olvasás("a value without data throws", próbakulcs, "ures", "throws");
    olvasás("a missing value", próbakulcs, "nincs", "false ");
    olvasás("a missing key", "SOFTWARE\\tukrosdi-nincs-ilyen", "szoveg", "false ");
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, próbakulcs);
}

// ---- Starting programs: the helper waits for the event, so a start that
// waited for it would find its result written already ----
void indítás(const char* mi, const std::wstring& segéd, const std::wstring& út, program::Ablakállapot állapot)
{
    const HANDLE mehet = CreateEventW(nullptr, TRUE, FALSE, L"tukrosdi_teszt_mehet");
    ResetEvent(mehet);  // the last helper may still hold it, set
    CreateDirectoryW(út.substr(0, út.find_last_of(L'\\')).c_str(), nullptr);
    const std::filesystem::path kimenet = út + L".txt";
    const bool elindult = CopyFileW(segéd.c_str(), út.c_str(), FALSE) && win32::indítás(út, int(állapot));
    const bool nem_várt = !std::filesystem::exists(kimenet);
    SetEvent(mehet);
    std::string eredmény;
    for (int i = 0; i < 300 && eredmény.empty(); ++i) {  // at most 30 s
        Sleep(100);
        std::getline(std::ifstream(kimenet), eredmény);
    }
    CloseHandle(mehet);
    ellenőriz(elindult && nem_várt && eredmény == "0 " + std::to_string(int(állapot)),
              std::string(mi) + ": started without waiting, with no arguments and show command " +
                  std::to_string(int(állapot)) + " (got \"" + eredmény + "\")");
}

void programok(const std::wstring& segéd)
{
    wchar_t ideiglenes[MAX_PATH];
    GetTempPathW(MAX_PATH, ideiglenes);
    const std::wstring mappa = std::wstring(ideiglenes) + L"tukrosdi teszt " + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(mappa.c_str(), nullptr);
    indítás("launcher", segéd, mappa + L"\\zsongokapu.exe", program::indító_ablakállapota);
    indítás("system information tool", segéd, mappa + L"\\Shared Tools\\MSINFO32.EXE",
            program::rendszerinfó_ablakállapota);
    ellenőriz(!win32::indítás(mappa + L"\\nincs.exe", 1), "a missing program file is not started");
}

// ---- The program file's icon and version record, as Windows reads them ----
void erőforrások()
{
    const HRSRC csoport = FindResourceW(nullptr, L"IDI_ICON1", RT_GROUP_ICON);
    // The icon directory: three words, then the first entry's width, height, ..., bits per pixel.
    const auto* k = csoport ? static_cast<const BYTE*>(LockResource(LoadResource(nullptr, csoport))) : nullptr;
    ellenőriz(k && k[4] == 1 && k[6] == 32 && k[7] == 32 && k[12] == 8, "icon: one image, 32 x 32 pixels, 256 colours");

    wchar_t saját[MAX_PATH];
    GetModuleFileNameW(nullptr, saját, MAX_PATH);
    DWORD semmi = 0;
    std::string adat(GetFileVersionInfoSizeW(saját, &semmi), '\0');
    const bool van = !adat.empty() && GetFileVersionInfoW(saját, 0, DWORD(adat.size()), adat.data());
    const auto érték = [&](const wchar_t* út) {
        void* p = nullptr;
        UINT h = 0;
        return van && VerQueryValueW(adat.data(), út, &p, &h) ? p : nullptr;
    };
    const auto* rögzített = static_cast<const VS_FIXEDFILEINFO*>(érték(L"\\"));
    const auto* leírás = static_cast<const wchar_t*>(érték(L"\\StringFileInfo\\040E04E2\\FileDescription"));
    ellenőriz(rögzített && rögzített->dwFileVersionMS == 0x00010000 && rögzített->dwFileVersionLS == 0,
              "version: 1.0.0.0, the program's");
    ellenőriz(leírás && std::wstring(leírás) == L"Zsongóka Tukrosdi", "version: the description with its accent");
}
}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) return std::fprintf(stderr, "usage: test_win32 <helper program>\n"), 2;
    registry();
    programok(argv[1]);
    erőforrások();
    std::printf("%d passed, %d failed\n", sikeres, sikertelen);
    return sikertelen == 0 ? 0 : 1;
}
