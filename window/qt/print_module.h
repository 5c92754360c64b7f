#pragma once

// The printer and its dialog, the one part of printing that needs QtPrintSupport, kept in a
// library of its own that the program loads when it first prints: the library and the
// toolkit's printing module stay out of the program's start. Saving a PDF or a picture needs
// neither.

#include <QString>
#include <QStringList>

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
    QString file; // the library's file, where it was loaded from

    bool loaded() const { return newPrinter && deletePrinter && device && showPrintDialog; }
};

// Where a program in `programDir` looks for the library, in order: beside it (the build tree
// keeps the two together); where it is installed, <prefix>/bin/triangle-solver finding
// <prefix>/lib/triangle-solver/plugins/libtriangle_print.so; and where it was built, for the
// tests that run from folders of their own.
QStringList PrintModulePlaces(const QString& programDir);

// Loads the library on the first call from the first of the program's places that holds it.
const PrintModule& LoadPrintModule();

} // namespace triangle
