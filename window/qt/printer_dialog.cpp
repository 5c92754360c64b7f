// The printing library: the printer and the system's print dialog, loaded by the program
// when it first prints (see print_module.h). Plain C names, so that they are found by name.
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

extern "C" {

Q_DECL_EXPORT QPrinter* TriangleNewPrinter()
{
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}));
    // The pages keep their own margins: the painter starts at the sheet's corner.
    printer->setFullPage(true);
    return printer;
}

Q_DECL_EXPORT void TriangleDeletePrinter(QPrinter* printer)
{
    delete printer;
}

Q_DECL_EXPORT QPagedPaintDevice* TrianglePrinterDevice(QPrinter* printer)
{
    return printer;
}

Q_DECL_EXPORT bool TriangleShowPrintDialog(QPrinter* printer, QWidget* parent)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // extern "C"
