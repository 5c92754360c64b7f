#include "window/qt/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>

namespace triangle {

namespace {

QAccessibleInterface* notificationFor(const QString& className, QObject* object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()) &&
        object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    // Given with every announcer: the toolkit keeps a factory only once, and forgets them
    // all when an application ends.
    QAccessible::installFactory(notificationFor);
    setObjectName(QStringLiteral("Announcement"));
    setVisible(false);
}

void Announcer::say(const QString& text)
{
    setAccessibleName(text);
    // Sent also when the text is the same as last time: the user asked again.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace triangle
