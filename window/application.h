#pragma once

class QApplication;

namespace triangle {

// Names the application and gives it the one style whose drawing honours the window's
// own colours everywhere, so that it looks the same on every desktop.
void SetUpApplication(QApplication& application);

} // namespace triangle
