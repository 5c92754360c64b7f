#include "window/win32/solution_printer.h"

#include "window/text/refusal_message.h"
#include "window/text/ui_texts.h"
#include "window/win32/child_windows.h"
#include "window/win32/drawing_pane.h"
#include "window/win32/gdi_object.h"
#include "window/win32/wide_text.h"

// The print dialog's structure is declared only where the COM macros are, which
// WIN32_LEAN_AND_MEAN leaves out.
#include <objbase.h>

#include <commdlg.h>
#include <winspool.h>

#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace triangle::win32 {

namespace {

constexpr wchar_t PdfPrinter[] = L"Microsoft Print to PDF";

PrintDialogs* current = nullptr;

// The page's face: Arial on Windows, where it has the roots, the subscripts and the Greek
// letters; else the first face that has them.
const wchar_t* pageFace()
{
    static const wchar_t* face =
        FaceWithGlyphs({L"Arial", L"Liberation Sans", L"Segoe UI", L"DejaVu Sans"},
                       L"\u221A\u00B2\u2081\u03B1\u03B2\u2032");
    return face;
}

// The page's fonts, made once each, for measuring and drawing in one device context.
class PageFonts {
public:
    HFONT get(const print::PrintFont& font)
    {
        const std::pair<long, bool> key{std::lround(font.pixels), font.bold};
        auto found = m_fonts.find(key);
        if (found == m_fonts.end())
            found = m_fonts
                        .emplace(key, Font(CreateFontW(-key.first, 0, 0, 0,
                                                       font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                                       FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                                                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                                       DEFAULT_PITCH | FF_SWISS, pageFace())))
                        .first;
        return found->second.get();
    }

private:
    std::map<std::pair<long, bool>, Font> m_fonts;
};

class GdiMeasure : public print::TextMeasure {
public:
    explicit GdiMeasure(HDC dc) : m_dc(dc) {}
    double lineHeight(const print::PrintFont& font) const override
    {
        SelectedObject selected(m_dc, m_fonts.get(font));
        TEXTMETRICW metrics{};
        GetTextMetricsW(m_dc, &metrics);
        return metrics.tmHeight + metrics.tmExternalLeading;
    }
    double textWidth(std::string_view text, const print::PrintFont& font) const override
    {
        SelectedObject selected(m_dc, m_fonts.get(font));
        const std::wstring wide = Widen(text);
        SIZE size{};
        GetTextExtentPoint32W(m_dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return size.cx;
    }

private:
    HDC m_dc;
    mutable PageFonts m_fonts;
};

std::optional<std::wstring> savePath(HWND owner, const char* title, const char* name,
                                     const char* filter, const wchar_t* extension)
{
    std::wstring file = Widen(name);
    file.resize(MAX_PATH * 4, L'\0');
    // The filter's name and its pattern, each ending in a null, and a null after the last.
    const std::wstring filters = Widen(filter) + L'\0' + L"*." + extension + L'\0' + L'\0';
    const std::wstring caption = Widen(title);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = caption.c_str();
    dialog.lpstrDefExt = extension;
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog))
        return std::nullopt;
    file.resize(file.find(L'\0'));
    return file;
}

void tellFailed(HWND owner, const std::wstring& path)
{
    std::string message = texts::PrintFileFailed;
    Fill(message, "path", Narrow(path));
    Dialogs().tell(owner, message);
}

// Every page into a printer's context, as one document; into `output` where it names a file.
bool printInto(HDC dc, const SolutionPage& page, const NumberFormat& region, const wchar_t* output)
{
    const print::PageSize size{static_cast<double>(GetDeviceCaps(dc, PHYSICALWIDTH)),
                               static_cast<double>(GetDeviceCaps(dc, PHYSICALHEIGHT)),
                               static_cast<double>(GetDeviceCaps(dc, LOGPIXELSY))};
    if (size.width <= 0 || size.height <= 0 || size.dotsPerInch <= 0)
        return false;
    const POINT origin{-GetDeviceCaps(dc, PHYSICALOFFSETX), -GetDeviceCaps(dc, PHYSICALOFFSETY)};
    const print::PrintedSolution printed = ComposePages(dc, page, region, Today(), size);
    const std::wstring name = Widen(texts::SolutionTitle);
    DOCINFOW document{};
    document.cbSize = sizeof(document);
    document.lpszDocName = name.c_str();
    document.lpszOutput = output;
    if (StartDocW(dc, &document) <= 0)
        return false;
    for (std::size_t i = 0; i < printed.pages.size(); ++i) {
        if (StartPage(dc) <= 0) {
            AbortDoc(dc);
            return false;
        }
        PaintPage(dc, printed, i, page, region, origin);
        if (EndPage(dc) <= 0) {
            AbortDoc(dc);
            return false;
        }
    }
    return EndDoc(dc) > 0;
}

// A context on "Microsoft Print to PDF" with A4 portrait paper.
HDC pdfPrinterContext()
{
    HANDLE printer = nullptr;
    if (!OpenPrinterW(const_cast<wchar_t*>(PdfPrinter), &printer, nullptr))
        return nullptr;
    const LONG bytes = DocumentPropertiesW(nullptr, printer, const_cast<wchar_t*>(PdfPrinter),
                                           nullptr, nullptr, 0);
    std::vector<unsigned char> buffer(bytes > 0 ? static_cast<std::size_t>(bytes) : 0);
    auto* mode = reinterpret_cast<DEVMODEW*>(buffer.data());
    if (buffer.empty() || DocumentPropertiesW(nullptr, printer, const_cast<wchar_t*>(PdfPrinter),
                                              mode, nullptr, DM_OUT_BUFFER) != IDOK) {
        ClosePrinter(printer);
        return nullptr;
    }
    mode->dmFields |= DM_PAPERSIZE | DM_ORIENTATION;
    mode->dmPaperSize = DMPAPER_A4;
    mode->dmOrientation = DMORIENT_PORTRAIT;
    DocumentPropertiesW(nullptr, printer, const_cast<wchar_t*>(PdfPrinter), mode, mode,
                        DM_IN_BUFFER | DM_OUT_BUFFER);
    ClosePrinter(printer);
    return CreateDCW(L"WINSPOOL", PdfPrinter, nullptr, mode);
}

} // namespace

std::optional<std::wstring> PrintDialogs::pdfPath(HWND owner)
{
    return savePath(owner, texts::PrintPdfTitle, texts::PrintPdfName, texts::PrintPdfFilter,
                    L"pdf");
}

std::optional<std::wstring> PrintDialogs::picturePath(HWND owner)
{
    return savePath(owner, texts::PrintPictureTitle, texts::PrintPictureName,
                    texts::PrintPictureFilter, L"png");
}

HDC PrintDialogs::choosePrinter(HWND owner)
{
    PRINTDLGEXW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_NOCURRENTPAGE;
    dialog.nCopies = 1;
    dialog.nStartPage = START_PAGE_GENERAL;
    const HRESULT result = PrintDlgExW(&dialog);
    if (dialog.hDevMode)
        GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames)
        GlobalFree(dialog.hDevNames);
    if (SUCCEEDED(result) && dialog.dwResultAction == PD_RESULT_PRINT)
        return dialog.hDC;
    if (dialog.hDC)
        DeleteDC(dialog.hDC);
    return nullptr;
}

void PrintDialogs::tell(HWND owner, const std::string& message)
{
    MessageBoxW(owner, Widen(message).c_str(), Widen(texts::ApplicationName).c_str(),
                MB_OK | MB_ICONWARNING);
}

PrintDialogs& Dialogs()
{
    static PrintDialogs system;
    return current ? *current : system;
}

UsePrintDialogs::UsePrintDialogs(PrintDialogs& dialogs) : m_previous(current)
{
    current = &dialogs;
}

UsePrintDialogs::~UsePrintDialogs()
{
    current = m_previous;
}

print::PrintedSolution ComposePages(HDC dc, const SolutionPage& page, const NumberFormat& region,
                                    const std::string& date, const print::PageSize& size)
{
    const GdiMeasure measure(dc);
    return print::ComposeSolutionPages(page, region, date, size, measure);
}

void PaintPage(HDC dc, const print::PrintedSolution& printed, std::size_t index,
               const SolutionPage& page, const NumberFormat& region, POINT origin)
{
    const print::PrintedPage& sheet = printed.pages.at(index);
    if (sheet.drawing && page.triangle) {
        drawing::Box box = *sheet.drawing;
        box.left += origin.x;
        box.top += origin.y;
        DrawTriangleInto(dc, box, *page.triangle, region, printed.drawingScale,
                         {page.projections, page.angleMinutes, page.cevians, page.exact});
    }
    PageFonts fonts;
    const int mode = SetBkMode(dc, TRANSPARENT);
    const COLORREF colour = SetTextColor(dc, RGB(0, 0, 0));
    const UINT align = SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    for (const print::PrintedText& text : sheet.texts) {
        SelectedObject selected(dc, fonts.get(text.font));
        const std::wstring wide = Widen(text.text);
        TextOutW(dc, static_cast<int>(std::lround(text.x)) + origin.x,
                 static_cast<int>(std::lround(text.y)) + origin.y, wide.c_str(),
                 static_cast<int>(wide.size()));
    }
    SetTextAlign(dc, align);
    SetTextColor(dc, colour);
    SetBkMode(dc, mode);
}

std::string Today()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return print::PrintDate(now.wYear, now.wMonth, now.wDay);
}

bool CanSavePdf()
{
    DWORD bytes = 0;
    DWORD count = 0;
    const DWORD where = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    EnumPrintersW(where, nullptr, 4, nullptr, 0, &bytes, &count);
    if (bytes == 0)
        return false;
    std::vector<unsigned char> buffer(bytes);
    if (!EnumPrintersW(where, nullptr, 4, buffer.data(), bytes, &bytes, &count))
        return false;
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i)
        if (printers[i].pPrinterName && std::wstring_view(printers[i].pPrinterName) == PdfPrinter)
            return true;
    return false;
}

void PrintSolution(HWND owner, const SolutionPage& page, const NumberFormat& region)
{
    HDC printer = Dialogs().choosePrinter(owner);
    if (!printer)
        return;
    if (!printInto(printer, page, region, nullptr))
        Dialogs().tell(owner, texts::PrintFailed);
    DeleteDC(printer);
}

void SaveSolutionPdf(HWND owner, const SolutionPage& page, const NumberFormat& region)
{
    if (!CanSavePdf()) {
        Dialogs().tell(owner, texts::PrintNoPdfPrinter);
        return;
    }
    const std::optional<std::wstring> path = Dialogs().pdfPath(owner);
    if (!path)
        return;
    HDC printer = pdfPrinterContext();
    if (!printer || !printInto(printer, page, region, path->c_str()))
        tellFailed(owner, *path);
    if (printer)
        DeleteDC(printer);
}

void SaveDrawingPicture(HWND owner, const SolutionPage& page, const DrawingPane& drawing)
{
    if (!page.triangle) {
        Dialogs().tell(owner, texts::PrintNothing);
        return;
    }
    const std::optional<std::wstring> path = Dialogs().picturePath(owner);
    if (path && !drawing.savePicture(*path))
        tellFailed(owner, *path);
}

void WriteSolution(menu::Command command, HWND owner, const SolutionPage& page,
                   const NumberFormat& region, const DrawingPane& drawing)
{
    if (command == menu::Command::Print)
        PrintSolution(owner, page, region);
    else if (command == menu::Command::SavePdf)
        SaveSolutionPdf(owner, page, region);
    else if (command == menu::Command::SavePicture)
        SaveDrawingPicture(owner, page, drawing);
}

} // namespace triangle::win32
