#pragma once

class QApplication;

namespace triangle {

// Names the application, gives it the one style whose drawing honours the window's own
// colours everywhere, so that it looks the same on every desktop, and puts the toolkit's
// own texts into Bulgarian.
void SetUpApplication(QApplication& application);

} // namespace triangle
