#include "alap/kulcsertek.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

namespace rendszerleíró {

bool kulcsérték(Adatbázis& registry, HKEY KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                std::string& KeyVal)
{
    HKEY hKey = 0;
    // The key is closed on every way out, also when it could not be opened.
    struct Bezáró {
        Adatbázis& r;
        HKEY& k;
        ~Bezáró() { r.RegCloseKey(k); }
    } bezáró{registry, hKey};

    if (registry.RegOpenKeyExA(KeyRoot, KeyName.c_str(), 0, HOZZÁFÉRÉS, &hKey) != SIKERES) {
        KeyVal.clear();
        return false;
    }
    std::vector<unsigned char> tmpVal(PUFFERMÉRET, 0);
    std::uint32_t KeyValSize = PUFFERMÉRET, KeyValType = 0;
    if (registry.RegQueryValueExA(hKey, SubKeyRef.c_str(), nullptr, &KeyValType, tmpVal.data(), &KeyValSize) !=
        SIKERES) {
        KeyVal.clear();
        return false;
    }
    // A text may come with or without its terminating zero.
    if (KeyValSize == 0 || KeyValSize > PUFFERMÉRET) throw std::runtime_error("registry value without data");
    tmpVal.resize(tmpVal[KeyValSize - 1] == 0 ? KeyValSize - 1 : KeyValSize);

    switch (KeyValType) {
        case SZÖVEG_ÉRTÉK:
            KeyVal.assign(tmpVal.begin(), tmpVal.end());
            break;
        case SZÁM_ÉRTÉK: {
            // Bytes least significant first: read from the last, two hex digits each.
            std::string hex;
            for (auto i = tmpVal.rbegin(); i != tmpVal.rend(); ++i) {
                char jegyek[3];
                std::snprintf(jegyek, sizeof jegyek, "%02X", unsigned(*i));
                hex += jegyek;
            }
            // As an &h literal would read: 32 bits with a sign.
            if (!hex.empty() && hex.size() <= 8)
                KeyVal = std::to_string(std::int32_t(std::uint32_t(std::stoul(hex, nullptr, 16))));
            else
                KeyVal = "&h" + hex;
            break;
        }
        default:
            break;
    }
    return true;
}
}  // namespace rendszerleíró
