#include "window/qt/refusal_box.h"

#include "window/spoken_text.h"

#include <QLabel>
#include <QMessageBox>

namespace triangle {

void ShowRefusal(QWidget* parent, const std::string& title, const std::string& text)
{
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, parent);
    // A screen reader reads the box's label, which would say the symbols as they stand; its
    // accessible name is read instead of its text.
    for (QLabel* label : box.findChildren<QLabel*>()) {
        if (label->text() == box.text())
            label->setAccessibleName(QString::fromStdString(SpokenText(text)));
    }
    box.exec();
}

} // namespace triangle
