#include "tests/qt/open_window.h"
#include "tests/qt/screen_reader_listening.h"
#include "window/qt/elements_window.h"
#include "window/qt/fitting_field.h"
#include "window/qt/solution_window.h"
#include "window/qt/solver_form.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

#include <memory>

using triangle::SolverForm;

// What a screen reader hears of the steps, the whole-triangle tooltip and a refusal, while
// the screen shows their symbols: the accessible texts the toolkit hands out, read back as
// a screen reader reads them.
class SpokenWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eachStepIsShownWithItsSymbolsAndReadInWords_data();
    void eachStepIsShownWithItsSymbolsAndReadInWords();
    void theArrowsTellAScreenReaderEachLineInWords();
    void theLineTheArrowsStartFromIsReadWithTheFocus();
    void theWholeTriangleTooltipIsReadInWords();
    void aRefusalsBoundIsReadInWords_data();
    void aRefusalsBoundIsReadInWords();

private:
    QLineEdit* field(int i)
    {
        return m_form->findChild<QLineEdit*>(QStringLiteral("Text2(%1)").arg(i));
    }
    void typeInto(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    // "Решение" for a row of variant 1 solved, or the window of any two elements solved.
    QListWidget* stepsFor(const QString& window, const QStringList& given)
    {
        if (window == QStringLiteral("Решение")) {
            typeInto(field(0), given[1]);
            typeInto(field(1), given[3]);
            QTest::keyClick(field(1), Qt::Key_Return);
            m_form->openSolution();
            return m_form->findChild<triangle::SolutionWindow*>()->findChild<QListWidget*>(
                QStringLiteral("SolutionSteps"));
        }
        m_form->openElements();
        triangle::ElementsWindow* elements = m_form->elements();
        QLineEdit* second = nullptr;
        for (int i : {0, 2}) {
            second = elements->findChild<QLineEdit*>(QStringLiteral("Element_") + given[i]);
            typeInto(second, given[i + 1]);
        }
        QTest::keyClick(second, Qt::Key_Return);
        return elements->findChild<QListWidget*>(QStringLiteral("ElementsSteps"));
    }
    // The text of the message box that the next action opens, as shown and as read; closed
    // from the event loop its modal loop runs.
    void readNextMessage()
    {
        QTimer::singleShot(0, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            // The word joiner that keeps a formula on one line is not seen.
            m_shown = box->text().remove(QChar(0x2060));
            for (QLabel* label : box->findChildren<QLabel*>()) {
                if (label->text() == box->text())
                    m_read = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
            }
            box->accept();
        });
    }

    std::unique_ptr<SolverForm> m_form;
    QString m_shown;
    QString m_read;
};

void SpokenWindowTest::init()
{
    m_form = openWindow();
    QVERIFY(m_form);
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
}

void SpokenWindowTest::cleanup()
{
    m_form.reset();
    QLocale::setDefault(QLocale::c());
}

void SpokenWindowTest::eachStepIsShownWithItsSymbolsAndReadInWords_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("read");
    const QStringList fiveTen = {"a", "5", "c", "10"};
    QTest::newRow("a root that simplifies")
        << "Решение" << fiveTen << "b = √(c² − a²) = √(10² − 5²) = √75 = 5√3 ≈ 8,660"
        << "b е равно на корен квадратен от c на квадрат минус a на квадрат, равно на корен "
           "квадратен от 10 на квадрат минус 5 на квадрат, равно на корен квадратен от 75, "
           "равно на 5 корен квадратен от 3, приблизително 8,660";
    QTest::newRow("a root that is an integer")
        << "Решение" << QStringList{"a", "3", "c", "5"} << "b = √(c² − a²) = √(5² − 3²) = √16 = 4"
        << "b е равно на корен квадратен от c на квадрат минус a на квадрат, равно на корен "
           "квадратен от 5 на квадрат минус 3 на квадрат, равно на корен квадратен от 16, "
           "равно на 4";
    QTest::newRow("a product over a number")
        << "Решение" << fiveTen << "S = a·b / 2 = 5·5√3 / 2 = 25√3/2 ≈ 21,651"
        << "S е равно на a по b върху 2, равно на 5 по 5 корен квадратен от 3 върху 2, равно "
           "на 25 корен квадратен от 3 върху 2, приблизително 21,651";
    QTest::newRow("a sum over a number, and brackets said")
        << "Решение" << fiveTen
        << "r = a·b / (a + b + c) = 5·5√3 / (5 + 5√3 + 10) = (5√3 − 5)/2 ≈ 1,830"
        << "r е равно на a по b върху скоба a плюс b плюс c, край на скобата, равно на 5 по 5 "
           "корен квадратен от 3 върху скоба 5 плюс 5 корен квадратен от 3 плюс 10, край на "
           "скобата, равно на 5 корен квадратен от 3 минус 5, цялото върху 2, приблизително "
           "1,830";
    QTest::newRow("an angle found exactly")
        << "Решение" << fiveTen << "tg α = a / b = √3/3 ⇒ α = 30°"
        << "тангенс алфа е равно на a върху b, равно на корен квадратен от 3 върху 3, "
           "следователно алфа е равно на 30 градуса";
    QTest::newRow("a projection")
        << "Решение" << fiveTen << "a₁ = a² / c = 5² / 10 = 2,5"
        << "a едно е равно на a на квадрат върху c, равно на 5 на квадрат върху 10, равно на "
           "2,5";
    const QStringList tenThirty = {"c", "10", "α", "30"};
    QTest::newRow("two elements: a given angle's sine")
        << "two elements" << tenThirty << "sin 30° = 1/2, cos 30° = √3/2, tg 30° = √3/3"
        << "синус 30 градуса, равно на 1 върху 2, косинус 30 градуса, равно на корен "
           "квадратен от 3 върху 2, тангенс 30 градуса, равно на корен квадратен от 3 върху 3";
    QTest::newRow("two elements: a leg from the angle")
        << "two elements" << tenThirty << "sin α = a / c ⇒ a = c·sin α = 10·sin 30° = 5"
        << "синус алфа е равно на a върху c, следователно a е равно на c по синус алфа, равно "
           "на 10 по синус 30 градуса, равно на 5";
}

void SpokenWindowTest::eachStepIsShownWithItsSymbolsAndReadInWords()
{
    QFETCH(QString, window);
    QFETCH(QStringList, given);
    QFETCH(QString, shown);
    QFETCH(QString, read);
    // State: the window solved for the given values. Action: a screen reader reads the list.
    QListWidget* steps = stepsFor(window, given);
    QVERIFY(steps);
    const QList<QListWidgetItem*> lines = steps->findItems(shown, Qt::MatchExactly);
    QStringList all;
    for (int i = 0; i < steps->count(); ++i)
        all << steps->item(i)->text();
    QVERIFY2(lines.size() == 1, qPrintable(all.join(QLatin1Char('\n'))));
    // Expected: the line is an item of its own, shown with its symbols and read in words.
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(steps);
    QCOMPARE(list->childCount(), steps->count());
    QAccessibleInterface* item = list->child(steps->row(lines[0]));
    QCOMPARE(item->role(), QAccessible::ListItem);
    QCOMPARE(item->text(QAccessible::Name), read);
}

void SpokenWindowTest::theArrowsTellAScreenReaderEachLineInWords()
{
    QListWidget* steps = stepsFor(QStringLiteral("Решение"), {"a", "3", "c", "5"});
    // State: the first line current. Action: Down, then Up.
    steps->setFocus();
    steps->setCurrentRow(0);
    ScreenReaderListening listening;
    QTest::keyClick(steps, Qt::Key_Down);
    QCOMPARE(steps->currentItem()->text(), QStringLiteral("b = √(c² − a²) = √(5² − 3²) = √16 = 4"));
    QCOMPARE(listening.focusedListItems().value(0),
             QStringLiteral("b е равно на корен квадратен от c на квадрат минус a на квадрат, "
                            "равно на корен квадратен от 5 на квадрат минус 3 на квадрат, равно "
                            "на корен квадратен от 16, равно на 4"));
    QTest::keyClick(steps, Qt::Key_Up);
    QCOMPARE(listening.focusedListItems().value(1),
             QStringLiteral("Вариант 1. Дадени: a, равно на 3,000 и c, равно на 5,000."));
}

void SpokenWindowTest::theLineTheArrowsStartFromIsReadWithTheFocus()
{
    // State: "Решение" open, the focus elsewhere. Action: the steps take the focus.
    QListWidget* steps = stepsFor(QStringLiteral("Решение"), {"a", "3", "c", "5"});
    QApplication::setActiveWindow(steps->window());
    QVERIFY(QTest::qWaitForWindowActive(steps->window()));
    steps->window()->findChild<QWidget*>(QStringLiteral("OpenElements"))->setFocus();
    ScreenReaderListening listening;
    steps->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    // Expected: the current line is what has the focus last, after the list itself.
    QCOMPARE(listening.lastFocus(),
             std::make_pair(QAccessible::ListItem,
                            QStringLiteral("Вариант 1. Дадени: a, равно на 3,000 и c, равно на "
                                           "5,000.")));
}

void SpokenWindowTest::theWholeTriangleTooltipIsReadInWords()
{
    // Without a triangle the tooltip is the field's name and a hint in prose, read as shown.
    QVERIFY(field(0)->toolTip().contains(QLatin1Char('(')));
    QCOMPARE(field(0)->accessibleDescription(), field(0)->toolTip());
    typeInto(field(0), QStringLiteral("5"));
    typeInto(field(1), QStringLiteral("10"));
    QTest::keyClick(field(1), Qt::Key_Return);
    auto* leg = qobject_cast<triangle::FittingField*>(field(0));
    // Shown with its symbols, described in words.
    QVERIFY2(leg->toolTip().contains(QStringLiteral("\nкатет b = 5√3 ≈ 8,660\n")),
             qPrintable(leg->toolTip()));
    const QStringList spoken = {
        "Катет a: 5,000", "катет b, равно на 5 корен квадратен от 3, приблизително 8,660",
        "ъгъл алфа срещу катета a, равно на 30,000 градуса",
        "радиус на вписаната окръжност r, равно на 5 корен квадратен от 3 минус 5, цялото "
        "върху 2, приблизително 1,830"};
    for (const QString& line : spoken)
        QVERIFY2(leg->accessibleDescription().contains(line), qPrintable(line));
    QVERIFY(!leg->accessibleDescription().contains(QStringLiteral("√")));

    // Shift+F1: the tooltip shows its symbols, and a screen reader hears its words.
    ScreenReaderListening listening;
    leg->setFocus();
    QTest::keyClick(leg, Qt::Key_F1, Qt::ShiftModifier);
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().contains(QStringLiteral("5√3 ≈ 8,660")));
    QCOMPARE(listening.toolTips(), QStringList{leg->accessibleDescription()});
    QToolTip::hideText();
}

void SpokenWindowTest::aRefusalsBoundIsReadInWords_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("read");
    QTest::newRow("variant 3, an area past c²/4")
        << "Решение" << QStringList{"c", "10", "S", "26"}
        << "лицето е най-много c²/4\u00A0=\u00A025,000."
        << "лицето е най-много c на квадрат върху 4, равно на 25,000.";
    QTest::newRow("two elements, a height past c/2")
        << "two elements" << QStringList{"c", "10", "h", "6"} << "най-много c/2\u00A0=\u00A05,000."
        << "най-много c върху 2, равно на 5,000.";
}

void SpokenWindowTest::aRefusalsBoundIsReadInWords()
{
    QFETCH(QString, window);
    QFETCH(QStringList, given);
    QFETCH(QString, shown);
    QFETCH(QString, read);
    if (window == QStringLiteral("Решение")) {
        QTest::mouseClick(m_form->findChild<QAbstractButton*>(QStringLiteral("Option1(2)")),
                          Qt::LeftButton);
        typeInto(field(9), given[1]);
        typeInto(field(11), given[3]);
        readNextMessage();
        QTest::keyClick(field(11), Qt::Key_Return);
    } else {
        readNextMessage();
        stepsFor(window, given);
    }
    QVERIFY2(m_shown.endsWith(shown), qPrintable(m_shown));
    QVERIFY2(m_read.endsWith(read), qPrintable(m_read));
    QVERIFY(!m_read.contains(QStringLiteral("²")));
}

QTEST_MAIN(SpokenWindowTest)
#include "spoken_window_test.moc"
