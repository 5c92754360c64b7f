#include "solver/variant/triangle_details.h"
#include "tests/triangle_from_legs.h"
#include "window/qt/solution_drawing_view.h"
#include "window/qt/solution_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QImage>
#include <QListWidget>
#include <QSplitter>
#include <QWheelEvent>
#include <QtTest>

#include <cmath>
#include <memory>
#include <numbers>

using triangle::SolutionDrawingView;
using triangle::SolutionWindow;
using triangle::TriangleDetails;
namespace drawing = triangle::drawing;

namespace {

triangle::NumberFormat bulgarian()
{
    triangle::NumberFormat f;
    f.decimalSeparator = ",";
    f.groupSeparator = "\u00A0";
    return f;
}

bool isInk(QRgb pixel, const QColor& ink)
{
    // Antialiased edges blend the ink with white: count pixels at least half-way to it.
    const int distance = std::abs(qRed(pixel) - ink.red()) + std::abs(qGreen(pixel) - ink.green()) +
                         std::abs(qBlue(pixel) - ink.blue());
    const int fromWhite = (255 - ink.red()) + (255 - ink.green()) + (255 - ink.blue());
    return distance * 2 < fromWhite;
}

// The bounds of the pixels in ink within a rectangle of the picture.
QRect inkBounds(const QImage& image, const QRect& area, const QColor& ink)
{
    QRect bounds;
    for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom()); ++y)
        for (int x = std::max(0, area.left()); x <= std::min(image.width() - 1, area.right()); ++x)
            if (isInk(image.pixel(x, y), ink))
                bounds = bounds.united(QRect(x, y, 1, 1));
    return bounds;
}

} // namespace

class SolutionWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void thePaintedDrawingMatchesItsDisplayList_data();
    void thePaintedDrawingMatchesItsDisplayList();
    void escapeClosesTheWindow();
    void ctrlCCopiesAllTheStepsAsText();
    void ctrlCWithASelectionCopiesTheSelection();
    void theMenuEntryCopiesTheDrawingAsAPicture();
    void theDrawingIsDescribedForAScreenReader();
    void withoutATriangleTheDrawingSaysHowToGetOne();
    void theZoomAndCtrlWheelScaleTheStepsAndTheDrawing();

private:
    std::unique_ptr<SolutionWindow> m_window;
    QString m_clipboard;
};

void SolutionWindowTest::init()
{
    m_clipboard = QGuiApplication::clipboard()->text();
    m_window = std::make_unique<SolutionWindow>();
    m_window->resize(720, 720);
    m_window->showPage({fromLegs(3, 4), "b = 4\nP = 12\nS = 6", "", "", false}, bulgarian());
    m_window->show();
    // The drawing and steps 720 × 720, with the button's row below them.
    const auto* split = m_window->findChild<QWidget*>(QStringLiteral("SolutionSplit"));
    m_window->resize(720, 720 + m_window->height() - split->height());
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void SolutionWindowTest::cleanup()
{
    m_window.reset();
    QGuiApplication::clipboard()->setText(m_clipboard);
}

void SolutionWindowTest::thePaintedDrawingMatchesItsDisplayList_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::newRow("threeFourFive") << 3.0 << 4.0;
    QTest::newRow("isosceles") << 1.0 << 1.0;
    QTest::newRow("thinLegs1And1000") << 1.0 << 1000.0;
}

void SolutionWindowTest::thePaintedDrawingMatchesItsDisplayList()
{
    QFETCH(double, a);
    QFETCH(double, b);
    // State: the window shows a triangle. Action: capture the drawing as painted.
    m_window->showPage({fromLegs(a, b), "", "", "", false}, bulgarian());
    auto* view = m_window->findChild<SolutionDrawingView*>(QStringLiteral("SolutionDrawing"));
    QVERIFY(view);
    const QImage image = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const drawing::DisplayList& list = view->displayList();
    QCOMPARE(image.width(), static_cast<int>(list.width));

    // Expected: each vertex's dot is centred within two pixels of its place in the list...
    for (const drawing::Dot& dot : list.dots) {
        if (dot.part != drawing::Part::VertexA && dot.part != drawing::Part::VertexB &&
            dot.part != drawing::Part::VertexC)
            continue;
        const QPoint centre(qRound(dot.centre.x), qRound(dot.centre.y));
        double sumX = 0, sumY = 0, count = 0;
        for (int y = centre.y() - 2; y <= centre.y() + 2; ++y)
            for (int x = centre.x() - 2; x <= centre.x() + 2; ++x)
                if (isInk(image.pixel(x, y), Qt::black))
                    sumX += x, sumY += y, ++count;
        QVERIFY2(count >= 20, "the vertex's dot is not where the list puts it");
        QVERIFY(std::abs(sumX / count - dot.centre.x) <= 2.0);
        QVERIFY(std::abs(sumY / count - dot.centre.y) <= 2.0);
    }
    // ...and each label's ink lies where its text, centred in its box, puts it.
    for (const drawing::Label& label : list.labels) {
        const QFont font = triangle::LabelFont(list.fontPixels, label.bold);
        const QFontMetricsF metrics(font);
        const QString text = QString::fromStdString(label.text);
        const double left =
            label.box.left + (label.box.width - metrics.horizontalAdvance(text)) / 2;
        const double baseline =
            label.box.top + (label.box.height - metrics.height()) / 2 + metrics.ascent();
        const QRectF expected = metrics.tightBoundingRect(text).translated(left, baseline);
        const QRect area =
            QRectF(label.box.left, label.box.top, label.box.width, label.box.height).toRect();
        const QColor ink(label.colour.red, label.colour.green, label.colour.blue);
        const QRect found = inkBounds(image, area, ink);
        const QString where = QStringLiteral("%1: ink %2,%3 to %4,%5, expected %6,%7 to %8,%9")
                                  .arg(text)
                                  .arg(found.left())
                                  .arg(found.top())
                                  .arg(found.right() + 1)
                                  .arg(found.bottom() + 1)
                                  .arg(expected.left())
                                  .arg(expected.top())
                                  .arg(expected.right())
                                  .arg(expected.bottom());
        QVERIFY2(!found.isEmpty(), qPrintable(where));
        QVERIFY2(std::abs(found.left() - expected.left()) <= 2.0, qPrintable(where));
        QVERIFY2(std::abs(found.right() + 1 - expected.right()) <= 2.0, qPrintable(where));
        QVERIFY2(std::abs(found.top() - expected.top()) <= 2.0, qPrintable(where));
        QVERIFY2(std::abs(found.bottom() + 1 - expected.bottom()) <= 2.0, qPrintable(where));
    }
}

void SolutionWindowTest::escapeClosesTheWindow()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!m_window->isVisible());
}

void SolutionWindowTest::ctrlCCopiesAllTheStepsAsText()
{
    auto* steps = m_window->findChild<QListWidget*>(QStringLiteral("SolutionSteps"));
    QVERIFY(steps->hasFocus());
    QCOMPARE(steps->count(), 3); // one line an item
    QVERIFY(steps->selectedItems().isEmpty());
    QTest::keyClick(steps, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("b = 4\nP = 12\nS = 6"));

    auto* view = m_window->findChild<SolutionDrawingView*>(QStringLiteral("SolutionDrawing"));
    view->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("b = 4\nP = 12\nS = 6"));
}

void SolutionWindowTest::ctrlCWithASelectionCopiesTheSelection()
{
    auto* steps = m_window->findChild<QListWidget*>(QStringLiteral("SolutionSteps"));
    steps->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    const struct {
        const char* name;
        QKeyCombination key;
        QString copied;
    } rows[] = {
        {"the arrow selects the line it moves to", Qt::Key_Down, QStringLiteral("P = 12")},
        {"Shift and the arrow add the next line", QKeyCombination(Qt::ShiftModifier, Qt::Key_Down),
         QStringLiteral("P = 12\nS = 6")},
        {"Ctrl+A selects every line", QKeyCombination(Qt::ControlModifier, Qt::Key_A),
         QStringLiteral("b = 4\nP = 12\nS = 6")},
    };
    for (const auto& row : rows) {
        QTest::keyClick(steps, row.key.key(), row.key.keyboardModifiers());
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(steps, Qt::Key_C, Qt::ControlModifier);
        QVERIFY2(QGuiApplication::clipboard()->text() == row.copied, row.name);
    }
}

void SolutionWindowTest::theMenuEntryCopiesTheDrawingAsAPicture()
{
    auto* view = m_window->findChild<SolutionDrawingView*>(QStringLiteral("SolutionDrawing"));
    QAction* copy = m_window->findChild<QAction*>(QStringLiteral("CopyDrawing"));
    QVERIFY(copy);
    QVERIFY(view->actions().contains(copy));
    QCOMPARE(copy->text(), QStringLiteral("Копирай чертежа като картина"));
    copy->trigger();
    const QImage picture = QGuiApplication::clipboard()->image();
    QCOMPARE(picture.size(), view->size() * 2);
    // The triangle is in it: the hypotenuse runs level through the middle, in black.
    QVERIFY(isInk(picture.pixel(picture.width() / 2, picture.height() / 2), Qt::black));
}

void SolutionWindowTest::theDrawingIsDescribedForAScreenReader()
{
    auto* view = m_window->findChild<SolutionDrawingView*>(QStringLiteral("SolutionDrawing"));
    QCOMPARE(view->accessibleName(), QStringLiteral("Чертеж на триъгълника"));
    // The page's words for its drawing, as the page has them.
    m_window->showPage({fromLegs(3, 4), "", "описание", "", false}, bulgarian());
    QCOMPARE(view->accessibleDescription(), QStringLiteral("описание"));
}

void SolutionWindowTest::withoutATriangleTheDrawingSaysHowToGetOne()
{
    m_window->showPage({std::nullopt, "", "", "Няма изчислен триъгълник.", false}, bulgarian());
    auto* view = m_window->findChild<SolutionDrawingView*>(QStringLiteral("SolutionDrawing"));
    QVERIFY(view->displayList().labels.empty());
    QCOMPARE(view->accessibleDescription(), QStringLiteral("Няма изчислен триъгълник."));
    QCOMPARE(m_window->stepsText(), QString());
}

void SolutionWindowTest::theZoomAndCtrlWheelScaleTheStepsAndTheDrawing()
{
    // The steps' face is 18 pixels and the drawing's labels 14: a 720 × 400 pane is too low
    // for its own size, min(w, h) / 32 = 12.5, to pass 14. A zoom multiplies both.
    auto* split = m_window->findChild<QSplitter*>(QStringLiteral("SolutionSplit"));
    split->setSizes({400, split->height() - 400 - split->handleWidth()});
    auto* steps = m_window->findChild<QListWidget*>(QStringLiteral("SolutionSteps"));
    auto* drawing = m_window->findChild<SolutionDrawingView*>(QStringLiteral("SolutionDrawing"));
    QVERIFY(steps && drawing);
    QCOMPARE(drawing->height(), 400);
    QCOMPARE(steps->font().pixelSize(), 18);
    QCOMPARE(drawing->displayList().fontPixels, 14.0);

    for (int i = 0; i < 3; ++i)
        m_window->zoomIn();
    QCOMPARE(m_window->zoomPercent(), 150);
    QCOMPARE(steps->font().pixelSize(), 27);
    QCOMPARE(drawing->displayList().fontPixels, 21.0);

    // A notch away from the user with Ctrl over the steps, two toward over the drawing.
    const auto wheel = [](QWidget* target, int notches, Qt::KeyboardModifiers keys) {
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, keys, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    };
    wheel(steps->viewport(), 1, Qt::ControlModifier);
    QCOMPARE(m_window->zoomPercent(), 175);
    QCOMPARE(steps->font().pixelSize(), 32); // 31.5, rounded
    wheel(drawing, -2, Qt::ControlModifier);
    QCOMPARE(m_window->zoomPercent(), 125);
    QCOMPARE(drawing->displayList().fontPixels, 17.5);
    wheel(steps->viewport(), 1, Qt::NoModifier);
    QCOMPARE(m_window->zoomPercent(), 125);

    m_window->zoomReset();
    QCOMPARE(steps->font().pixelSize(), 18);
    QCOMPARE(drawing->displayList().fontPixels, 14.0);
}

QTEST_MAIN(SolutionWindowTest)
#include "solution_window_test.moc"
