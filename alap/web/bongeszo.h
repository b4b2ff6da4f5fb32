#pragma once
// What the game asks of the browser beyond Qt: the page's local storage,
// guarded, so that a storage the browser refuses (blocked, or full) is a
// failed read or save rather than an aborted program; and the page that
// says the game has ended.

#include <optional>
#include <string>

namespace böngésző {
// The item under `kulcs`; nothing when there is none or the storage is refused.
std::optional<std::string> olvas(const std::string& kulcs);
// False when the storage refuses the item.
bool ír(const std::string& kulcs, const std::string& érték);
// Takes the game off the page and shows the page's own "the game has ended"
// content (index.html's tukrosdiVege).
void vége_oldal();
}  // namespace böngésző
