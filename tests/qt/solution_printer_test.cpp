#include "solver/element/element_solver.h"
#include "tests/triangle_from_legs.h"
#include "window/qt/elements_window.h"
#include "window/qt/solution_drawing_view.h"
#include "window/qt/solution_printer.h"
#include "window/qt/solution_window.h"
#include "window/solution/solution_steps.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QShortcut>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using triangle::Element;
using triangle::SolutionWindow;

namespace {

triangle::NumberFormat bulgarian()
{
    triangle::NumberFormat f;
    f.decimalSeparator = ",";
    f.groupSeparator = "\u00A0";
    return f;
}

// The dialogs answered at once: the files in a temporary folder, the printer a PDF file;
// any message the program would have shown is kept for the test to see.
class TestDialogs : public triangle::SolutionFileDialogs {
public:
    explicit TestDialogs(const QString& folder) : m_folder(folder) {}
    std::optional<QString> pdfPath(QWidget*) override { return m_folder + "/решение.pdf"; }
    std::optional<QString> picturePath(QWidget*) override { return m_folder + "/чертеж.png"; }
    bool choosePrinter(QPrinter& printer, QWidget*) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_folder + "/отпечатано.pdf");
        return true;
    }
    void tell(QWidget*, const QString& message) override { messages << message; }

    QStringList messages;

private:
    QString m_folder;
};

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF's text as poppler reads it, from its selectable text.
QString pdfText(const QString& path)
{
    return run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
}

// A page of the PDF rendered by poppler at `dpi`.
QImage pdfPage(const QString& path, int page, int dpi, const QString& folder)
{
    const QString prefix = folder + "/page";
    const QString number = QString::number(page);
    run(QStringLiteral("pdftoppm"), {"-r", QString::number(dpi), "-f", number, "-l", number, "-png",
                                     "-singlefile", path, prefix});
    return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
}

// Legs a = 1 and b = 2 in the window of any two elements' steps: c = √5 ≈ 2,236.
// Whether the pages are numbered "Страница 1 от N" to "Страница N от N".
bool numberedThrough(const QString& text)
{
    const QRegularExpression first(QStringLiteral("Страница 1 от (\\d+)"));
    const QRegularExpressionMatch match = first.match(text);
    if (!match.hasMatch())
        return false;
    const QString count = match.captured(1);
    return text.contains(QStringLiteral("Страница %1 от %1").arg(count));
}

triangle::SolutionPage legsOneAndTwo()
{
    return triangle::ElementSolutionPageOf(Element::a, 1.0, Element::b, 2.0, "", bulgarian());
}

} // namespace

class SolutionPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void ctrlSWritesAPdfWhoseTextHoldsTheGivenValuesAndTheRoots();
    void theDrawingOnTheFirstPageLiesInsideTheMargins();
    void aLongSolutionRunsOntoASecondNumberedPage();
    void aGivenMedianIsDrawnOnThePage();
    void printingGoesToThePrinterTheDialogChose();
    void thePictureIsAPngAtTwiceTheDrawingsSize();
    void withoutATriangleNoPictureIsWritten();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<TestDialogs> m_dialogs;
    std::unique_ptr<triangle::UseFileDialogs> m_using;
    std::unique_ptr<SolutionWindow> m_window;
};

void SolutionPrinterTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_dialogs = std::make_unique<TestDialogs>(m_folder->path());
    m_using = std::make_unique<triangle::UseFileDialogs>(*m_dialogs);
    m_window = std::make_unique<SolutionWindow>();
    m_window->showPage(legsOneAndTwo(), bulgarian());
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void SolutionPrinterTest::cleanup()
{
    QVERIFY2(m_dialogs->messages.isEmpty(), qPrintable(m_dialogs->messages.join('\n')));
    m_window.reset();
    m_using.reset();
    m_dialogs.reset();
    m_folder.reset();
}

void SolutionPrinterTest::ctrlSWritesAPdfWhoseTextHoldsTheGivenValuesAndTheRoots()
{
    // State: "Решение" shows legs 1 and 2; Ctrl+S is its menu's "Запази като PDF…".
    QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier);

    const QString text = pdfText(m_folder->path() + "/решение.pdf");
    QVERIFY2(!text.isEmpty(), "no PDF with text was written");
    for (const char* expected : {"Правоъгълен триъгълник", "Дадени: a = 1,000 и b = 2,000.", "√5",
                                 "2,236", "Целият триъгълник:"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    QVERIFY(numberedThrough(text));
}

void SolutionPrinterTest::theDrawingOnTheFirstPageLiesInsideTheMargins()
{
    m_window->writeSolution(triangle::menu::Command::SavePdf);
    // A4, 595 × 842 points, at 50 dots an inch: 413.2 × 584.7, rounded up to whole pixels;
    // the 20 mm margins 39.4 pixels.
    const QImage page = pdfPage(m_folder->path() + "/решение.pdf", 1, 50, m_folder->path());
    QCOMPARE(page.size(), QSize(414, 585));
    QRect ink;
    int coloured = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb pixel = page.pixel(x, y);
            if (qRed(pixel) < 250 || qGreen(pixel) < 250 || qBlue(pixel) < 250)
                ink = ink.united(QRect(x, y, 1, 1));
            // The drawing's circles and sides are coloured; the text is black.
            coloured += std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) -
                            std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) >
                        60;
        }
    QVERIFY2(coloured > 200, "no drawing on the first page");
    QVERIFY(ink.left() >= 39);
    QVERIFY(ink.top() >= 39);
    QVERIFY(ink.right() <= 413 - 39);
    QVERIFY(ink.bottom() <= 585 - 39);
}

void SolutionPrinterTest::aLongSolutionRunsOntoASecondNumberedPage()
{
    // Some 25 lines of 11 points fit under the drawing on the first page and 55 on the next:
    // fifty steps make two pages.
    triangle::SolutionPage page = legsOneAndTwo();
    for (int i = 1; i <= 50; ++i)
        page.steps += "\nc = √(a² + b²) = √5 ≈ 2,236 (" + std::to_string(i) + ")";
    m_window->showPage(page, bulgarian());
    m_window->writeSolution(triangle::menu::Command::SavePdf);

    const QString text = pdfText(m_folder->path() + "/решение.pdf");
    QVERIFY(text.contains(QStringLiteral("Страница 1 от 2")));
    QVERIFY(text.contains(QStringLiteral("Страница 2 от 2")));
    QVERIFY(text.contains(QStringLiteral("(50)")));
}

void SolutionPrinterTest::aGivenMedianIsDrawnOnThePage()
{
    // a = 6 with m_a = 5: b = √(5² − 3²) = 4. The median is drawn in teal, RGB 0, 110, 130,
    // which no other stroke of the drawing has.
    triangle::SolutionPage solution =
        triangle::ElementSolutionPageOf(Element::a, 6.0, Element::mA, 5.0, "", bulgarian());
    solution.cevians = {triangle::Cevian::MedianA};
    m_window->showPage(solution, bulgarian());
    m_window->writeSolution(triangle::menu::Command::SavePdf);
    const QImage page = pdfPage(m_folder->path() + "/решение.pdf", 1, 100, m_folder->path());
    int teal = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb pixel = page.pixel(x, y);
            teal += qRed(pixel) < 60 && std::abs(qGreen(pixel) - 110) < 30 &&
                    std::abs(qBlue(pixel) - 130) < 30;
        }
    QVERIFY2(teal > 40, qPrintable(QString::number(teal)));
}

void SolutionPrinterTest::printingGoesToThePrinterTheDialogChose()
{
    m_window->writeSolution(triangle::menu::Command::Print);
    const QString text = pdfText(m_folder->path() + "/отпечатано.pdf");
    QVERIFY(text.contains(QStringLiteral("Дадени: a = 1,000 и b = 2,000.")));
    QVERIFY(numberedThrough(text));
}

void SolutionPrinterTest::thePictureIsAPngAtTwiceTheDrawingsSize()
{
    auto* view = m_window->findChild<QWidget*>(QStringLiteral("SolutionDrawing"));
    QVERIFY(view);
    m_window->writeSolution(triangle::menu::Command::SavePicture);
    QFile file(m_folder->path() + "/чертеж.png");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
    file.close();
    QCOMPARE(QImage(file.fileName()).size(), view->size() * 2);
}

void SolutionPrinterTest::withoutATriangleNoPictureIsWritten()
{
    m_window->showPage({std::nullopt, "Няма изчислен триъгълник.", "", "", false}, bulgarian());
    m_window->writeSolution(triangle::menu::Command::SavePicture);
    QVERIFY(!QFile::exists(m_folder->path() + "/чертеж.png"));
    QCOMPARE(m_dialogs->messages,
             QStringList{QStringLiteral("Няма изчислен триъгълник, който да бъде отпечатан.")});
    m_dialogs->messages.clear();
}

QTEST_MAIN(SolutionPrinterTest)
#include "solution_printer_test.moc"
