#pragma once

// What a window does with the commands of its menu bar and keys. RunCommand gives each
// command to its action: one list for the three windows of both forms, each window doing only
// what it has and leaving the rest, which its menus never give.

#include "window/menu/menu_bar.h"
#include "window/zoom/zoom.h"

namespace triangle::menu {

class CommandTarget {
public:
    // "Печат…", "Запази като PDF…" and "Запази чертежа като картина…": the solution shown.
    virtual void writeSolution(Command command) = 0;
    // "Изход" of the main window, "Затвори" of a second one.
    virtual void closeWindow() = 0;
    // "Помощ" and "За програмата", one of each for the program.
    virtual void showHelp(Command command) = 0;

    virtual void openElements() {}
    virtual void openSolution() {}
    virtual void showWholeTriangle() {}
    // "Копирай …": the selected row, the elements, the steps or the drawing.
    virtual void copy(Command /*command*/) {}
    virtual void zoomIn() {}
    virtual void zoomOut() {}
    virtual void zoomReset() {}

protected:
    ~CommandTarget() = default;
};

// A second window's zoom: the keys' and the wheel's steps, the new factor given to the window
// to show.
class ZoomedTarget : public CommandTarget {
public:
    void zoomIn() override;
    void zoomOut() override;
    void zoomReset() override;
    // A turn of the wheel with Ctrl held, 120 a notch.
    void zoomWheel(int delta);
    int zoomPercent() const { return m_zoom.percent(); }

protected:
    ~ZoomedTarget() = default;

private:
    // The steps' face and the drawing's labels and strokes, at this factor of their size.
    virtual void applyZoom(double factor) = 0;

    Zoom m_zoom;
};

void RunCommand(CommandTarget& target, Command command);

} // namespace triangle::menu
