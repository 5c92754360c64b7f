#pragma once

#include "solver/number/number_format.h"
#include "window/menu/menu_bar.h"
#include "window/solution/solution_page.h"

#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class QImage;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace triangle {

// The system's dialogs that printing and saving ask, behind an interface so that a test
// gives a path or a printer without a modal dialog.
class SolutionFileDialogs {
public:
    virtual ~SolutionFileDialogs() = default;
    // Where to write the PDF, or nothing where the user cancelled.
    virtual std::optional<QString> pdfPath(QWidget* parent);
    // Where to write the drawing as a PNG picture, or nothing.
    virtual std::optional<QString> picturePath(QWidget* parent);
    // The printer and paper chosen in the print dialog; false where the user cancelled.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent);
    // Says what went wrong, in a message box.
    virtual void tell(QWidget* parent, const QString& message);
};

// The dialogs the windows ask: the system's own, or a test's for as long as a
// UseFileDialogs lives.
SolutionFileDialogs& FileDialogs();

class UseFileDialogs {
public:
    explicit UseFileDialogs(SolutionFileDialogs& dialogs);
    ~UseFileDialogs();
    UseFileDialogs(const UseFileDialogs&) = delete;
    UseFileDialogs& operator=(const UseFileDialogs&) = delete;

private:
    SolutionFileDialogs* m_previous;
};

// The solution's pages, composed at the device's size and resolution, painted on it with
// QPainter (the text as text, selectable in a PDF); false where the device cannot be painted.
bool PaintSolutionPages(QPagedPaintDevice& device, const SolutionPage& page,
                        const NumberFormat& region);

// The drawing at `size` logical pixels, painted at twice that many, as the picture saved.
QImage DrawingPicture(const SolutionPage& page, const NumberFormat& region, QSize size);

// Through the print dialog, on A4 portrait unless the user chooses other paper.
bool PrintSolution(QWidget* parent, const SolutionPage& page, const NumberFormat& region);
// A4 portrait as a PDF, to the file the save dialog names.
bool SaveSolutionPdf(QWidget* parent, const SolutionPage& page, const NumberFormat& region);
// The picture as a PNG, to the file the save dialog names; a null picture, where there is no
// triangle, is refused with a message.
bool SaveDrawingPicture(QWidget* parent, const QImage& picture);

// "Печат…", "Запази като PDF…" or "Запази чертежа като картина…" of the solution shown;
// `picture` draws the drawing, asked only for the picture and only where there is a triangle.
void WriteSolution(menu::Command command, QWidget* parent, const SolutionPage& page,
                   const NumberFormat& region, const std::function<QImage()>& picture);

} // namespace triangle
