#include "tests/open_window.h"
#include "window/application.h"
#include "window/qt_number_format.h"
#include "window/solver_form.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <memory>

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

private:
    template <typename T> T* control(const QString& objectName)
    {
        T* widget = m_form->findChild<T*>(objectName);
        if (!widget)
            qFatal("no control named %s", qPrintable(objectName));
        return widget;
    }
    QLineEdit* field(int i) { return control<QLineEdit>(name("Text2", i)); }
    void typeInto(int i, const QString& text)
    {
        field(i)->setFocus();
        QTest::keyClicks(field(i), text);
    }
    void click(const QString& objectName)
    {
        QTest::mouseClick(control<QAbstractButton>(objectName), Qt::LeftButton);
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
    // Twips from the layout divided by 15.
    QCOMPARE(m_form->size(), QSize(471, 347));
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
        QCOMPARE(option->mapTo(m_form.get(), QPoint(0, 0)).y(), field(4 * k)->y());
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
    m_expectDialog = true;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        box->accept();
    });
    click(name("Command1", 0));
    m_expectDialog = false;

    QCOMPARE(title, QStringLiteral("Грешка при изчислението"));
    QCOMPARE(text, QStringLiteral("Квадратен корен от отрицателно число: няма правоъгълен "
                                  "триъгълник с тези стойности."));
    QVERIFY(m_form->isVisible());
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
    QCOMPARE(field(19)->toolTip(), QStringLiteral("Лице S"));
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

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    triangle::SetUpApplication(application);
    SolverFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "solver_form_test.moc"
