#pragma once

#include <QWidget>

class QString;

namespace triangle {

// Speaks a text to a screen reader without moving the focus and without anything on screen.
// The toolkit has no announcement event, so this is a widget that is never shown, exposed
// as a notification: each text becomes its accessible name and the widget reports itself
// shown, which Orca answers by speaking the notification's name wherever the focus is.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void say(const QString& text);
};

} // namespace triangle
