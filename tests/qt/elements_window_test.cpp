#include "tests/qt/open_window.h"
#include "window/elements/elements_layout.h"
#include "window/qt/announcer.h"
#include "window/qt/elements_window.h"
#include "window/qt/solution_window.h"
#include "window/qt/solver_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <memory>

using triangle::ElementsWindow;
using triangle::SolverForm;

class ElementsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theWindowIsMadeOnlyWhenFirstOpened();
    void ctrlTwoFromAFieldOpensItWithTheFocusInA();
    void theFieldsMenuOffersItNextToTheSolution();
    void theSolutionsButtonOpensItWithTheRowsGivenValues();
    void textbookProblemsGiveTheirAnswers_data();
    void textbookProblemsGiveTheirAnswers();
    void aHeightAboveHalfTheHypotenuseIsRefused();
    void tabGoesThroughTheFieldsInReadingOrderThenTheButtons();
    void editingAGivenValueEmptiesTheTen();
    void theStepsAreALineAnItemAndCtrlCCopiesAllOrTheSelectedLines();
    void theResultsAreAnnounced();
    void escapeClosesIt();
    void anAngleFieldSaysWhatMayBeTypedAndItsMenuInsertsTheDegreeSign();
    void onAScreenLowerThanItsFieldsItFitsAndThePanelScrolls();
    void theRelationFieldsAndTheChoiceExistAndItFitsTheCommonWorkAreas();

private:
    QLineEdit* mainField(int i)
    {
        return m_form->findChild<QLineEdit*>(QStringLiteral("Text2(%1)").arg(i));
    }
    // Opens the window by its key from the main window's first field.
    ElementsWindow* open()
    {
        mainField(0)->setFocus();
        QTest::keyClick(mainField(0), Qt::Key_2, Qt::ControlModifier);
        ElementsWindow* window = m_form->elements();
        if (window)
            QApplication::setActiveWindow(window);
        return window;
    }
    // A field of the window, by its accessible name.
    QLineEdit* field(const QString& name)
    {
        for (QLineEdit* edit : m_form->elements()->findChildren<QLineEdit*>())
            if (edit->accessibleName() == name)
                return edit;
        qFatal("no field named %s", qPrintable(name));
    }
    void typeInto(const QString& name, const QString& text)
    {
        field(name)->setFocus();
        field(name)->selectAll();
        QTest::keyClicks(field(name), text);
    }
    // Reads and closes the next message box, from the event loop its modal loop runs.
    void closeNextMessage()
    {
        m_message.clear();
        QTimer::singleShot(0, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_message = box->text().remove(QChar(0x2060)); // a joiner is not seen
                box->accept();
            }
        });
    }

    std::unique_ptr<SolverForm> m_form;
    QString m_message;
};

void ElementsWindowTest::init()
{
    m_form = openWindow();
    QVERIFY(m_form);
}

void ElementsWindowTest::cleanup()
{
    m_form.reset();
}

void ElementsWindowTest::theWindowIsMadeOnlyWhenFirstOpened()
{
    QVERIFY(!m_form->findChild<ElementsWindow*>());
    QVERIFY(open());
    QCOMPARE(m_form->findChildren<ElementsWindow*>().size(), 1);
}

void ElementsWindowTest::ctrlTwoFromAFieldOpensItWithTheFocusInA()
{
    ElementsWindow* window = open();
    QVERIFY(window);
    QTRY_VERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Правоъгълен триъгълник по два елемента"));
    QTRY_COMPARE(QApplication::focusWidget(), field(QStringLiteral("катет a")));
}

void ElementsWindowTest::theFieldsMenuOffersItNextToTheSolution()
{
    QString shortcut;
    bool enabled = false;
    QTimer::singleShot(0, [&shortcut, &enabled] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            auto* elements = menu->findChild<QAction*>(QStringLiteral("Elements"));
            shortcut = elements->shortcut().toString();
            enabled = elements->isEnabled();
        }
    });
    // On a disabled result field of another row too.
    const QStringList entries = chooseFromContextMenu(mainField(6), QStringLiteral("Elements"));
    QCOMPARE(shortcut, QStringLiteral("Ctrl+2"));
    QVERIFY(enabled);
    QCOMPARE(entries.indexOf(QStringLiteral("Elements")),
             entries.indexOf(QStringLiteral("Solution")) + 1);
    QTRY_VERIFY(m_form->elements() && m_form->elements()->isVisible());
}

void ElementsWindowTest::theSolutionsButtonOpensItWithTheRowsGivenValues()
{
    // Variant 3, hypotenuse c and area S.
    m_form->findChild<QAbstractButton*>(QStringLiteral("Option1(2)"))->click();
    mainField(9)->setText(QStringLiteral("5"));
    mainField(11)->setText(QStringLiteral("6"));
    QTest::keyClick(mainField(9), Qt::Key_Return);
    m_form->openSolution();
    auto* solution = m_form->findChild<triangle::SolutionWindow*>();
    auto* button = solution->findChild<QAbstractButton*>(QStringLiteral("OpenElements"));
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(m_form->elements());
    QTRY_VERIFY(m_form->elements()->isVisible());
    QCOMPARE(field(QStringLiteral("хипотенуза c"))->text(), QStringLiteral("5.000"));
    QCOMPARE(field(QStringLiteral("лице S"))->text(), QStringLiteral("6.000"));
    QCOMPARE(field(QStringLiteral("катет a"))->text(), QString());
    QCOMPARE(field(QStringLiteral("периметър P"))->text(), QString());
}

void ElementsWindowTest::textbookProblemsGiveTheirAnswers_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<QStringList>("expected"); // c, α, S, P, worked by hand

    const QString a = QStringLiteral("катет a");
    const QString c = QStringLiteral("хипотенуза c");
    // Legs 6 and 8: c = 10, tg α = 3/4, S = 24, P = 24.
    const QStringList legs = {"10", "36°52′ (36.870°)", "24", "24"};
    QTest::newRow("two legs") << a << "6" << QStringLiteral("катет b") << "8" << legs;
    // a = 5, b = 5√3: S = 25√3/2 = 21.651, P = 15 + 5√3 = 23.660.
    QTest::newRow("hypotenuse and angle")
        << c << "10" << QStringLiteral("ъгъл α срещу катета a") << "30"
        << QStringList{"10", "30°", "25√3/2 ≈ 21.651", "15 + 5√3 ≈ 23.660"};
    // c = 25, a = 15, b = 20.
    QTest::newRow("projections") << QStringLiteral("проекция на катета a върху хипотенузата a₁")
                                 << "9"
                                 << QStringLiteral("проекция на катета b върху хипотенузата b₁")
                                 << "16" << QStringList{"25", "36°52′ (36.870°)", "150", "60"};
    QTest::newRow("leg and height")
        << a << "6" << QStringLiteral("височина към хипотенузата h") << "4.8" << legs;
    QTest::newRow("inradius and hypotenuse")
        << QStringLiteral("радиус на вписаната окръжност r") << "2" << c << "10" << legs;
}

void ElementsWindowTest::textbookProblemsGiveTheirAnswers()
{
    QFETCH(QString, first);
    QFETCH(QString, firstText);
    QFETCH(QString, second);
    QFETCH(QString, secondText);
    QFETCH(QStringList, expected);
    QVERIFY(open());
    typeInto(first, firstText);
    typeInto(second, secondText);
    QTest::keyClick(field(second), Qt::Key_Return);
    const QString names[4] = {"хипотенуза c", "ъгъл α срещу катета a", "лице S", "периметър P"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(field(names[i])->text(), expected[i]);
    // The computed ones look computed and say so; the given ones stay open.
    QLineEdit* beta = field(QStringLiteral("ъгъл β срещу катета b"));
    QVERIFY(beta->isReadOnly());
    QVERIFY(beta->accessibleDescription().startsWith(QStringLiteral("изчислено")));
    QVERIFY(!field(first)->isReadOnly());
    QVERIFY(!field(second)->accessibleDescription().contains(QStringLiteral("изчислено")));
}

void ElementsWindowTest::aHeightAboveHalfTheHypotenuseIsRefused()
{
    QVERIFY(open());
    typeInto(QStringLiteral("хипотенуза c"), QStringLiteral("10"));
    typeInto(QStringLiteral("височина към хипотенузата h"), QStringLiteral("6"));
    closeNextMessage();
    QTest::mouseClick(
        m_form->elements()->findChild<QAbstractButton*>(QStringLiteral("ElementsCalculate")),
        Qt::LeftButton);
    // h ≤ c/2 = 5
    QVERIFY2(m_message.contains(QStringLiteral("c/2\u00A0=\u00A05.000")), qPrintable(m_message));
    QCOMPARE(m_form->elements()->focusWidget(),
             field(QStringLiteral("височина към хипотенузата h")));
    QCOMPARE(field(QStringLiteral("катет a"))->text(), QString());
}

void ElementsWindowTest::tabGoesThroughTheFieldsInReadingOrderThenTheButtons()
{
    QVERIFY(open());
    QTRY_COMPARE(QApplication::focusWidget(), field(QStringLiteral("катет a")));
    QStringList seen;
    for (int i = 0; i < 29; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->accessibleName();
    }
    QCOMPARE(seen,
             (QStringList{"катет b",
                          "хипотенуза c",
                          "ъгъл α срещу катета a",
                          "ъгъл β срещу катета b",
                          "височина към хипотенузата h",
                          "проекция на катета a върху хипотенузата a₁",
                          "проекция на катета b върху хипотенузата b₁",
                          "лице S",
                          "периметър P",
                          "радиус на вписаната окръжност r",
                          "радиус на описаната окръжност R (медиана към хипотенузата m_c = R)",
                          "медиана към катета a m_a",
                          "медиана към катета b m_b",
                          "ъглополовяща на ъгъл α l_a",
                          "ъглополовяща на ъгъл β l_b",
                          "ъглополовяща на правия ъгъл l_c",
                          "синус на ъгъл α",
                          "косинус на ъгъл α",
                          "тангенс на ъгъл α",
                          "котангенс на ъгъл α",
                          "синус на ъгъл β",
                          "косинус на ъгъл β",
                          "тангенс на ъгъл β",
                          "котангенс на ъгъл β",
                          "Първа връзка между два елемента",
                          "Втора връзка между два елемента",
                          "Изчисли",
                          "Изчисти",
                          "Решение стъпка по стъпка"}));
}

void ElementsWindowTest::editingAGivenValueEmptiesTheTen()
{
    QVERIFY(open());
    typeInto(QStringLiteral("катет a"), QStringLiteral("6"));
    typeInto(QStringLiteral("катет b"), QStringLiteral("8"));
    QTest::keyClick(field(QStringLiteral("катет b")), Qt::Key_Return);
    QCOMPARE(field(QStringLiteral("хипотенуза c"))->text(), QStringLiteral("10"));
    QTest::keyClick(field(QStringLiteral("катет b")), Qt::Key_Backspace);
    QCOMPARE(field(QStringLiteral("хипотенуза c"))->text(), QString());
    QVERIFY(!field(QStringLiteral("хипотенуза c"))->isReadOnly());
    QCOMPARE(field(QStringLiteral("катет a"))->text(), QStringLiteral("6"));
}

void ElementsWindowTest::theStepsAreALineAnItemAndCtrlCCopiesAllOrTheSelectedLines()
{
    QVERIFY(open());
    typeInto(QStringLiteral("катет a"), QStringLiteral("6"));
    typeInto(QStringLiteral("катет b"), QStringLiteral("8"));
    QTest::keyClick(field(QStringLiteral("катет b")), Qt::Key_Return);
    auto* steps = m_form->elements()->findChild<QListWidget*>(QStringLiteral("ElementsSteps"));
    QCOMPARE(steps->item(0)->text(), QStringLiteral("Дадени: a = 6 и b = 8."));
    QVERIFY(steps->count() > 8);
    steps->setFocus();
    QTest::keyClick(steps, Qt::Key_C, Qt::ControlModifier);
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY2(copied.startsWith(QStringLiteral("a = 6\nb = 8\nc = 10\nα = 36°52′ (36.870°)\n")),
             qPrintable(copied));
    QVERIFY(copied.contains(
        QStringLiteral("\nR = 5\nsin α = 0.6\n") +
        QStringLiteral("cos α = 0.8\ntg α = 0.75\ncotg α = 4/3 ≈ 1.333\nsin β = 0.8\n") +
        QStringLiteral("cos β = 0.6\ntg β = 4/3 ≈ 1.333\ncotg β = 0.75\nm_a = √73 ≈ 8.544\n") +
        QStringLiteral("m_b = 2√13 ≈ 7.211\nl_a = 8√10/3 ≈ 8.433\nl_b = 3√5 ≈ 6.708\n") +
        QStringLiteral("l_c = 24√2/7 ≈ 4.849\n\nДадени: a = 6 и b = ") + QStringLiteral("8.\n")));
    // With lines selected in the steps, Ctrl+C copies those lines.
    steps->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    QTest::keyClick(steps, Qt::Key_Down);
    QTest::keyClick(steps, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("c = √(a² + b²) = √(6² + 8²) = √100 = 10"));
    // In a field with text selected, Ctrl+C copies the selection.
    field(QStringLiteral("катет a"))->setFocus();
    field(QStringLiteral("катет a"))->selectAll();
    QTest::keyClick(field(QStringLiteral("катет a")), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("6"));
}

void ElementsWindowTest::theResultsAreAnnounced()
{
    QVERIFY(open());
    typeInto(QStringLiteral("катет a"), QStringLiteral("6"));
    typeInto(QStringLiteral("катет b"), QStringLiteral("8"));
    QTest::keyClick(field(QStringLiteral("катет b")), Qt::Key_Return);
    auto* announcer = m_form->elements()->findChild<triangle::Announcer*>();
    QCOMPARE(announcer->accessibleName(),
             QStringLiteral(
                 "Изчислено: c = 10, α = 36°52′ (36.870°), β = 53°8′ (53.130°), S = 24, P = 24"));
    QVERIFY(!announcer->isVisible());
}

void ElementsWindowTest::escapeClosesIt()
{
    ElementsWindow* window = open();
    QTRY_VERIFY(window->isVisible());
    QTest::keyClick(field(QStringLiteral("катет a")), Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    QVERIFY(m_form->isVisible());
}

void ElementsWindowTest::anAngleFieldSaysWhatMayBeTypedAndItsMenuInsertsTheDegreeSign()
{
    // State: "36" typed in α, the cursor after it; "Вмъкни °", then "52'" typed.
    QTRY_VERIFY(open() && m_form->elements()->isVisible());
    const QString alpha = QStringLiteral("ъгъл α срещу катета a");
    QVERIFY(field(alpha)->toolTip().contains(QStringLiteral("36°52′")));
    QVERIFY(field(alpha)->toolTip().contains(QStringLiteral("36 52′")));
    QVERIFY(!field(QStringLiteral("катет a"))->toolTip().contains(QStringLiteral("36 52′")));
    typeInto(alpha, QStringLiteral("36"));
    const QStringList entries = chooseFromContextMenu(field(alpha), QStringLiteral("InsertDegree"));
    QVERIFY(entries.contains(QStringLiteral("InsertDegree")));
    QCOMPARE(field(alpha)->text(), QStringLiteral("36°"));
    QTest::keyClicks(field(alpha), QStringLiteral("52'"));
    typeInto(QStringLiteral("хипотенуза c"), QStringLiteral("10"));
    QTest::keyClick(field(alpha), Qt::Key_Return);
    // 36°52′ lies 0,00323° = 0,0000564 rad below atan(3/4): a = 10·sin α = 6 − 8·0,0000564 =
    // 5,99955 and b = 10·cos α = 8 + 6·0,0000564 = 8,00034, the legs of 6-8-10 as written.
    QCOMPARE(field(QStringLiteral("катет a"))->text(), QStringLiteral("6.000"));
    QCOMPARE(field(QStringLiteral("катет b"))->text(), QStringLiteral("8.000"));
}

void ElementsWindowTest::onAScreenLowerThanItsFieldsItFitsAndThePanelScrolls()
{
    // State: the offscreen screen, 910 × 512, is lower than the fields' panel.
    ElementsWindow* window = open();
    QVERIFY(window);
    QTRY_VERIFY(window->isVisible());
    const QRect free = window->screen()->availableGeometry();
    QVERIFY2(free.height() < triangle::elements_layout::PanelHeight,
             "the test needs a screen lower than the panel");

    // The window lies whole on the screen and cannot be made smaller than what fits there.
    QVERIFY(free.contains(window->frameGeometry()));
    QVERIFY(window->minimumHeight() <= free.height());
    QVERIFY(window->minimumWidth() <= free.width());

    // Action: Tab to the last button. Expected: the panel scrolls so that it shows whole.
    auto* scroll = window->findChild<QScrollArea*>(QStringLiteral("ElementsPanelScroll"));
    QVERIFY(scroll);
    QVERIFY(scroll->verticalScrollBar()->isVisible());
    auto* clear = window->findChild<QAbstractButton*>(QStringLiteral("ElementsClear"));
    QVERIFY(clear);
    QWidget* focus = QApplication::focusWidget();
    for (int i = 0; i < 30 && focus != clear; ++i) {
        QTest::keyClick(focus, Qt::Key_Tab);
        focus = QApplication::focusWidget();
    }
    QCOMPARE(focus, clear);
    const QRect shown(clear->mapTo(scroll->viewport(), QPoint(0, 0)), clear->size());
    QVERIFY(scroll->viewport()->rect().contains(shown));
}

void ElementsWindowTest::theRelationFieldsAndTheChoiceExistAndItFitsTheCommonWorkAreas()
{
    // State: the window open, nothing typed.
    ElementsWindow* window = open();
    QVERIFY(window);
    QTRY_VERIFY(window->isVisible());
    // The relation fields: labelled, their tip with examples, open for typing, and Tab from
    // the last element's field reaches them before "Изчисли".
    auto* box = window->findChild<QWidget*>(QStringLiteral("RelationGroup"));
    QVERIFY(box);
    QCOMPARE(box->property("title").toString(), QStringLiteral("Връзка между два елемента"));
    QLineEdit* first = field(QStringLiteral("Първа връзка между два елемента"));
    QLineEdit* second = field(QStringLiteral("Втора връзка между два елемента"));
    QVERIFY(first->toolTip().contains(QStringLiteral("a : b = 5 : 12")));
    QVERIFY(!first->isReadOnly());
    field(QStringLiteral("котангенс на ъгъл β"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), first);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), second);
    // Alt+S puts the root sign into a relation as into an element's field.
    QTest::keyClicks(second, QStringLiteral("b=a"));
    QTest::keyClick(second, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(second->text(), QStringLiteral("b=a√"));
    // The choice of two triangles: hidden while one triangle (or none) is shown, with the
    // mnemonics 1 and 2.
    for (int i = 1; i <= 2; ++i) {
        auto* choice = window->findChild<QAbstractButton*>(QStringLiteral("Solution_%1").arg(i));
        QVERIFY(choice);
        QVERIFY(!choice->isVisible());
        QCOMPARE(choice->text(), QStringLiteral("Решение &%1").arg(i));
    }

    // The panel whole beside the least drawing, under a menu bar, on work areas of 1024 × 768
    // and 1280 × 720 less a taskbar of 48 and a title bar of 32 (Windows 11 at 100 %).
    const int menu = window->layout()->menuBar()->sizeHint().height();
    const int width =
        window->findChild<QScrollArea*>(QStringLiteral("ElementsPanelScroll"))->width() +
        triangle::elements_layout::LeastDrawingWidth;
    QVERIFY2(width <= 1024, qPrintable(QString::number(width)));
    for (int height : {768, 720})
        QVERIFY2(triangle::elements_layout::PanelHeight + menu + 32 + 48 <= height,
                 qPrintable(QString::number(height)));
    // Every field, relation and button inside the panel.
    const QRect panel(0, 0, triangle::elements_layout::PanelWidth,
                      triangle::elements_layout::PanelHeight);
    for (QWidget* child : window->findChild<QWidget*>(QStringLiteral("ElementsPanel"))
                              ->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(panel.contains(child->geometry()), qPrintable(child->objectName()));
}

QTEST_MAIN(ElementsWindowTest)
#include "elements_window_test.moc"
