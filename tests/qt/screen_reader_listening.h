#pragma once

#include <QAccessible>
#include <QGuiApplication>
#include <QStringList>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <tuple>
#include <utility>
#include <vector>

// Stands in for a screen reader: while it lives, accessibility is on and every object the
// window reports shown or focused is kept with its role and its name at that moment.
class ScreenReaderListening {
public:
    ScreenReaderListening()
    {
        s_heard.clear();
        QAccessible::installUpdateHandler(&ScreenReaderListening::update);
        // What an assistive technology's first request does on a desktop; without it the
        // toolkit sends no accessibility events at all.
        platform()->setActive(true);
    }
    ~ScreenReaderListening()
    {
        platform()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    }
    ScreenReaderListening(const ScreenReaderListening&) = delete;
    ScreenReaderListening& operator=(const ScreenReaderListening&) = delete;

    QStringList notifications() const
    {
        return heard(QAccessible::ObjectShow, QAccessible::Notification);
    }
    QStringList toolTips() const { return heard(QAccessible::ObjectShow, QAccessible::ToolTip); }
    QStringList focusedListItems() const
    {
        return heard(QAccessible::Focus, QAccessible::ListItem);
    }

    // What has the focus as last told: a screen reader reads that.
    std::pair<QAccessible::Role, QString> lastFocus() const
    {
        for (auto event = s_heard.rbegin(); event != s_heard.rend(); ++event) {
            if (std::get<0>(*event) == QAccessible::Focus)
                return {std::get<1>(*event), std::get<2>(*event)};
        }
        return {QAccessible::NoRole, QString()};
    }

private:
    static QPlatformAccessibility* platform()
    {
        QPlatformAccessibility* accessibility =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        if (!accessibility)
            qFatal("the platform has no accessibility");
        return accessibility;
    }
    static void update(QAccessibleEvent* event)
    {
        if (event->type() != QAccessible::ObjectShow && event->type() != QAccessible::Focus)
            return;
        if (QAccessibleInterface* object = event->accessibleInterface())
            s_heard.emplace_back(event->type(), object->role(), object->text(QAccessible::Name));
    }
    static QStringList heard(QAccessible::Event type, QAccessible::Role role)
    {
        QStringList texts;
        for (const auto& [heardType, heardRole, text] : s_heard) {
            if (heardType == type && heardRole == role)
                texts << text;
        }
        return texts;
    }
    static inline std::vector<std::tuple<QAccessible::Event, QAccessible::Role, QString>> s_heard;
};
