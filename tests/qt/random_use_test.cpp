#include "tests/qt/open_window.h"
#include "window/qt/application.h"
#include "window/qt/solver_form.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <array>
#include <memory>
#include <random>

using triangle::SolverForm;

namespace {

// Columns of the two given fields of each variant.
constexpr std::array<std::array<int, 2>, 6> givenColumns = {
    {{0, 1}, {0, 3}, {1, 3}, {1, 2}, {2, 3}, {0, 2}}};

bool isGivenOf(int variant, int field)
{
    return field / 4 == variant &&
           (field % 4 == givenColumns[variant][0] || field % 4 == givenColumns[variant][1]);
}

bool isComputedColumn(int field)
{
    const int variant = field / 4;
    return field % 4 != givenColumns[variant][0] && field % 4 != givenColumns[variant][1];
}

// A result text is empty or a non-negative number written in the period region.
bool isSoundResult(const QString& text)
{
    if (text.isEmpty())
        return true;
    for (QChar ch : text) {
        if (!ch.isDigit() && ch != QLatin1Char(',') && ch != QLatin1Char('.'))
            return false;
    }
    return text.contains(QLatin1Char('.'));
}

bool onlyRowChanged(const QStringList& before, const QStringList& after, int row)
{
    for (int i = 0; i < 24; ++i) {
        if (i / 4 != row && after.at(i) != before.at(i))
            return false;
    }
    return true;
}

// Real key events for any text, Cyrillic included (QTest::keyClicks knows only ASCII).
void typeText(QWidget* widget, const QString& text)
{
    for (QChar ch : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

} // namespace

// Thousands of seeded random user actions on the real widgets, checking the window's rules
// after each. The seed is printed; TRIANGLE_RANDOM_SEED replays a run.
class RandomUseTest : public QObject {
    Q_OBJECT

private slots:
    void windowKeepsItsRulesUnderRandomUse();

private:
    QLineEdit* field(int i)
    {
        return m_form->findChild<QLineEdit*>(QStringLiteral("Text2(%1)").arg(i));
    }
    QAbstractButton* button(const char* array, int i)
    {
        return m_form->findChild<QAbstractButton*>(QStringLiteral("%1(%2)").arg(array).arg(i));
    }
    QStringList texts()
    {
        QStringList all;
        for (int i = 0; i < 24; ++i)
            all << field(i)->text();
        return all;
    }
    QString randomText();
    void checkRules(const QString& action);

    std::unique_ptr<SolverForm> m_form;
    std::mt19937 m_random;
    int m_faultsShown = 0;
    int m_rowsSolved = 0;
};

QString RandomUseTest::randomText()
{
    static const QStringList pieces = {
        "0",     "1",     "3",   "5",   "12",  "6",       "2.5",    "-",      ",",          ".",
        "e",     "E+",    "e-",  " ",   "абв", "Вариант", "1e308",  "1e-320", "9999999999", "0.001",
        "1,234", "1.2.3", "inf", "nan", "(",   ")",       "\u2212", "1e400"};
    std::uniform_int_distribution<int> count(0, 4);
    std::uniform_int_distribution<int> piece(0, static_cast<int>(pieces.size()) - 1);
    QString text;
    for (int n = count(m_random); n > 0; --n)
        text += pieces.at(piece(m_random));
    return text;
}

void RandomUseTest::checkRules(const QString& action)
{
    QVERIFY2(m_form->isVisible(), qPrintable(action));
    const int variant = m_form->logic().SelectedVariant();
    QVERIFY2(button("Option1", variant)->isChecked(), qPrintable(action));
    for (int i = 0; i < 24; ++i) {
        const bool open = field(i)->isEnabled() && !field(i)->isReadOnly();
        QVERIFY2(open == isGivenOf(variant, i),
                 qPrintable(QStringLiteral("%1: field %2 open %3").arg(action).arg(i).arg(open)));
        if (isComputedColumn(i))
            QVERIFY2(isSoundResult(field(i)->text()),
                     qPrintable(QStringLiteral("%1: field %2 shows %3")
                                    .arg(action)
                                    .arg(i)
                                    .arg(field(i)->text())));
    }
}

void RandomUseTest::windowKeepsItsRulesUnderRandomUse()
{
    bool seeded = false;
    unsigned seed = qEnvironmentVariableIntValue("TRIANGLE_RANDOM_SEED", &seeded);
    if (!seeded)
        seed = std::random_device{}();
    qInfo("random-use seed: %u (replay with TRIANGLE_RANDOM_SEED=%u)", seed, seed);
    m_random.seed(seed);
    int actions = qEnvironmentVariableIntValue("TRIANGLE_RANDOM_ACTIONS");
    if (actions <= 0)
        actions = 3000;

    m_form = openWindow();
    QVERIFY(m_form);

    // A fault is shown in a modal box; dismiss it as a user would.
    QTimer dismisser;
    connect(&dismisser, &QTimer::timeout, [this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++m_faultsShown;
            box->accept();
        }
    });
    dismisser.start(0);

    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> anyField(0, 23);
    std::uniform_int_distribution<int> anyVariant(0, 5);
    for (int step = 0; step < actions; ++step) {
        const QStringList before = texts();
        const int variant = m_form->logic().SelectedVariant();
        QString action;
        switch (kind(m_random)) {
        case 0: {
            const int k = anyVariant(m_random);
            action = QStringLiteral("choose variant %1").arg(k + 1);
            QTest::mouseClick(button("Option1", k), Qt::LeftButton);
            if (k != variant) {
                QCOMPARE(texts(), QStringList(24, QString()));
            }
            break;
        }
        case 1:
        case 2:
        case 3:
        case 4: {
            // Mostly the open fields, as a user would; sometimes any field.
            const int given = 4 * variant + givenColumns[variant][kind(m_random) % 2];
            const int i = kind(m_random) < 8 ? given : anyField(m_random);
            const QString text = randomText();
            action = QStringLiteral("type '%1' into field %2").arg(text).arg(i);
            field(i)->setFocus();
            QTest::keyClick(field(i), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(field(i), Qt::Key_Delete);
            typeText(field(i), text);
            if (!isGivenOf(variant, i))
                QVERIFY2(texts() == before, qPrintable(action));
            break;
        }
        case 5:
        case 6: {
            action = QStringLiteral("calculate");
            QTest::mouseClick(button("Command1", 0), Qt::LeftButton);
            const QStringList after = texts();
            if (!after.at(4 * variant + 3).isEmpty() && !after.at(4 * variant).isEmpty())
                ++m_rowsSolved;
            QVERIFY2(onlyRowChanged(before, after, variant), qPrintable(action));
            break;
        }
        case 7: {
            action = QStringLiteral("clear");
            QTest::mouseClick(button("Command1", 1), Qt::LeftButton);
            QCOMPARE(texts(), QStringList(24, QString()));
            QCOMPARE(m_form->logic().SelectedVariant(), variant);
            break;
        }
        case 8: {
            const int i = anyField(m_random);
            action = QStringLiteral("Enter in field %1").arg(i);
            QTest::keyClick(field(i), Qt::Key_Return);
            QVERIFY2(onlyRowChanged(before, texts(), variant), qPrintable(action));
            break;
        }
        case 9: {
            action = QStringLiteral("Tab");
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : m_form.get(), Qt::Key_Tab);
            QCOMPARE(texts(), before);
            break;
        }
        }
        checkRules(QStringLiteral("step %1, %2 (seed %3)").arg(step).arg(action).arg(seed));
    }
    qInfo("%d actions: %d rows solved, %d faults shown and dismissed", actions, m_rowsSolved,
          m_faultsShown);
    m_form.reset();
}

int main(int argc, char* argv[])
{
    // The offscreen platform warns about every message box it cannot size natively.
    static const QtMessageHandler defaultHandler = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.contains(QLatin1String("propagateSizeHints")))
                defaultHandler(type, context, text);
        });
    QApplication application(argc, argv);
    triangle::SetUpApplication(application);
    RandomUseTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "random_use_test.moc"
