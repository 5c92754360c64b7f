#pragma once

#include "solver/number/number_format.h"
#include "window/menu/menu_bar.h"
#include "window/print/solution_pages.h"
#include "window/solution/solution_page.h"

#include <windows.h>

#include <optional>
#include <string>

namespace triangle::win32 {

class DrawingPane;

// The system's dialogs that printing and saving ask, behind an interface so that a test
// gives a path or a printer's device context without a modal dialog.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    // Where to write the PDF or the picture (GetSaveFileNameW), or nothing where the user
    // cancelled.
    virtual std::optional<std::wstring> pdfPath(HWND owner);
    virtual std::optional<std::wstring> picturePath(HWND owner);
    // The device context of the printer and paper chosen in the print dialog (PrintDlgExW),
    // the caller's to delete; null where the user cancelled.
    virtual HDC choosePrinter(HWND owner);
    // Says what went wrong or why nothing is done, in a message box.
    virtual void tell(HWND owner, const std::string& message);
};

// The dialogs the windows ask: the system's own, or a test's for as long as a
// UsePrintDialogs lives.
PrintDialogs& Dialogs();

class UsePrintDialogs {
public:
    explicit UsePrintDialogs(PrintDialogs& dialogs);
    ~UsePrintDialogs();
    UsePrintDialogs(const UsePrintDialogs&) = delete;
    UsePrintDialogs& operator=(const UsePrintDialogs&) = delete;

private:
    PrintDialogs* m_previous;
};

// The pages of `page` on a sheet of `size`, measured with GDI in the device context's fonts.
print::PrintedSolution ComposePages(HDC dc, const SolutionPage& page, const NumberFormat& region,
                                    const std::string& date, const print::PageSize& size);
// Page `index` drawn into any device context: its texts with GDI, its drawing with GDI+.
// `origin` is where the sheet's corner lies in the context's coordinates (a printer's context
// starts at its printable area).
void PaintPage(HDC dc, const print::PrintedSolution& printed, std::size_t index,
               const SolutionPage& page, const NumberFormat& region, POINT origin = {0, 0});

// Today's date as the header writes it.
std::string Today();

// Whether the system's printer "Microsoft Print to PDF" is there (Windows 10 and later);
// without it a PDF is not saved.
bool CanSavePdf();

// Through the print dialog, on the paper the user chooses.
void PrintSolution(HWND owner, const SolutionPage& page, const NumberFormat& region);
// Through "Microsoft Print to PDF" into the file the save dialog names, on A4 portrait.
void SaveSolutionPdf(HWND owner, const SolutionPage& page, const NumberFormat& region);
// The pane's drawing as a PNG at twice its size, into the file the save dialog names.
void SaveDrawingPicture(HWND owner, const SolutionPage& page, const DrawingPane& drawing);
// "Печат…", "Запази като PDF…" or "Запази чертежа като картина…" of the solution shown.
void WriteSolution(menu::Command command, HWND owner, const SolutionPage& page,
                   const NumberFormat& region, const DrawingPane& drawing);

} // namespace triangle::win32
