#pragma once

#include "window/qt/solver_form.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLocale>
#include <QMenu>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include <memory>

// The window as the program opens it, in the period region, shown and active.
inline std::unique_ptr<triangle::SolverForm> openWindow()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    auto form = std::make_unique<triangle::SolverForm>();
    form->Form_Load();
    form->show();
    QApplication::setActiveWindow(form.get());
    if (!QTest::qWaitForWindowActive(form.get()))
        return nullptr;
    return form;
}

// A right click on `field`; in the menu that opens, the entry named `entry` is chosen with
// Enter. Returns the menu's entries by object name, in their order.
inline QStringList chooseFromContextMenu(QWidget* field, const QString& entry)
{
    QStringList entries;
    QTimer::singleShot(0, [&entries, entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions())
            entries << action->objectName();
        menu->setActiveAction(menu->findChild<QAction*>(entry));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                 field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(field, &rightClick);
    return entries;
}
