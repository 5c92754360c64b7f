#pragma once

// The printer and its dialog, the one part of printing that needs QtPrintSupport, kept in a
// library of its own that the program loads when it first prints: the library and the
// toolkit's printing module stay out of the program's start. Saving a PDF or a picture needs
// neither.

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace triangle {

// The functions of the printing library, resolved once; null members where it was not found.
struct PrintModule {
    // A high-resolution printer on A4 portrait, painted from the sheet's corner.
    QPrinter* (*newPrinter)() = nullptr;
    void (*deletePrinter)(QPrinter*) = nullptr;
    QPagedPaintDevice* (*device)(QPrinter*) = nullptr;
    // The system's print dialog for `printer`; false where the user cancelled.
    bool (*showPrintDialog)(QPrinter*, QWidget*) = nullptr;

    bool loaded() const { return newPrinter && deletePrinter && device && showPrintDialog; }
};

// Loads the library on the first call: beside the program, in its library folder where it is
// installed, or where it was built.
const PrintModule& LoadPrintModule();

} // namespace triangle
