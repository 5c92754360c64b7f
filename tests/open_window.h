#pragma once

#include "window/qt/solver_form.h"

#include <QApplication>
#include <QLocale>
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
