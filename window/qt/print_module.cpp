#include "window/qt/print_module.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>

namespace triangle {

namespace {

PrintModule load()
{
    const QString name = QStringLiteral(TRIANGLE_PRINT_MODULE);
    const QString here = QCoreApplication::applicationDirPath();
    // The build tree keeps it beside the program; an installed program finds it in its
    // library folder; the tests, run from a folder of their own, the one built.
    const QStringList places = {here + QLatin1Char('/') + name,
                                here + QStringLiteral("/" TRIANGLE_PRINT_MODULE_DIR "/") + name,
                                QStringLiteral(TRIANGLE_PRINT_MODULE_BUILT)};
    for (const QString& place : places) {
        QLibrary library(place);
        if (!library.load())
            continue;
        PrintModule module;
        module.newPrinter =
            reinterpret_cast<QPrinter* (*)()>(library.resolve("TriangleNewPrinter"));
        module.deletePrinter =
            reinterpret_cast<void (*)(QPrinter*)>(library.resolve("TriangleDeletePrinter"));
        module.device = reinterpret_cast<QPagedPaintDevice* (*)(QPrinter*)>(
            library.resolve("TrianglePrinterDevice"));
        module.showPrintDialog = reinterpret_cast<bool (*)(QPrinter*, QWidget*)>(
            library.resolve("TriangleShowPrintDialog"));
        // Left loaded for the rest of the run: its functions are kept.
        if (module.loaded())
            return module;
        library.unload();
    }
    return {};
}

} // namespace

const PrintModule& LoadPrintModule()
{
    static const PrintModule module = load();
    return module;
}

} // namespace triangle
