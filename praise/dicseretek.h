#pragma once
// The ten praises, one of which greets a cleared board.

#include <QStringView>
#include <array>

extern const std::array<QStringView, 10> dicséretek_szövege;
