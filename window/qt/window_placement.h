#pragma once

class QWidget;

namespace triangle {

// Shows `window` to the right of `beside`, moved and shrunk where needed so that it stays
// whole on that screen, frame and title included; a window already shown is only raised
// and activated, where the user left it.
void OpenBeside(QWidget& window, const QWidget& beside);

} // namespace triangle
