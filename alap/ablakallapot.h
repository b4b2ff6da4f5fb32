#pragma once
// How a program that the game starts first shows its window, numbered as
// the platform's show commands. Standard C++ alone: the Windows test uses it.

namespace program {
enum class Ablakállapot { normál = 1, kis_méretben = 2 };  // normal; minimized and activated

// The program family's launcher starts minimized, the system information
// tool in a normal window; both take the focus.
inline constexpr Ablakállapot indító_ablakállapota = Ablakállapot::kis_méretben;
inline constexpr Ablakállapot rendszerinfó_ablakállapota = Ablakállapot::normál;
}  // namespace program
