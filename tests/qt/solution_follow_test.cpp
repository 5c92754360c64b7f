#include "tests/qt/open_window.h"
#include "window/qt/solution_drawing_view.h"
#include "window/qt/solution_window.h"
#include "window/qt/solver_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <cstdlib>
#include <memory>

using triangle::SolutionDrawingView;
using triangle::SolutionWindow;
using triangle::SolverForm;

class SolutionFollowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void ctrlROpensTheSolutionBesideTheWindow();
    void theSolutionFollowsEveryChangeOfTheRow();
    void aDoubleClickOnACalculatedRowOpensTheSolution();
    void closingTheSolutionChangesNothingInTheWindow();
    void theFieldsMenuOpensTheSolutionBelowTheWholeTriangle();

private:
    template <typename T> T* control(QWidget* parent, const QString& objectName)
    {
        T* widget = parent->findChild<T*>(objectName);
        if (!widget)
            qFatal("no control named %s", qPrintable(objectName));
        return widget;
    }
    QLineEdit* field(int i)
    {
        return control<QLineEdit>(m_form.get(), QStringLiteral("Text2(%1)").arg(i));
    }
    void typeInto(int i, const QString& text)
    {
        field(i)->setFocus();
        field(i)->selectAll();
        QTest::keyClicks(field(i), text);
    }
    void click(const QString& objectName)
    {
        QTest::mouseClick(control<QAbstractButton>(m_form.get(), objectName), Qt::LeftButton);
    }
    SolutionWindow* solution() { return m_form->findChild<SolutionWindow*>(); }
    bool drawsATriangle()
    {
        auto* view = solution()->findChild<SolutionDrawingView*>(QStringLiteral("SolutionDrawing"));
        return !view->displayList().labels.empty();
    }
    QString firstStep() { return solution()->stepsText().section(QLatin1Char('\n'), 0, 0); }

    std::unique_ptr<SolverForm> m_form;
    std::unique_ptr<QTimer> m_dismiss;
};

void SolutionFollowTest::init()
{
    m_form = openWindow();
    QVERIFY(m_form);
    // A refusal's message box is dismissed as a user would, so that no test can hang on it.
    m_dismiss = std::make_unique<QTimer>();
    connect(m_dismiss.get(), &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    m_dismiss->start(100);
}

void SolutionFollowTest::cleanup()
{
    m_dismiss.reset();
    m_form.reset();
    QLocale::setDefault(QLocale::c());
}

void SolutionFollowTest::ctrlROpensTheSolutionBesideTheWindow()
{
    // State: variant 1 calculated with 3 and 5.
    typeInto(0, QStringLiteral("3"));
    typeInto(1, QStringLiteral("5"));
    click(QStringLiteral("Command1(0)"));
    QVERIFY(!solution());
    // Action: Ctrl+R in the main window.
    QTest::keyClick(field(0), Qt::Key_R, Qt::ControlModifier);
    // Expected: the solution of that row, drawn, in a window of its own to the right.
    QVERIFY(solution());
    QVERIFY(solution()->isVisible());
    QVERIFY(solution()->isWindow());
    QVERIFY(!solution()->isModal());
    QCOMPARE(solution()->windowTitle(), QStringLiteral("Решение"));
    QCOMPARE(firstStep(), QStringLiteral("Вариант 1. Дадени: a = 3.000 и c = 5.000."));
    QVERIFY(
        solution()->stepsText().contains(QStringLiteral("b = √(c² − a²) = √(5² − 3²) = √16 = 4")));
    QVERIFY(drawsATriangle());
    // Beside the main window where the screen has room, else as near it as the screen allows.
    const QRect screen = m_form->screen()->availableGeometry();
    const QRect placed = solution()->frameGeometry();
    if (m_form->frameGeometry().right() + placed.width() < screen.right())
        QVERIFY(placed.left() > m_form->frameGeometry().right());
    else
        QVERIFY(std::abs(placed.right() - screen.right()) <= 8); // give or take its frame
}

void SolutionFollowTest::theSolutionFollowsEveryChangeOfTheRow()
{
    typeInto(0, QStringLiteral("3"));
    typeInto(1, QStringLiteral("5"));
    click(QStringLiteral("Command1(0)"));
    m_form->openSolution();

    // An edit of a given value empties the results, and the solution with them.
    typeInto(0, QStringLiteral("4"));
    QVERIFY(!drawsATriangle());
    QVERIFY(firstStep().startsWith(QStringLiteral("Няма изчислен триъгълник.")));

    // Calculating again shows the new triangle.
    click(QStringLiteral("Command1(0)"));
    QCOMPARE(firstStep(), QStringLiteral("Вариант 1. Дадени: a = 4.000 и c = 5.000."));
    QVERIFY(drawsATriangle());

    // A refusal: its explanation, and no triangle where the bound has none; past the bound
    // a = c nothing flattens into a segment either.
    typeInto(0, QStringLiteral("6"));
    click(QStringLiteral("Command1(0)"));
    QCOMPARE(firstStep(), QStringLiteral("Вариант 1. Дадени: a = 6.000 и c = 5.000."));
    QVERIFY(!solution()->stepsText().contains(QStringLiteral("изражда")));
    QVERIFY(!drawsATriangle());

    // Variant 3 refused for too large an area: the isosceles triangle at the bound, drawn.
    QTest::mouseClick(control<QRadioButton>(m_form.get(), QStringLiteral("Option1(2)")),
                      Qt::LeftButton);
    QVERIFY(!drawsATriangle());
    QVERIFY(firstStep().startsWith(QStringLiteral("Няма изчислен триъгълник.")));
    typeInto(9, QStringLiteral("5"));
    typeInto(11, QStringLiteral("7"));
    click(QStringLiteral("Command1(0)"));
    QVERIFY(solution()->stepsText().contains(QStringLiteral("c = 5.000 и S = 6.250")));
    QVERIFY(drawsATriangle());

    // Calculating and then clearing.
    typeInto(11, QStringLiteral("6"));
    click(QStringLiteral("Command1(0)"));
    QCOMPARE(firstStep(), QStringLiteral("Вариант 3. Дадени: c = 5.000 и S = 6.000."));
    click(QStringLiteral("Command1(1)"));
    QVERIFY(!drawsATriangle());
    QVERIFY(firstStep().startsWith(QStringLiteral("Няма изчислен триъгълник.")));
}

void SolutionFollowTest::aDoubleClickOnACalculatedRowOpensTheSolution()
{
    // Before a calculation a double click opens nothing.
    QTest::mouseDClick(field(2), Qt::LeftButton);
    QVERIFY(!solution() || !solution()->isVisible());
    typeInto(0, QStringLiteral("3"));
    typeInto(1, QStringLiteral("5"));
    click(QStringLiteral("Command1(0)"));
    // The result field is disabled; the double click still reaches the form.
    QVERIFY(!field(2)->isEnabled());
    QTest::mouseDClick(field(2), Qt::LeftButton);
    QVERIFY(solution());
    QVERIFY(solution()->isVisible());
}

void SolutionFollowTest::closingTheSolutionChangesNothingInTheWindow()
{
    typeInto(0, QStringLiteral("3"));
    typeInto(1, QStringLiteral("5"));
    click(QStringLiteral("Command1(0)"));
    m_form->openSolution();
    solution()->close();
    QVERIFY(!solution()->isVisible());
    QVERIFY(m_form->isVisible());
    const QStringList expected = {"3.000", "5.000", "12.000", "6.000"};
    for (int j = 0; j < 4; ++j)
        QCOMPARE(field(j)->text(), expected[j]);
    // Reopened, it shows the row as it is now.
    m_form->openSolution();
    QCOMPARE(firstStep(), QStringLiteral("Вариант 1. Дадени: a = 3.000 и c = 5.000."));
}

void SolutionFollowTest::theFieldsMenuOpensTheSolutionBelowTheWholeTriangle()
{
    typeInto(0, QStringLiteral("3"));
    typeInto(1, QStringLiteral("5"));
    click(QStringLiteral("Command1(0)"));
    // A right click on a disabled result field of the row, then "Решение".
    const QStringList entries = chooseFromContextMenu(field(3), QStringLiteral("Solution"));
    QCOMPARE(entries.indexOf(QStringLiteral("Solution")),
             entries.indexOf(QStringLiteral("WholeTriangle")) + 1);
    QTRY_VERIFY(solution() && solution()->isVisible());
    QCOMPARE(firstStep(), QStringLiteral("Вариант 1. Дадени: a = 3.000 и c = 5.000."));
}

QTEST_MAIN(SolutionFollowTest)
#include "solution_follow_test.moc"
