#include "window/qt/print_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace triangle {

QStringList PrintModulePlaces(const QString& programDir)
{
    const QString name = QStringLiteral(TRIANGLE_PRINT_MODULE);
    // TRIANGLE_PRINT_MODULE_DIR is the plugins' folder relative to the programs' folder.
    return {QDir::cleanPath(programDir + QLatin1Char('/') + name),
            QDir::cleanPath(programDir + QStringLiteral("/" TRIANGLE_PRINT_MODULE_DIR "/") + name),
            QStringLiteral(TRIANGLE_PRINT_MODULE_BUILT)};
}

namespace {

PrintModule load()
{
    for (const QString& place : PrintModulePlaces(QCoreApplication::applicationDirPath())) {
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
        module.file = place;
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
