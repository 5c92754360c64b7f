// The main window's controls in plain Qt: the same labels, frame, option buttons, fields,
// buttons and long texts, in the same places, fonts and colours, with no menu bar and none
// of the program's logic. What the program takes beyond this window is its own; what this
// window takes beyond the one-label floor is the controls'.
#include "window/main_form/form_layout.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using namespace triangle::layout;

QRect pixels(const Place& place)
{
    return {Pixels(place.left), Pixels(place.top), Pixels(place.width), Pixels(place.height)};
}

QColor colour(Colour c)
{
    return {c.red, c.green, c.blue};
}

void fill(QWidget* widget, std::optional<Colour> background)
{
    if (!background)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour(*background));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont font(bool bold)
{
    return QFont(QString::fromUtf8(FontFace), FontPointSize, bold ? QFont::Bold : QFont::Normal);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFont(font(false));
    window.setFixedSize(Pixels(ClientWidth), Pixels(ClientHeight));
    fill(&window, WindowColour);
    QGroupBox* frame = nullptr;
    for (const Control& control : Controls()) {
        const QString text = QString::fromUtf8(control.text);
        QWidget* widget = nullptr;
        switch (control.kind) {
        case Kind::Label:
            widget = new QLabel(text, &window);
            break;
        case Kind::Frame:
            widget = frame = new QGroupBox(text, &window);
            break;
        case Kind::OptionButton:
            widget = new QRadioButton(text, frame);
            break;
        case Kind::PushButton:
            widget = new QPushButton(text, &window);
            break;
        case Kind::LongText:
            widget = new QPlainTextEdit(text, &window);
            break;
        }
        widget->setGeometry(pixels(control.place));
        widget->setVisible(control.visible);
        fill(widget, control.background);
    }
    for (std::int16_t i = 0; i < 24; ++i) {
        const Field field = FieldOf(i);
        auto* edit = new QLineEdit(&window);
        edit->setFont(font(field.bold));
        edit->setGeometry(pixels(field.place));
        edit->setEnabled(!field.result);
    }
    window.show();
    return application.exec();
}
