#include "alap/web/bongeszo.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

namespace {
// The functions below are written in JavaScript and become functions of the
// page's script, so their names and bodies keep to ASCII. Item texts cross
// as UTF-8 in the program's own heap.
EM_JS(char*, tarolt_elem, (const char* key), {
    try {
        const value = window.localStorage.getItem(UTF8ToString(key));
        if (value === null) return 0;
        const size = lengthBytesUTF8(value) + 1;
        const text = _malloc(size);
        stringToUTF8(value, text, size);
        return text;
    } catch (e) {
        return 0;
    }
});

EM_JS(int, elem_tarolasa, (const char* key, const char* value), {
    try {
        window.localStorage.setItem(UTF8ToString(key), UTF8ToString(value));
        return 1;
    } catch (e) {
        return 0;
    }
});

EM_JS(void, jatek_vege, (), {
    if (typeof window.tukrosdiVege === 'function') window.tukrosdiVege();
});
}  // namespace

namespace böngésző {
std::optional<std::string> olvas(const std::string& kulcs)
{
    const std::unique_ptr<char, decltype(&std::free)> érték(tarolt_elem(kulcs.c_str()), &std::free);
    if (!érték) return std::nullopt;
    return std::string(érték.get());
}

bool ír(const std::string& kulcs, const std::string& érték) { return elem_tarolasa(kulcs.c_str(), érték.c_str()); }

void vége_oldal() { jatek_vege(); }
}  // namespace böngésző
