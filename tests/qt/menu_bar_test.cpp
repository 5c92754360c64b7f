#include "tests/qt/open_window.h"
#include "window/qt/elements_window.h"
#include "window/qt/solver_form.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QtTest>

#include <memory>

using triangle::SolverForm;

// The menu bars of the three windows: their menus, the keys their entries carry, and the
// main window's client left at the layout's size below its bar.
class MenuBarTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyWindowHasItsMenusInOrder();
    void theMainWindowGrowsByTheMenuBarOnly();
    void ctrl2OpensTheElementsWindowAndEscapeClosesIt();
    void f1OpensTheHelpWithTheKeysAndF1AgainRaisesTheSameOne();
    void printAndPdfWaitForATriangleInTheSelectedRow();
    void aMenuGetsItsEntriesWhenFirstOpened();

private:
    static QStringList titles(const QWidget* window);
    std::unique_ptr<SolverForm> m_form;
};

QStringList MenuBarTest::titles(const QWidget* window)
{
    QStringList texts;
    const auto* bar = window->findChild<QMenuBar*>(QStringLiteral("MenuBar"));
    if (!bar)
        return texts;
    for (QAction* action : bar->actions())
        texts << action->text();
    return texts;
}

void MenuBarTest::init()
{
    m_form = openWindow();
    QVERIFY(m_form);
}

void MenuBarTest::cleanup()
{
    m_form.reset();
}

void MenuBarTest::everyWindowHasItsMenusInOrder()
{
    QCOMPARE(titles(m_form.get()), (QStringList{"&Файл", "&Триъгълник", "&Помощ"}));
    m_form->openSolution();
    m_form->openElements();
    const QStringList second = {"&Файл", "&Триъгълник", "&Изглед", "&Помощ"};
    QCOMPARE(titles(m_form->findChild<QWidget*>(QStringLiteral("SolutionWindow"))), second);
    QCOMPARE(titles(m_form->elements()), second);
    // The keys the menu shows are the ones that act.
    QAction* solution = m_form->menuBar()->findChild<QAction*>(QStringLiteral("MenuOpenSolution"));
    QCOMPARE(solution->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
    QAction* zoom = m_form->elements()->findChild<QAction*>(QStringLiteral("MenuZoomIn"));
    QVERIFY(zoom->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+="))));
}

void MenuBarTest::theMainWindowGrowsByTheMenuBarOnly()
{
    // The layout's 7065 × 5205 twips, 15 to a pixel, below a bar of the menus' own height.
    auto* client = m_form->findChild<QWidget*>(QStringLiteral("SolverClient"));
    const int bar = m_form->menuBar()->sizeHint().height();
    QVERIFY(bar > 10);
    QCOMPARE(client->geometry(), QRect(0, bar, 471, 347));
    QCOMPARE(m_form->size(), QSize(471, 347 + bar));
}

void MenuBarTest::ctrl2OpensTheElementsWindowAndEscapeClosesIt()
{
    QVERIFY(!m_form->elements());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_2, Qt::ControlModifier);
    QVERIFY(m_form->elements());
    QTRY_VERIFY(m_form->elements()->isVisible());

    QApplication::setActiveWindow(m_form->elements());
    QVERIFY(QTest::qWaitForWindowActive(m_form->elements()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!m_form->elements()->isVisible());
}

void MenuBarTest::f1OpensTheHelpWithTheKeysAndF1AgainRaisesTheSameOne()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    auto* help = m_form->findChild<QDialog*>(QStringLiteral("HelpWindow"));
    QVERIFY(help);
    QTRY_VERIFY(help->isVisible());
    auto* text = help->findChild<QPlainTextEdit*>(QStringLiteral("HelpWindowText"));
    QVERIFY(text->isReadOnly());
    QVERIFY(text->toPlainText().contains(QStringLiteral("Ctrl+2 — Триъгълник по два елемента…")));
    QVERIFY(text->toPlainText().contains(QStringLiteral("„2√3“")));

    QApplication::setActiveWindow(m_form.get());
    QTest::keyClick(m_form->findChild<QWidget*>(QStringLiteral("Text2(0)")), Qt::Key_F1);
    QCOMPARE(m_form->findChildren<QDialog*>(QStringLiteral("HelpWindow")).size(), 1);
}

void MenuBarTest::printAndPdfWaitForATriangleInTheSelectedRow()
{
    QMenu* file = m_form->menuBar()->findChildren<QMenu*>().at(0);
    QAction* print = m_form->menuBar()->findChild<QAction*>(QStringLiteral("MenuPrint"));
    QAction* pdf = m_form->menuBar()->findChild<QAction*>(QStringLiteral("MenuSavePdf"));
    QAction* copy = m_form->menuBar()->findChild<QAction*>(QStringLiteral("MenuCopyRow"));
    QAction* picture = m_form->menuBar()->findChild<QAction*>(QStringLiteral("MenuSavePicture"));
    emit file->aboutToShow();
    QVERIFY(!print->isEnabled());
    QVERIFY(!pdf->isEnabled());
    QVERIFY(!picture->isEnabled());
    QVERIFY(!copy->isEnabled());

    QTest::keyClicks(m_form->findChild<QWidget*>(QStringLiteral("Text2(0)")), QStringLiteral("3"));
    QTest::keyClicks(m_form->findChild<QWidget*>(QStringLiteral("Text2(1)")), QStringLiteral("5"));
    QTest::keyClick(m_form->findChild<QWidget*>(QStringLiteral("Text2(1)")), Qt::Key_Return);
    emit file->aboutToShow();
    QVERIFY(print->isEnabled());
    QVERIFY(pdf->isEnabled());
    QVERIFY(picture->isEnabled());
    QVERIFY(copy->isEnabled());
}

void MenuBarTest::aMenuGetsItsEntriesWhenFirstOpened()
{
    // The main window's "Файл": Печат…, Запази като PDF…, Запази чертежа като картина…, a
    // line, Изход.
    QMenu* file = m_form->menuBar()->findChildren<QMenu*>().at(0);
    QVERIFY(file->actions().isEmpty());
    m_form->menuBar()->setActiveAction(file->menuAction());
    QTRY_VERIFY(file->isVisible());
    QStringList entries;
    for (const QAction* action : file->actions())
        entries << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    QCOMPARE(entries,
             (QStringList{"MenuPrint", "MenuSavePdf", "MenuSavePicture", "-", "MenuExit"}));
    file->close();
    // Opened again, it keeps the same entries.
    emit file->aboutToShow();
    QCOMPARE(file->actions().size(), 5);
}

QTEST_MAIN(MenuBarTest)
#include "menu_bar_test.moc"
