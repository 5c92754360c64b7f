#include "window/qt/solution_printer.h"

#include "window/drawing/solution_drawing.h"
#include "window/print/solution_pages.h"
#include "window/qt/layout_widgets.h"
#include "window/qt/print_module.h"
#include "window/qt/solution_drawing_view.h"
#include "window/text/refusal_message.h"
#include "window/text/ui_texts.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QImage>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

namespace triangle {

namespace {

// The resolution of a PDF: fine enough that text is placed as it is measured.
constexpr int PdfDotsPerInch = 300;

SolutionFileDialogs* current = nullptr;

QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The page's text in the drawing's sans face, measured as QPainter lays it out.
class QtMeasure : public print::TextMeasure {
public:
    double lineHeight(const print::PrintFont& font) const override
    {
        return QFontMetricsF(LabelFont(font.pixels, font.bold)).lineSpacing();
    }
    double textWidth(std::string_view text, const print::PrintFont& font) const override
    {
        return QFontMetricsF(LabelFont(font.pixels, font.bold)).horizontalAdvance(qs(text));
    }
};

std::optional<QString> savePath(QWidget* parent, const char* title, const char* name,
                                const char* filter)
{
    const QString path = QFileDialog::getSaveFileName(parent, Qs(title),
                                                      QDir::home().filePath(Qs(name)), Qs(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

void tellFailed(QWidget* parent, const QString& path)
{
    std::string message = texts::PrintFileFailed;
    Fill(message, "path", path.toStdString());
    FileDialogs().tell(parent, QString::fromStdString(message));
}

} // namespace

std::optional<QString> SolutionFileDialogs::pdfPath(QWidget* parent)
{
    return savePath(parent, texts::PrintPdfTitle, texts::PrintPdfName, texts::PrintPdfFilter);
}

std::optional<QString> SolutionFileDialogs::picturePath(QWidget* parent)
{
    return savePath(parent, texts::PrintPictureTitle, texts::PrintPictureName,
                    texts::PrintPictureFilter);
}

bool SolutionFileDialogs::choosePrinter(QPrinter& printer, QWidget* parent)
{
    return LoadPrintModule().showPrintDialog(&printer, parent);
}

void SolutionFileDialogs::tell(QWidget* parent, const QString& message)
{
    QMessageBox::warning(parent, Qs(texts::ApplicationName), message);
}

SolutionFileDialogs& FileDialogs()
{
    static SolutionFileDialogs system;
    return current ? *current : system;
}

UseFileDialogs::UseFileDialogs(SolutionFileDialogs& dialogs) : m_previous(current)
{
    current = &dialogs;
}

UseFileDialogs::~UseFileDialogs()
{
    current = m_previous;
}

bool PaintSolutionPages(QPagedPaintDevice& device, const SolutionPage& page,
                        const NumberFormat& region)
{
    const QDate today = QDate::currentDate();
    const QtMeasure measure;
    const print::PrintedSolution printed = print::ComposeSolutionPages(
        page, region, print::PrintDate(today.year(), today.month(), today.day()),
        {static_cast<double>(device.width()), static_cast<double>(device.height()),
         static_cast<double>(device.logicalDpiX())},
        measure);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (std::size_t i = 0; i < printed.pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        const print::PrintedPage& sheet = printed.pages[i];
        if (sheet.drawing && page.triangle) {
            const drawing::Box& box = *sheet.drawing;
            painter.save();
            painter.translate(box.left, box.top);
            PaintDisplayList(painter,
                             drawing::DrawSolution(*page.triangle, box.width, box.height,
                                                   printed.drawingScale, region, MeasureLabel,
                                                   page.projections, page.angleMinutes, 1.0,
                                                   page.cevians, &page.exact));
            painter.restore();
        }
        painter.setPen(Qt::black);
        for (const print::PrintedText& text : sheet.texts) {
            const QFont font = LabelFont(text.font.pixels, text.font.bold);
            painter.setFont(font);
            painter.drawText(QPointF(text.x, text.y + QFontMetricsF(font).ascent()), qs(text.text));
        }
    }
    return painter.end();
}

QImage DrawingPicture(const SolutionPage& page, const NumberFormat& region, QSize size)
{
    QImage picture(size * 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    if (page.triangle) {
        QPainter painter(&picture);
        PaintDisplayList(painter,
                         drawing::DrawSolution(*page.triangle, picture.width(), picture.height(),
                                               2.0, region, MeasureLabel, page.projections,
                                               page.angleMinutes, 1.0, page.cevians, &page.exact));
    }
    return picture;
}

bool PrintSolution(QWidget* parent, const SolutionPage& page, const NumberFormat& region)
{
    const PrintModule& module = LoadPrintModule();
    if (!module.loaded()) {
        FileDialogs().tell(parent, Qs(texts::PrintFailed));
        return false;
    }
    const std::unique_ptr<QPrinter, void (*)(QPrinter*)> printer(module.newPrinter(),
                                                                 module.deletePrinter);
    if (!FileDialogs().choosePrinter(*printer, parent))
        return false;
    if (PaintSolutionPages(*module.device(printer.get()), page, region))
        return true;
    FileDialogs().tell(parent, Qs(texts::PrintFailed));
    return false;
}

bool SaveSolutionPdf(QWidget* parent, const SolutionPage& page, const NumberFormat& region)
{
    const std::optional<QString> path = FileDialogs().pdfPath(parent);
    if (!path)
        return false;
    {
        QPdfWriter pdf(*path);
        pdf.setResolution(PdfDotsPerInch);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}));
        pdf.setTitle(Qs(texts::SolutionTitle));
        pdf.setCreator(Qs(texts::ApplicationName));
        if (PaintSolutionPages(pdf, page, region))
            return true;
    }
    tellFailed(parent, *path);
    return false;
}

bool SaveDrawingPicture(QWidget* parent, const QImage& picture)
{
    if (picture.isNull()) {
        FileDialogs().tell(parent, Qs(texts::PrintNothing));
        return false;
    }
    const std::optional<QString> path = FileDialogs().picturePath(parent);
    if (!path)
        return false;
    if (picture.save(*path, "PNG"))
        return true;
    tellFailed(parent, *path);
    return false;
}

void WriteSolution(menu::Command command, QWidget* parent, const SolutionPage& page,
                   const NumberFormat& region, const std::function<QImage()>& picture)
{
    if (command == menu::Command::Print)
        PrintSolution(parent, page, region);
    else if (command == menu::Command::SavePdf)
        SaveSolutionPdf(parent, page, region);
    else if (command == menu::Command::SavePicture)
        SaveDrawingPicture(parent, page.triangle ? picture() : QImage());
}

} // namespace triangle
