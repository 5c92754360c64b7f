#include "window/qt/refusal_box.h"

#include "window/text/spoken_text.h"

#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>

namespace triangle {

namespace {

// Qt breaks a line after a slash and at the blanks of a bracket: a formula of a bound,
// "c²/4" or "(3 − 2√2)·P²/4", is kept on one line by a word joiner after each slash and
// no-break blanks around a sign inside brackets.
QString withFormulasWhole(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QRegularExpression(QStringLiteral("/(?=\\S)")), QStringLiteral("/\u2060"));
    shown.replace(QRegularExpression(QStringLiteral("\\(([^()\\s]+) ([−+]) ([^()\\s]+)\\)")),
                  QStringLiteral("(\\1\u00A0\\2\u00A0\\3)"));
    return shown;
}

} // namespace

void ShowRefusal(QWidget* parent, const std::string& title, const std::string& text)
{
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title), withFormulasWhole(text),
                    QMessageBox::Ok, parent);
    // A screen reader reads the box's label, which would say the symbols as they stand; its
    // accessible name is read instead of its text.
    for (QLabel* label : box.findChildren<QLabel*>()) {
        if (label->text() == box.text())
            label->setAccessibleName(QString::fromStdString(SpokenText(text)));
    }
    box.exec();
}

} // namespace triangle
