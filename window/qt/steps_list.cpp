#include "window/qt/steps_list.h"

#include "window/qt/layout_widgets.h"
#include "window/qt/solution_drawing_view.h"
#include "window/text/spoken_text.h"
#include "window/text/ui_texts.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

namespace triangle {

StepsList::StepsList(QWidget* parent) : QListWidget(parent)
{
    setAccessibleName(Qs(texts::StepsName));
    setFont(LabelFont(18.0, false));
    // A long line (a refusal's explanation) wraps at the list's width instead of scrolling.
    setWordWrap(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setResizeMode(QListView::Adjust);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Shift and Ctrl with the arrows or the mouse select lines to copy; the arrows alone
    // move line by line.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
}

void StepsList::setSteps(const std::string& steps)
{
    clear();
    if (steps.empty())
        return;
    for (const QString& line : QString::fromStdString(steps).split(QLatin1Char('\n'))) {
        auto* item = new QListWidgetItem(line, this);
        // What a screen reader says for the line; the item shows the line itself.
        item->setData(Qt::AccessibleTextRole,
                      QString::fromStdString(SpokenLine(line.toStdString())));
    }
}

QString StepsList::stepsText() const
{
    QStringList lines;
    for (int i = 0; i < count(); ++i)
        lines << item(i)->text();
    return lines.join(QLatin1Char('\n'));
}

QString StepsList::selectedText() const
{
    QList<int> rows;
    for (const QListWidgetItem* line : selectedItems())
        rows << row(line);
    // Selected lines come in the order they were selected; copied, they keep the steps'.
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    for (int i : rows)
        lines << item(i)->text();
    return lines.join(QLatin1Char('\n'));
}

void StepsList::copy() const
{
    const QString selected = selectedText();
    QGuiApplication::clipboard()->setText(selectedItems().isEmpty() ? stepsText() : selected);
}

void StepsList::setZoom(double factor)
{
    setFont(LabelFont(18.0 * factor, false));
    // The wrapped lines take their new heights.
    scheduleDelayedItemsLayout();
}

void StepsList::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        emit zoomWheel(event->angleDelta().y());
        event->accept();
        return;
    }
    QListWidget::wheelEvent(event);
}

void StepsList::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    // The view tells a screen reader of its current line before the toolkit tells of the
    // view itself, and Orca then says the list's name and size but not the line the arrows
    // start from: told again once the view's focus is through.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus() && currentRow() >= 0 && QAccessible::isActive()) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(currentRow());
            QAccessible::updateAccessibility(&focus);
        }
    });
}

void StepsList::keyPressEvent(QKeyEvent* event)
{
    // The view's own Ctrl+C copies the current line only, selected or not.
    if (event->matches(QKeySequence::Copy)) {
        copy();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace triangle
