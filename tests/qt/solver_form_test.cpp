#include "tests/qt/open_window.h"
#include "tests/qt/screen_reader_listening.h"
#include "window/qt/announcer.h"
#include "window/qt/application.h"
#include "window/qt/fitting_field.h"
#include "window/qt/qt_number_format.h"
#include "window/qt/solver_form.h"
#include "window/text/ui_texts.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

using triangle::SolverForm;

namespace {

QString name(const char* array, int index)
{
    return QStringLiteral("%1(%2)").arg(array).arg(index);
}

const QColor pink(255, 192, 192);

} // namespace

class SolverFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsStandWhereTheLayoutPutsThem();
    void captionsAndTextsAreTheLayoutsOwn();
    void coloursAndFontsFollowTheLayout();
    void focusStartsInTheTaskStatementAndTabFollowsTheTabPlaces();
    void typingReachesOnlyTheOpenFields();
    void clickingCalculateFillsTheRow();
    void enterInAnOpenFieldCalculates();
    void choosingAVariantByClickEmptiesAndOpensItsRow();
    void calculatingInACommaRegionWritesAndReadsTheRegionsForm();
    void faultIsShownInAMessageBoxAndTheWindowLivesOn();
    void shortcutCopiesTheSelectedRowForASpreadsheet();
    void everyFieldHasAnAccessibleName();
    void taskStatementCanBeSelectedButNotChanged();
    void ctrlCStillCopiesASelection();
    void regionalSettingsComeFromTheLocale();
    void longValuesShowWholeInEveryRegion_data();
    void longValuesShowWholeInEveryRegion();
    void shortValuesKeepTheNormalSize();
    void aValueTooLongEvenForTheSmallestSizeEndsInAnEllipsis();
    void theSizeFollowsWhatIsTyped();
    void aTextTooLongWhileTypingIsMarkedWhereItIsCut();
    void aCalculatedRowDescribesTheWholeTriangleOnHover();
    void contextMenusAreBulgarian();
    void anAnnouncementIsANotificationThatShowsNothing();
    void aCalculationIsSpokenWhereverTheFocusIs();
    void shiftF1ShowsTheWholeTriangleBesideTheFieldAndEscapeHidesIt();
    void fieldMenusAddTheRowsEntriesBelowTheToolkitsOwn();
    void fieldMenuEntriesDoWhatTheirKeysDo();
    void clickingAVariantPutsTheFocusIntoItsFirstGivenField();
    void enterInTheGroupDoesTheSameAndArrowsStillMoveThroughIt();
    void pushButtonFacesAreExactlyTheirColours();
    void frameCaptionStandsOnTheFramesTopLine();

private:
    template <typename T> T* control(const QString& objectName)
    {
        T* widget = m_form->findChild<T*>(objectName);
        if (!widget)
            qFatal("no control named %s", qPrintable(objectName));
        return widget;
    }
    QLineEdit* field(int i) { return control<QLineEdit>(name("Text2", i)); }
    triangle::FittingField* fitting(int i)
    {
        return control<triangle::FittingField>(name("Text2", i));
    }
    // The text of field i fits its text area at the size the field chose, and the field's
    // picture shows nothing of it at the edges of that area.
    void verifyShownWhole(int i)
    {
        triangle::FittingField* f = fitting(i);
        const QString text = f->text();
        QVERIFY2(!f->isElided(), qPrintable(text));
        const qreal width = QFontMetricsF(f->font()).horizontalAdvance(text);
        QVERIFY2(width <= f->textAreaWidth(), qPrintable(QStringLiteral("%1 at %2 pt: %3 > %4")
                                                             .arg(text)
                                                             .arg(f->font().pointSizeF())
                                                             .arg(width)
                                                             .arg(f->textAreaWidth())));
        QVERIFY(f->font().pointSizeF() >= triangle::FittingField::MinimumPointSize);
        QCOMPARE(f->font().family(), QFont(QStringLiteral("Times New Roman")).family());
        const QImage shot = f->grab().toImage();
        const int margin = (f->width() - f->textAreaWidth()) / 2;
        for (int x : {margin - 1, f->width() - margin}) {
            for (int y = 3; y < shot.height() - 3; ++y)
                QVERIFY2(shot.pixelColor(x, y).lightness() > 100,
                         qPrintable(QStringLiteral("%1: ink at x = %2").arg(text).arg(x)));
        }
    }
    void calculate(int k, const QString& first, const QString& second)
    {
        click(name("Option1", k));
        const int fields[6][2] = {{0, 1}, {4, 7}, {9, 11}, {13, 14}, {18, 19}, {20, 22}};
        for (int j = 0; j < 2; ++j)
            field(fields[k][j])->clear();
        typeInto(fields[k][0], first);
        typeInto(fields[k][1], second);
        click(name("Command1", 0));
    }
    void typeInto(int i, const QString& text)
    {
        field(i)->setFocus();
        QTest::keyClicks(field(i), text);
    }
    void click(const QString& objectName)
    {
        QTest::mouseClick(control<QAbstractButton>(objectName), Qt::LeftButton);
    }
    // What a field's context menu offers: the toolkit's entries, then, below the last
    // separator, the row's own with their keys and whether each can be chosen.
    struct FieldMenu {
        QStringList toolkit;
        QStringList own;
        QStringList keys;
        QList<bool> enabled;
    };
    // Opens field i's context menu as a right click does, or with a key, and lets `use` look
    // at it while it is open; the menu is closed afterwards unless `use` chose an entry.
    FieldMenu openFieldMenu(int i, const std::function<void(QMenu*)>& use = {},
                            QKeyCombination key = {})
    {
        FieldMenu seen;
        QTimer whileOpen;
        whileOpen.setSingleShot(true);
        connect(&whileOpen, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            const QList<QAction*> actions = menu->actions();
            int separator = static_cast<int>(actions.size()) - 1;
            while (separator >= 0 && !actions.at(separator)->isSeparator())
                --separator;
            for (int j = 0; j < actions.size(); ++j) {
                QAction* action = actions.at(j);
                if (j < separator && !action->isSeparator())
                    seen.toolkit << action->text();
                if (j > separator) {
                    seen.own << action->text();
                    seen.keys << action->shortcut().toString();
                    seen.enabled << action->isEnabled();
                }
            }
            if (use)
                use(menu);
            if (menu->isVisible())
                menu->close();
        });
        whileOpen.start(0);
        if (key.key() != Qt::Key_unknown) {
            QTest::keyClick(field(i), key.key(), key.keyboardModifiers());
            return seen;
        }
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                     field(i)->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(field(i), &rightClick);
        return seen;
    }
    void choose(QMenu* menu, const char* objectName)
    {
        menu->setActiveAction(menu->findChild<QAction*>(QLatin1String(objectName)));
        QTest::keyClick(menu, Qt::Key_Return);
    }
    // Fails the test, rather than hanging it, when a modal dialog opens unasked.
    void watchForUnexpectedDialogs()
    {
        m_watchdog = std::make_unique<QTimer>();
        connect(m_watchdog.get(), &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget(); modal && !m_expectDialog) {
                m_unexpectedDialog = true;
                modal->close();
            }
        });
        m_watchdog->start(200);
    }

    std::unique_ptr<SolverForm> m_form;
    std::unique_ptr<QTimer> m_watchdog;
    bool m_expectDialog = false;
    bool m_unexpectedDialog = false;
};

void SolverFormTest::init()
{
    m_form = openWindow();
    QVERIFY(m_form);
    m_expectDialog = false;
    m_unexpectedDialog = false;
    watchForUnexpectedDialogs();
}

void SolverFormTest::cleanup()
{
    QVERIFY2(!m_unexpectedDialog, "an unexpected modal dialog opened");
    m_watchdog.reset();
    m_form.reset();
    QLocale::setDefault(QLocale::c());
}

void SolverFormTest::controlsStandWhereTheLayoutPutsThem()
{
    // Twips from the layout divided by 15: the client below the menu bar; the window grows by
    // the menu bar's height and by nothing else.
    auto* client = control<QWidget>("SolverClient");
    QCOMPARE(client->size(), QSize(471, 347));
    QCOMPARE(client->mapTo(m_form.get(), QPoint(0, 0)), QPoint(0, m_form->menuBar()->height()));
    QCOMPARE(m_form->size(), QSize(471, 347 + m_form->menuBar()->height()));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QCOMPARE(control<QLabel>(name("Label1", 0))->geometry(), QRect(48, 0, 377, 25));
    for (int i = 1; i <= 4; ++i)
        QCOMPARE(control<QLabel>(name("Label1", i))->geometry(), QRect(64 + 64 * i, 32, 65, 25));
    QCOMPARE(control<QGroupBox>("Frame1")->geometry(), QRect(8, 32, 113, 177));
    for (int k = 0; k < 6; ++k) {
        auto* option = control<QRadioButton>(name("Option1", k));
        QCOMPARE(option->parentWidget(), control<QGroupBox>("Frame1"));
        QCOMPARE(option->geometry(), QRect(8, 24 + 24 * k, 97, 25));
        // Each row lies level with its option button.
        QCOMPARE(option->mapTo(client, QPoint(0, 0)).y(), field(4 * k)->y());
    }
    QCOMPARE(control<QPushButton>(name("Command1", 0))->geometry(), QRect(392, 56, 73, 25));
    QCOMPARE(control<QPushButton>(name("Command1", 1))->geometry(), QRect(392, 176, 73, 25));
    QCOMPARE(control<QPlainTextEdit>(name("Text1", 0))->geometry(), QRect(8, 224, 449, 121));
    QCOMPARE(control<QPlainTextEdit>(name("Text1", 1))->geometry(), QRect(40, 232, 449, 121));
    QCOMPARE(field(0)->geometry(), QRect(128, 56, 65, 27));
    QCOMPARE(field(23)->geometry(), QRect(320, 176, 65, 27));
    for (int i = 0; i < 24; ++i)
        QCOMPARE(field(i)->geometry(), QRect(128 + 64 * (i % 4), 56 + 24 * (i / 4), 65, 27));
}

void SolverFormTest::captionsAndTextsAreTheLayoutsOwn()
{
    QCOMPARE(m_form->windowTitle(),
             QStringLiteral("https://triangle.example.org  Геометрия - правоъгълен триъгълник"));
    QCOMPARE(control<QLabel>(name("Label1", 0))->text(),
             QStringLiteral("Геометрия - изчисляване на правоъгълен триъгълник"));
    const QString heads[] = {"a", "c", "P", "S"};
    for (int i = 1; i <= 4; ++i)
        QCOMPARE(control<QLabel>(name("Label1", i))->text(), heads[i - 1]);
    QCOMPARE(control<QGroupBox>("Frame1")->title(), QStringLiteral("Варианти"));
    for (int k = 0; k < 6; ++k)
        QCOMPARE(control<QRadioButton>(name("Option1", k))->text(),
                 QStringLiteral("Вариант %1").arg(k + 1));
    QCOMPARE(control<QPushButton>(name("Command1", 0))->text(), QStringLiteral("Изчисли"));
    QCOMPARE(control<QPushButton>(name("Command1", 1))->text(), QStringLiteral("Изчисти"));

    const QString statement = control<QPlainTextEdit>(name("Text1", 0))->toPlainText();
    const QStringList lines = statement.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 18); // seventeen lines, the last one ended too
    QCOMPARE(lines.at(0), QStringLiteral("Да се състави проект, чрез който се представят "
                                         "междупредметни връзки Геометрия и Информатика."));
    QVERIFY(lines.at(2).endsWith(QStringLiteral("останалите два  параметъра.")));
    QVERIFY(lines.at(3).endsWith(QStringLiteral("само на два параметъра. ")));
    QCOMPARE(lines.at(6), QString());
    QCOMPARE(lines.at(9), QStringLiteral("Хипотенуза: c^2=a^2 +b^2 - формула на Питагор;"));
    QCOMPARE(lines.at(13), QStringLiteral("Лице на првоъгълен триъгълник:"));
    QCOMPARE(lines.at(16), QStringLiteral("S=p*r, където: r - радиус на вписаната окръжност;"));
    // With the CR LF line ends: 1228 characters.
    QCOMPARE(statement.size() + 17, 1228);

    auto* aphorism = control<QPlainTextEdit>(name("Text1", 1));
    QVERIFY(!aphorism->isVisible());
    QCOMPARE(aphorism->toPlainText().size() + 1, 114);
    QVERIFY(aphorism->toPlainText().startsWith(QStringLiteral("Неприятното в това да си първият")));
    QVERIFY(!m_form->windowIcon().isNull());
}

void SolverFormTest::coloursAndFontsFollowTheLayout()
{
    QCOMPARE(m_form->palette().color(QPalette::Window), QColor(192, 192, 255));
    QCOMPARE(control<QLabel>(name("Label1", 3))->palette().color(QPalette::Window),
             QColor(255, 192, 128));
    QVERIFY(control<QLabel>(name("Label1", 3))->autoFillBackground());
    QCOMPARE(control<QRadioButton>(name("Option1", 2))->palette().color(QPalette::Button),
             QColor(128, 128, 255));
    QCOMPARE(control<QPushButton>(name("Command1", 0))->palette().color(QPalette::Button),
             QColor(128, 255, 128));
    QCOMPARE(control<QPushButton>(name("Command1", 1))->palette().color(QPalette::Button),
             QColor(255, 0, 0));

    struct Expected {
        int field;
        bool result;
        bool bold;
    };
    for (const Expected& e :
         {Expected{2, true, true}, Expected{6, true, false}, Expected{7, false, true},
          Expected{0, false, false}, Expected{23, true, true}, Expected{22, false, false}}) {
        QLineEdit* f = field(e.field);
        QCOMPARE(f->isEnabled(), !e.result);
        QCOMPARE(f->palette().color(QPalette::Disabled, QPalette::Base) == pink, e.result);
        QCOMPARE(f->font().bold(), e.bold);
        QCOMPARE(f->font().pointSize(), 12);
        QCOMPARE(f->alignment(), Qt::AlignCenter);
        const QString family = QFontInfo(f->font()).family();
        QVERIFY2(family == "Times New Roman" || family == "Liberation Serif", qPrintable(family));
    }
    // Results are drawn dark on pink, not in the faded disabled grey.
    QCOMPARE(field(5)->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));

    // The pixels agree: a result field's inside is pink.
    const QImage shot = field(3)->grab().toImage();
    QCOMPARE(shot.pixelColor(shot.width() / 2, 4), pink);
}

void SolverFormTest::focusStartsInTheTaskStatementAndTabFollowsTheTabPlaces()
{
    QCOMPARE(QApplication::focusWidget()->objectName(), name("Text1", 0));
    QStringList visited;
    for (int step = 0; step < 15; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    // Disabled result fields are skipped; locked given fields still take the focus.
    const QStringList expected = {name("Text2", 0),    name("Text2", 1),  name("Text2", 4),
                                  name("Text2", 7),    name("Text2", 9),  name("Text2", 11),
                                  name("Text2", 13),   name("Text2", 14), name("Command1", 0),
                                  name("Command1", 1), name("Text2", 18), name("Text2", 19),
                                  name("Text2", 20),   name("Text2", 22), name("Option1", 0)};
    QCOMPARE(visited, expected);
}

void SolverFormTest::typingReachesOnlyTheOpenFields()
{
    typeInto(0, "3,5x");
    QCOMPARE(field(0)->text(), QStringLiteral("3,5x"));
    typeInto(4, "7");
    QCOMPARE(field(4)->text(), QString());
    QTest::keyClicks(field(2), "7");
    QCOMPARE(field(2)->text(), QString());
}

void SolverFormTest::clickingCalculateFillsTheRow()
{
    typeInto(0, "3");
    typeInto(1, "5");
    click(name("Command1", 0));
    QCOMPARE(field(0)->text(), QStringLiteral("3.000"));
    QCOMPARE(field(1)->text(), QStringLiteral("5.000"));
    QCOMPARE(field(2)->text(), QStringLiteral("12.000"));
    QCOMPARE(field(3)->text(), QStringLiteral("6.000"));

    // The result is drawn in dark text on the pink of the disabled field.
    const QImage result = field(2)->grab().toImage();
    int darkPixels = 0;
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x)
            darkPixels += result.pixelColor(x, y).lightness() < 60 ? 1 : 0;
    }
    QVERIFY2(darkPixels > 20, qPrintable(QString::number(darkPixels)));
    m_form->grab().save(QDir::temp().filePath(QStringLiteral("solver_form_calculated.png")));

    click(name("Command1", 1));
    for (int i = 0; i < 24; ++i)
        QCOMPARE(field(i)->text(), QString());
    QVERIFY(control<QRadioButton>(name("Option1", 0))->isChecked());
    QVERIFY(!field(0)->isReadOnly());
}

void SolverFormTest::enterInAnOpenFieldCalculates()
{
    typeInto(0, "3");
    typeInto(1, "5");
    QTest::keyClick(field(4), Qt::Key_Return); // locked: another variant's row
    QCOMPARE(field(3)->text(), QString());
    QTest::keyClick(field(1), Qt::Key_Return);
    QCOMPARE(field(3)->text(), QStringLiteral("6.000"));
}

void SolverFormTest::choosingAVariantByClickEmptiesAndOpensItsRow()
{
    typeInto(0, "3");
    click(name("Option1", 3));
    QCOMPARE(m_form->logic().SelectedVariant(), 3);
    QCOMPARE(field(0)->text(), QString());
    QVERIFY(field(0)->isReadOnly());
    typeInto(13, "5");
    typeInto(14, "12");
    click(name("Command1", 0));
    QCOMPARE(field(12)->text(), QStringLiteral("3.000"));
    QCOMPARE(field(15)->text(), QStringLiteral("6.000"));
}

void SolverFormTest::calculatingInACommaRegionWritesAndReadsTheRegionsForm()
{
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    click(name("Option1", 1));
    typeInto(4, "1500");
    typeInto(7, "2,5");
    click(name("Command1", 0));
    QCOMPARE(field(7)->text(), QStringLiteral("2,500"));
    const QString firstLeg = field(4)->text();
    QVERIFY2(firstLeg.endsWith(QStringLiteral("500,000")), qPrintable(firstLeg));
    const QString perimeter = field(6)->text();
    click(name("Command1", 0));
    QCOMPARE(field(4)->text(), firstLeg);
    QCOMPARE(field(6)->text(), perimeter);
}

void SolverFormTest::faultIsShownInAMessageBoxAndTheWindowLivesOn()
{
    click(name("Option1", 2));
    typeInto(9, "1");
    typeInto(11, "1");
    QString title;
    QString text;
    QString button;
    m_expectDialog = true;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text().remove(QChar(0x2060)); // a joiner is not seen
        button = box->buttons().value(0)->text().remove(QLatin1Char('&'));
        box->accept();
    });
    click(name("Command1", 0));
    m_expectDialog = false;

    QCOMPARE(title, QStringLiteral("Триъгълникът не може да се изчисли"));
    QCOMPARE(button, QStringLiteral("Добре")); // the toolkit's own text, in Bulgarian too
    QCOMPARE(text, QStringLiteral("Няма правоъгълен триъгълник с хипотенуза c\u00A0=\u00A01.000 "
                                  "и лице S\u00A0=\u00A01.000: при тази хипотенуза лицето е "
                                  "най-много c²/4\u00A0=\u00A00.250."));
    QVERIFY(m_form->isVisible());
    // The field to correct has the focus, its text selected.
    QCOMPARE(m_form->focusWidget(), field(11));
    QCOMPARE(field(11)->selectedText(), QStringLiteral("1"));
    QCOMPARE(field(9)->text(), QStringLiteral("1"));
    QCOMPARE(field(11)->text(), QStringLiteral("1"));
    QCOMPARE(field(8)->text(), QString());

    field(11)->clear();
    typeInto(11, "6");
    field(9)->clear();
    typeInto(9, "5");
    click(name("Command1", 0));
    QCOMPARE(field(8)->text(), QStringLiteral("4.000"));
}

void SolverFormTest::shortcutCopiesTheSelectedRowForASpreadsheet()
{
    typeInto(0, "3");
    typeInto(1, "5");
    click(name("Command1", 0));
    QApplication::clipboard()->clear();
    QTest::keyClick(field(0), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("3.000\t5.000\t12.000\t6.000"));
}

void SolverFormTest::everyFieldHasAnAccessibleName()
{
    QCOMPARE(field(9)->accessibleName(), QStringLiteral("Вариант 3, хипотенуза c"));
    QCOMPARE(field(19)->accessibleName(), QStringLiteral("Вариант 5, лице S"));
    // With no triangle in the row, the tip says where the other pairs of elements are.
    QCOMPARE(field(19)->toolTip().section(QLatin1Char('\n'), 0, 0), QStringLiteral("Лице S"));
    QVERIFY(field(19)->toolTip().contains(QStringLiteral("Ctrl+2")));
    for (int i = 0; i < 24; ++i)
        QVERIFY(!field(i)->accessibleName().isEmpty());
    QCOMPARE(control<QPushButton>(name("Command1", 0))->accessibleName(),
             QStringLiteral("Изчисли"));
    QCOMPARE(control<QRadioButton>(name("Option1", 4))->accessibleName(),
             QStringLiteral("Вариант 5"));
}

void SolverFormTest::taskStatementCanBeSelectedButNotChanged()
{
    auto* statement = control<QPlainTextEdit>(name("Text1", 0));
    const QString before = statement->toPlainText();
    statement->setFocus();
    QTest::keyClicks(statement, "xyz");
    QTest::keyClick(statement, Qt::Key_Delete);
    QCOMPARE(statement->toPlainText(), before);
    QTest::keyClick(statement, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(statement->textCursor().hasSelection());
    QVERIFY(statement->verticalScrollBar()->maximum() > 0);
}

void SolverFormTest::ctrlCStillCopiesASelection()
{
    typeInto(0, "2.75");
    QTest::keyClick(field(0), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field(0), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2.75"));

    auto* statement = control<QPlainTextEdit>(name("Text1", 0));
    statement->setFocus();
    QTest::keyClick(statement, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(statement, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(statement, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("Да се състави проект")));
}

void SolverFormTest::regionalSettingsComeFromTheLocale()
{
    const triangle::NumberFormat german =
        triangle::NumberFormatOf(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(QString::fromStdString(german.decimalSeparator), QStringLiteral(","));
    QCOMPARE(QString::fromStdString(german.groupSeparator), QStringLiteral("."));
    QCOMPARE(german.groupSizes, std::vector<int>({3, 3}));

    const triangle::NumberFormat indian =
        triangle::NumberFormatOf(QLocale(QLocale::Hindi, QLocale::India));
    QCOMPARE(indian.groupSizes, std::vector<int>({3, 2}));

    const triangle::NumberFormat plain = triangle::NumberFormatOf(QLocale::c());
    QCOMPARE(QString::fromStdString(plain.decimalSeparator), QStringLiteral("."));
    QVERIFY(plain.groupSeparator.empty()); // the C locale writes no group separators

    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
}

void SolverFormTest::longValuesShowWholeInEveryRegion_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("leg");
    QTest::addColumn<QString>("hypotenuse");
    QTest::addColumn<QStringList>("expected");
    // b = √(2345.5² − 1234.5²) = √3977836 = 1994.451, P = 5574.337..., S = 1231004.502...
    QTest::newRow("bulgarian") << QLocale(QLocale::Bulgarian, QLocale::Bulgaria) << "1234,5"
                               << "2345,5"
                               << QStringList{"1\u00A0234,500", "2\u00A0345,500", "5\u00A0574,337",
                                              "1\u00A0231\u00A0004,502"};
    QTest::newRow("period") << QLocale(QLocale::English, QLocale::UnitedStates) << "1234.5"
                            << "2345.5"
                            << QStringList{"1,234.500", "2,345.500", "5,574.337", "1,231,004.502"};
    QTest::newRow("indian") << QLocale(QLocale::Hindi, QLocale::India) << "1234.5"
                            << "2345.5"
                            << QStringList{"1,234.500", "2,345.500", "5,574.337", "12,31,004.502"};
    QTest::newRow("millions") << QLocale(QLocale::Bulgarian, QLocale::Bulgaria) << "12345,5"
                              << "23455,5" << QStringList{};
}

void SolverFormTest::longValuesShowWholeInEveryRegion()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, leg);
    QFETCH(QString, hypotenuse);
    QFETCH(QStringList, expected);
    QLocale::setDefault(locale);
    calculate(0, leg, hypotenuse);
    for (int i = 0; i < 4; ++i) {
        if (!expected.isEmpty())
            QCOMPARE(field(i)->text(), expected.at(i));
        QVERIFY(!field(i)->text().isEmpty());
        verifyShownWhole(i);
        QVERIFY(field(i)->toolTip().contains(field(i)->text()));
    }
    QVERIFY(field(3)->font().pointSizeF() < 12);
    QVERIFY(field(3)->font().bold());
    m_form->grab().save(
        QDir::temp().filePath(QStringLiteral("solver_form_%1.png").arg(QTest::currentDataTag())));
}

void SolverFormTest::shortValuesKeepTheNormalSize()
{
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    calculate(0, "1234,5", "2345,5");
    calculate(0, "3", "5");
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(field(i)->font().pointSizeF(), 12.0);
        verifyShownWhole(i);
    }
}

void SolverFormTest::aValueTooLongEvenForTheSmallestSizeEndsInAnEllipsis()
{
    calculate(0, "1e20", "2e20");
    triangle::FittingField* perimeter = fitting(2);
    QVERIFY(perimeter->isElided());
    QCOMPARE(perimeter->font().pointSizeF(), triangle::FittingField::MinimumPointSize);
    // P = 1e20 + 2e20 + √3·1e20 = 473,205,080,756,887,720,000.000 to 15 digits; the
    // tooltip carries it whole.
    QCOMPARE(perimeter->text(), QStringLiteral("473,205,080,756,888,000,000.000"));
    QVERIFY(perimeter->toolTip().contains(perimeter->text()));
    // The picture: ink runs up to the right end of the text area, where the ellipsis is,
    // and the three dots there are separate specks, not the zeros of the number.
    const QImage shot = perimeter->grab().toImage();
    const int right = (perimeter->width() + perimeter->textAreaWidth()) / 2;
    int inkNearTheEnd = 0;
    for (int x = right - 8; x < right; ++x) {
        for (int y = 0; y < shot.height(); ++y)
            inkNearTheEnd += shot.pixelColor(x, y).lightness() < 100 ? 1 : 0;
    }
    QVERIFY(inkNearTheEnd > 0);
    m_form->grab().save(QDir::temp().filePath(QStringLiteral("solver_form_ellipsis.png")));
}

void SolverFormTest::theSizeFollowsWhatIsTyped()
{
    typeInto(0, "1");
    QCOMPARE(field(0)->font().pointSizeF(), 12.0);
    typeInto(0, "234567890,125");
    QVERIFY(field(0)->font().pointSizeF() < 12.0);
    verifyShownWhole(0);
    QTest::keyClick(field(0), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field(0), Qt::Key_Delete);
    QCOMPARE(field(0)->font().pointSizeF(), 12.0);
}

void SolverFormTest::aTextTooLongWhileTypingIsMarkedWhereItIsCut()
{
    triangle::FittingField* leg = fitting(0);
    typeInto(0, QString(60, QLatin1Char('7')));
    QVERIFY(leg->isElided());
    // The line scrolls when it is painted; each check looks at the field as last painted.
    // The caret is at the end: the line has scrolled past the start.
    leg->grab();
    QCOMPARE(leg->cutEdges(), Qt::Edges(Qt::LeftEdge));
    QTest::keyClick(leg, Qt::Key_Home);
    leg->grab();
    QCOMPARE(leg->cutEdges(), Qt::Edges(Qt::RightEdge));
    for (int i = 0; i < 30; ++i)
        QTest::keyClick(leg, Qt::Key_Right);
    leg->grab();
    QCOMPARE(leg->cutEdges(), Qt::Edges(Qt::LeftEdge | Qt::RightEdge));
    leg->grab().save(QDir::temp().filePath(QStringLiteral("solver_form_typing.png")));
    QVERIFY(leg->toolTip().contains(QString(60, QLatin1Char('7'))));
}

void SolverFormTest::aCalculatedRowDescribesTheWholeTriangleOnHover()
{
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    calculate(0, "3", "5");
    for (int i = 0; i < 4; ++i) {
        const QString tip = field(i)->toolTip();
        QVERIFY2(tip.contains(QStringLiteral("катет b = 4,000")), qPrintable(tip));
        QVERIFY(tip.contains(QStringLiteral("ъгъл α срещу катета a = 36,870°")));
        QVERIFY(tip.contains(QStringLiteral("ъгъл β срещу катета b = 53,130°")));
        QVERIFY(tip.contains(QStringLiteral("височина към хипотенузата h = 2,400")));
        QVERIFY(tip.contains(QStringLiteral("радиус на вписаната окръжност r = 1,000")));
        QVERIFY(tip.contains(QStringLiteral("радиус на описаната окръжност R = 2,500")));
        // A screen reader gets the same in words.
        QCOMPARE(field(i)->accessibleDescription(), fitting(i)->spokenToolTip());
        QVERIFY(field(i)->accessibleDescription().contains(
            QStringLiteral("ъгъл алфа срещу катета a, равно на 36,870 градуса")));
    }
    QCOMPARE(field(2)->toolTip().section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("Периметър P: 12,000"));
    QCOMPARE(field(4)->toolTip().section(QLatin1Char('\n'), 0, 0), QStringLiteral("Катет a"));
    QVERIFY(!field(2)->toolTip().contains(QStringLiteral("Ctrl+2")));

    // The tooltip shows on hover over a result field, although it is disabled.
    QHelpEvent hover(QEvent::ToolTip, QPoint(10, 10), field(3)->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(field(3), &hover);
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().contains(QStringLiteral("катет b = 4,000")));
    QToolTip::hideText();

    // Another variant: no triangle is described, the other pairs' hint is back.
    click(name("Option1", 1));
    QCOMPARE(field(2)->toolTip(), QStringLiteral("Периметър P\n\n") +
                                      QString::fromUtf8(triangle::texts::OtherPairsHint));
    QCOMPARE(field(0)->toolTip(),
             QStringLiteral("Катет a\n\n") + QString::fromUtf8(triangle::texts::OtherPairsHint));
}

void SolverFormTest::contextMenusAreBulgarian()
{
    const std::unique_ptr<QMenu> fieldMenu(field(0)->createStandardContextMenu());
    const std::unique_ptr<QMenu> statementMenu(
        control<QPlainTextEdit>(name("Text1", 0))->createStandardContextMenu());
    for (QMenu* menu : {fieldMenu.get(), statementMenu.get()}) {
        int cyrillic = 0;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            const QString text = action->text();
            for (const char* english : {"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select"})
                QVERIFY2(!text.contains(QLatin1String(english)), qPrintable(text));
            if (text.contains(QRegularExpression(QStringLiteral("[\u0400-\u04FF]"))))
                ++cyrillic;
        }
        QVERIFY2(cyrillic >= 2, qPrintable(QString::number(cyrillic)));
    }
}

void SolverFormTest::anAnnouncementIsANotificationThatShowsNothing()
{
    typeInto(1, "5");
    const QImage before = m_form->grab().toImage();
    ScreenReaderListening listening;
    auto* announcer = control<triangle::Announcer>("Announcement");
    const QString text = QStringLiteral("Изчислено: P = 12,000, S = 6,000");
    announcer->say(text);
    announcer->say(text); // asked again, said again
    QCOMPARE(listening.notifications(), QStringList({text, text}));
    QVERIFY(!announcer->isVisible());
    QCOMPARE(QApplication::focusWidget(), field(1));
    QCOMPARE(m_form->grab().toImage(), before);
}

void SolverFormTest::aCalculationIsSpokenWhereverTheFocusIs()
{
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    typeInto(0, "3");
    typeInto(1, "5");
    ScreenReaderListening listening;
    QTest::keyClick(field(1), Qt::Key_Return);
    // a = 3, c = 5: b = 4, P = 3 + 4 + 5 = 12, S = 3 · 4 / 2 = 6.
    QCOMPARE(listening.notifications(), QStringList{"Изчислено: P = 12,000, S = 6,000"});
    QCOMPARE(QApplication::focusWidget(), field(1));

    // From the button, the focus stays on the button.
    click(name("Option1", 3));
    typeInto(13, "5");
    typeInto(14, "12");
    control<QPushButton>(name("Command1", 0))->setFocus();
    QTest::keyClick(control<QPushButton>(name("Command1", 0)), Qt::Key_Space);
    QCOMPARE(listening.notifications().value(1), QStringLiteral("Изчислено: a = 3,000, S = 6,000"));
    QCOMPARE(QApplication::focusWidget()->objectName(), name("Command1", 0));
}

void SolverFormTest::shiftF1ShowsTheWholeTriangleBesideTheFieldAndEscapeHidesIt()
{
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    // Nothing calculated yet: nothing to show.
    typeInto(0, "3");
    QTest::keyClick(field(0), Qt::Key_F1, Qt::ShiftModifier);
    QVERIFY(!QToolTip::isVisible());

    typeInto(1, "5");
    click(name("Command1", 0));
    ScreenReaderListening listening;
    field(0)->setFocus();
    QTest::keyClick(field(0), Qt::Key_F1, Qt::ShiftModifier);
    QTRY_VERIFY(QToolTip::isVisible());
    // a = 3, c = 5: b = 4, α = atan(3/4) = 36.870°, h = 3 · 4 / 5 = 2.4.
    const QString tip = QToolTip::text();
    QCOMPARE(tip.section(QLatin1Char('\n'), 0, 0), QStringLiteral("Катет a: 3,000"));
    QVERIFY2(tip.contains(QStringLiteral("катет b = 4,000")), qPrintable(tip));
    QVERIFY(tip.contains(QStringLiteral("ъгъл α срещу катета a = 36,870°")));
    QVERIFY(tip.contains(QStringLiteral("височина към хипотенузата h = 2,400")));
    // What Orca reads after F1: the same in words.
    QCOMPARE(listening.toolTips(), QStringList{fitting(0)->spokenToolTip()});
    QVERIFY(fitting(0)->spokenToolTip().contains(
        QStringLiteral("височина към хипотенузата h, равно на 2,4")));
    // Beside the field: to its right, level with it.
    QWidget* label = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("qtooltip_label") && window->isVisible())
            label = window;
    }
    QVERIFY(label);
    const QRect fieldOnScreen(field(0)->mapToGlobal(QPoint(0, 0)), field(0)->size());
    QVERIFY(label->x() >= fieldOnScreen.right());
    QVERIFY(qAbs(label->y() - fieldOnScreen.top()) < 2 * fieldOnScreen.height());
    QCOMPARE(QApplication::focusWidget(), field(0));

    QTest::keyClick(field(0), Qt::Key_Escape);
    QTRY_VERIFY(!QToolTip::isVisible());
    QCOMPARE(field(0)->text(), QStringLiteral("3,000"));

    // From the other given field of the row too.
    QTest::keyClick(field(1), Qt::Key_F1, Qt::ShiftModifier);
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().startsWith(QStringLiteral("Хипотенуза c: 5,000")));
    QToolTip::hideText();
}

void SolverFormTest::fieldMenusAddTheRowsEntriesBelowTheToolkitsOwn()
{
    const QStringList own = {"Целият триъгълник", "Решение", "Триъгълник по два елемента…",
                             "Копирай реда на избрания вариант"};
    const QStringList keys = {"Shift+F1", "Ctrl+R", "Ctrl+2", "Ctrl+Shift+C"};
    const auto toolkitEntries = [this](int i) {
        const std::unique_ptr<QMenu> standard(field(i)->createStandardContextMenu());
        QStringList texts;
        for (QAction* action : standard->actions()) {
            if (!action->isSeparator())
                texts << action->text();
        }
        return texts;
    };
    struct Row {
        const char* name;
        int field;
        QList<bool> enabled; // whole triangle, solution, two elements, copy of the row
    };
    const auto check = [&](const Row& row) {
        const FieldMenu menu = openFieldMenu(row.field);
        QVERIFY2(menu.own == own, row.name);
        QVERIFY2(menu.keys == keys, row.name);
        QVERIFY2(menu.enabled == row.enabled, row.name);
        QVERIFY2(menu.toolkit == toolkitEntries(row.field), row.name);
        QVERIFY2(menu.toolkit.size() >= 2, row.name); // at least copying and selecting all
    };

    for (const Row& row : {Row{"nothing calculated, given field", 0, {false, true, true, false}},
                           Row{"nothing calculated, result field", 2, {false, true, true, false}}})
        check(row);

    typeInto(0, "3");
    typeInto(1, "5");
    click(name("Command1", 0));
    for (const Row& row : {Row{"calculated, given field", 0, {true, true, true, true}},
                           Row{"calculated, disabled result field", 3, {true, true, true, true}},
                           Row{"field of another row", 4, {false, false, true, true}}})
        check(row);

    // No triangle for a leg as long as the hypotenuse: nothing to show or copy.
    field(0)->selectAll();
    typeInto(0, "5");
    m_expectDialog = true;
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    click(name("Command1", 0));
    m_expectDialog = false;
    QVERIFY(field(2)->text().isEmpty());
    for (const Row& row : {Row{"refused, given field", 0, {false, true, true, false}},
                           Row{"refused, result field", 2, {false, true, true, false}}})
        check(row);
}

void SolverFormTest::fieldMenuEntriesDoWhatTheirKeysDo()
{
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    typeInto(0, "3");
    typeInto(1, "5");
    click(name("Command1", 0));

    field(1)->setFocus();
    openFieldMenu(1, [this](QMenu* menu) { choose(menu, "WholeTriangle"); });
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY2(QToolTip::text().startsWith(QStringLiteral("Хипотенуза c: 5,000\n\nЦелият")),
             qPrintable(QToolTip::text()));
    QVERIFY(QToolTip::text().contains(QStringLiteral("катет b = 4,000")));
    QToolTip::hideText();

    // The menu key and Shift+F10 open the same menu from the keyboard.
    for (QKeyCombination key :
         {QKeyCombination(Qt::Key_Menu), QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)})
        QCOMPARE(openFieldMenu(1, {}, key).own.value(0), QStringLiteral("Целият триъгълник"));

    QApplication::clipboard()->clear();
    openFieldMenu(2, [this](QMenu* menu) { choose(menu, "CopyRow"); });
    QTRY_COMPARE(QApplication::clipboard()->text(), QStringLiteral("3,000\t5,000\t12,000\t6,000"));
}

void SolverFormTest::clickingAVariantPutsTheFocusIntoItsFirstGivenField()
{
    const int firstGiven[6] = {0, 4, 9, 13, 18, 20};
    for (int k : {3, 5, 1, 0, 4, 2}) {
        click(name("Option1", k));
        QCOMPARE(QApplication::focusWidget()->objectName(), name("Text2", firstGiven[k]));
        QVERIFY(!field(firstGiven[k])->isReadOnly());
        // Ready for typing: what is typed goes straight in.
        QTest::keyClicks(QApplication::focusWidget(), "7");
        QCOMPARE(field(firstGiven[k])->text(), QStringLiteral("7"));
    }
    // The selected variant clicked again keeps what was typed, and selects it for retyping.
    click(name("Option1", 2));
    QCOMPARE(QApplication::focusWidget()->objectName(), name("Text2", 9));
    QCOMPARE(field(9)->text(), QStringLiteral("7"));
    QCOMPARE(field(9)->selectedText(), QStringLiteral("7"));
}

void SolverFormTest::enterInTheGroupDoesTheSameAndArrowsStillMoveThroughIt()
{
    auto* first = control<QRadioButton>(name("Option1", 0));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    // The arrows select as they move and leave the focus in the group.
    QCOMPARE(QApplication::focusWidget()->objectName(), name("Option1", 2));
    QVERIFY(control<QRadioButton>(name("Option1", 2))->isChecked());
    QCOMPARE(m_form->logic().SelectedVariant(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget()->objectName(), name("Option1", 1));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), name("Text2", 4));
    QCOMPARE(m_form->logic().SelectedVariant(), 1);

    // The keypad's Enter too; Space only selects, as before.
    control<QRadioButton>(name("Option1", 5))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget()->objectName(), name("Option1", 5));
    QCOMPARE(m_form->logic().SelectedVariant(), 5);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), name("Text2", 20));
}

void SolverFormTest::pushButtonFacesAreExactlyTheirColours()
{
    const QImage window = control<QWidget>("SolverClient")->grab().toImage();
    const QColor colours[2] = {QColor(128, 255, 128), QColor(255, 0, 0)};
    for (int i = 0; i < 2; ++i) {
        const QRect button = control<QPushButton>(name("Command1", i))->geometry();
        // Away from the caption: left and right of it at mid-height, and above it.
        for (const QPoint& point : {QPoint(button.left() + 5, button.center().y()),
                                    QPoint(button.right() - 5, button.center().y()),
                                    QPoint(button.center().x(), button.top() + 4)})
            QCOMPARE(window.pixelColor(point), colours[i]);
        // A raised edge: light at the top, dark at the bottom.
        QVERIFY(window.pixelColor(button.center().x(), button.top()).lightness() >
                window.pixelColor(button.center().x(), button.bottom()).lightness());
    }

    // Pressed, the edge is sunken: dark at the top, light at the bottom; the face keeps its
    // colour. The caption stays black.
    auto* clear = control<QPushButton>(name("Command1", 1));
    QTest::mousePress(clear, Qt::LeftButton);
    const QImage pressed = clear->grab().toImage();
    QTest::mouseRelease(clear, Qt::LeftButton);
    QVERIFY(pressed.pixelColor(pressed.width() / 2, 0).lightness() <
            pressed.pixelColor(pressed.width() / 2, pressed.height() - 1).lightness());
    QCOMPARE(pressed.pixelColor(5, pressed.height() / 2), QColor(255, 0, 0));
    QCOMPARE(clear->palette().color(QPalette::ButtonText), QColor(Qt::black));
}

void SolverFormTest::frameCaptionStandsOnTheFramesTopLine()
{
    auto* frame = control<QGroupBox>("Frame1");
    const QImage shot = frame->grab().toImage();
    const int middle = QFontMetrics(frame->font()).height() / 2;
    const QColor background(192, 192, 255);
    // The line runs through the caption's middle at the right of the caption...
    QVERIFY(shot.pixelColor(shot.width() - 4, middle) != background);
    QCOMPARE(shot.pixelColor(shot.width() - 4, middle - 3), background);
    // ... and is broken behind the caption itself, which starts near the left.
    const int captionEnd = 6 + QFontMetrics(frame->font()).horizontalAdvance(frame->title()) + 4;
    int lineUnderCaption = 0;
    for (int x = 8; x < captionEnd - 2; ++x)
        lineUnderCaption += shot.pixelColor(x, middle) == shot.pixelColor(shot.width() - 4, middle);
    QVERIFY(lineUnderCaption < (captionEnd - 10) / 2);
}

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    triangle::SetUpApplication(application);
    SolverFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "solver_form_test.moc"
