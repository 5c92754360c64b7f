#include "window/qt/spoken_tool_tip.h"

#include "window/qt/fitting_field.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>

namespace triangle {

namespace {

class SpokenToolTip : public QAccessibleWidget {
public:
    explicit SpokenToolTip(QLabel* label) : QAccessibleWidget(label, QAccessible::ToolTip) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        // The label holds the shown text only: the field it belongs to says it in words.
        const QString shown = static_cast<const QLabel*>(widget())->text();
        for (QWidget* widget : QApplication::allWidgets()) {
            const auto* field = qobject_cast<const FittingField*>(widget);
            if (field && field->toolTip() == shown)
                return field->spokenToolTip();
        }
        return shown;
    }
};

QAccessibleInterface* spokenToolTipFor(const QString& className, QObject* object)
{
    // The toolkit's tooltip label, a QLabel of a class of its own.
    if (className == QLatin1String("QTipLabel"))
        if (auto* label = qobject_cast<QLabel*>(object))
            return new SpokenToolTip(label);
    return nullptr;
}

} // namespace

void SpeakFieldToolTipsInWords()
{
    // The toolkit keeps a factory only once, and forgets them all when an application ends.
    QAccessible::installFactory(spokenToolTipFor);
}

} // namespace triangle
