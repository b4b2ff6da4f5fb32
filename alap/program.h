#pragma once
// The application as a whole: its fonts, style and name, set once after the
// application object exists.

class QApplication;

namespace program {
void előkészít(QApplication& alkalmazás);
}  // namespace program
