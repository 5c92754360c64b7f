#include "solver/element/element_solver.h"
#include "tests/triangle_from_legs.h"
#include "window/print/solution_pages.h"
#include "window/solution/solution_steps.h"
#include "window/win32/solution_printer.h"
#include "window/win32/solution_window.h"
#include "window/win32/wide_text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

using namespace triangle;

namespace {

NumberFormat bulgarian()
{
    NumberFormat f;
    f.decimalSeparator = ",";
    f.groupSeparator = "\u00A0";
    return f;
}

// Legs a = 1 and b = 2, as the window of any two elements works them: c = √5 ≈ 2,236.
SolutionPage legsOneAndTwo()
{
    return ElementSolutionPageOf(Element::a, 1.0, Element::b, 2.0, "", bulgarian());
}

// A page drawn into an enhanced metafile, as a printer's context would take it: the texts of
// its EMR_EXTTEXTOUTW records, and the page played back into a bitmap.
struct Recorded {
    std::vector<std::string> texts;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0x00RRGGBB, top-down
};

int CALLBACK readText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data)
{
    if (record->iType == EMR_EXTTEXTOUTW) {
        const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const auto* characters = reinterpret_cast<const wchar_t*>(
            reinterpret_cast<const unsigned char*>(record) + text->emrtext.offString);
        reinterpret_cast<std::vector<std::string>*>(data)->push_back(
            win32::Narrow(std::wstring_view(characters, text->emrtext.nChars)));
    }
    return 1;
}

Recorded record(const SolutionPage& page, std::size_t index, std::size_t* pages = nullptr)
{
    // The frame of an A4 sheet, in hundredths of a millimetre.
    const RECT a4{0, 0, 21000, 29700};
    HDC dc = CreateEnhMetaFileW(nullptr, nullptr, &a4, nullptr);
    const double dpi = GetDeviceCaps(dc, LOGPIXELSY);
    const print::PrintedSolution printed =
        win32::ComposePages(dc, page, bulgarian(), "10.12.2026 г.", print::A4Portrait(dpi));
    if (pages)
        *pages = printed.pages.size();
    win32::PaintPage(dc, printed, index, page, bulgarian());
    HENHMETAFILE metafile = CloseEnhMetaFile(dc);

    Recorded recorded;
    EnumEnhMetaFile(nullptr, metafile, readText, &recorded.texts, nullptr);
    recorded.width = static_cast<int>(printed.size.width);
    recorded.height = static_cast<int>(printed.size.height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = recorded.width;
    info.bmiHeader.biHeight = -recorded.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const RECT sheet{0, 0, recorded.width, recorded.height};
    FillRect(memory, &sheet, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    // The sheet's frame played onto the sheet's pixels.
    PlayEnhMetaFile(memory, metafile, &sheet);
    GdiFlush();
    const auto* words = static_cast<const std::uint32_t*>(bits);
    recorded.pixels.assign(words, words + recorded.width * recorded.height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    DeleteEnhMetaFile(metafile);
    return recorded;
}

bool holds(const std::vector<std::string>& texts, const std::string& text)
{
    for (const std::string& line : texts)
        if (line.find(text) != std::string::npos)
            return true;
    return false;
}

// The dialogs answered at once, the files in the temporary folder; any message kept.
class TestDialogs : public win32::PrintDialogs {
public:
    std::optional<std::wstring> pdfPath(HWND) override { return folder() + L"решение.pdf"; }
    std::optional<std::wstring> picturePath(HWND) override { return folder() + L"чертеж.png"; }
    HDC choosePrinter(HWND) override { return nullptr; }
    void tell(HWND, const std::string& message) override { messages.push_back(message); }

    static std::wstring folder()
    {
        wchar_t path[MAX_PATH];
        GetTempPathW(MAX_PATH, path);
        return path;
    }

    std::vector<std::string> messages;
};

std::vector<unsigned char> contents(const std::wstring& path)
{
    std::vector<unsigned char> bytes;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return bytes;
    for (int c; (c = std::fgetc(file)) != EOF;)
        bytes.push_back(static_cast<unsigned char>(c));
    std::fclose(file);
    return bytes;
}

std::uint32_t bigEndian(const std::vector<unsigned char>& bytes, std::size_t at)
{
    return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
           (std::uint32_t{bytes[at + 2]} << 8) | std::uint32_t{bytes[at + 3]};
}

TEST(PrintWin32, TheMetafilesTextHoldsTheGivenValuesTheStepsAndThePageNumber)
{
    std::size_t pages = 0;
    const Recorded page = record(legsOneAndTwo(), 0, &pages);
    const std::string number = "Страница 1 от " + std::to_string(pages);
    for (const char* expected : {"Правоъгълен триъгълник", "10.12.2026 г.",
                                 "Дадени: a = 1,000 и b = 2,000.", "√5", "2,236", number.c_str()})
        EXPECT_TRUE(holds(page.texts, expected)) << expected;
}

TEST(PrintWin32, ThePlayedBackPageHasItsInkInsideTheMargins)
{
    const Recorded page = record(legsOneAndTwo(), 0);
    // 20 mm of the sheet's 210.
    const int margin = 20 * page.width / 210;
    int left = page.width, top = page.height, right = -1, bottom = -1, coloured = 0;
    for (int y = 0; y < page.height; ++y)
        for (int x = 0; x < page.width; ++x) {
            const std::uint32_t pixel = page.pixels[y * page.width + x] & 0xFFFFFF;
            if (pixel == 0xFFFFFF)
                continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
            const int red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
            coloured += std::max({red, green, blue}) - std::min({red, green, blue}) > 60;
        }
    EXPECT_GT(coloured, 200) << "the drawing is missing";
    EXPECT_GE(left, margin);
    EXPECT_GE(top, margin);
    EXPECT_LE(right, page.width - margin);
    EXPECT_LE(bottom, page.height - margin);
    if (const char* folder = std::getenv("TRIANGLE_CAPTURE_DIR")) {
        BITMAPINFOHEADER header{};
        header.biSize = sizeof(header);
        header.biWidth = page.width;
        header.biHeight = -page.height;
        header.biPlanes = 1;
        header.biBitCount = 32;
        BITMAPFILEHEADER file{};
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof(file) + sizeof(header);
        file.bfSize = file.bfOffBits + static_cast<DWORD>(page.pixels.size() * 4);
        std::ofstream out(std::string(folder) + "/printed-page.bmp", std::ios::binary);
        out.write(reinterpret_cast<const char*>(&file), sizeof(file));
        out.write(reinterpret_cast<const char*>(&header), sizeof(header));
        out.write(reinterpret_cast<const char*>(page.pixels.data()),
                  static_cast<std::streamsize>(page.pixels.size() * 4));
    }
}

TEST(PrintWin32, ALongSolutionsSecondPageHasItsNumber)
{
    SolutionPage page = legsOneAndTwo();
    for (int i = 1; i <= 50; ++i)
        page.steps += "\nc = √(a² + b²) = √5 ≈ 2,236 (" + std::to_string(i) + ")";
    std::size_t pages = 0;
    const Recorded second = record(page, 1, &pages);
    ASSERT_GE(pages, 2u);
    const std::string count = std::to_string(pages);
    EXPECT_TRUE(holds(second.texts, ("Страница 2 от " + count).c_str()));
    EXPECT_FALSE(holds(second.texts, "Дадени:"));
    const Recorded last = record(page, pages - 1);
    EXPECT_TRUE(holds(last.texts, ("Страница " + count + " от " + count).c_str()));
    bool fiftieth = false;
    for (std::size_t i = 1; i < pages; ++i)
        fiftieth = fiftieth || holds(record(page, i).texts, "(50)");
    EXPECT_TRUE(fiftieth);
}

class SavedFromTheWindow : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_window.Create(GetModuleHandleW(nullptr), nullptr));
        SetWindowPos(m_window.Window(), nullptr, 0, 0, 720, 720, SWP_NOZORDER);
        m_window.openBeside();
        m_window.showPage(legsOneAndTwo(), bulgarian());
    }
    void TearDown() override
    {
        DeleteFileW((TestDialogs::folder() + L"чертеж.png").c_str());
        DeleteFileW((TestDialogs::folder() + L"решение.pdf").c_str());
    }

    TestDialogs m_dialogs;
    win32::UsePrintDialogs m_using{m_dialogs};
    win32::SolutionWindow m_window;
};

TEST_F(SavedFromTheWindow, ThePictureIsAPngTwiceTheDrawingsSize)
{
    m_window.writeSolution(triangle::menu::Command::SavePicture);
    const std::vector<unsigned char> png = contents(TestDialogs::folder() + L"чертеж.png");
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(std::string(png.begin(), png.begin() + 8), std::string("\x89PNG\r\n\x1a\n", 8));
    RECT client{};
    GetClientRect(m_window.drawing(), &client);
    // The header's first chunk, IHDR, gives the width and the height.
    EXPECT_EQ(bigEndian(png, 16), static_cast<std::uint32_t>(2 * client.right));
    EXPECT_EQ(bigEndian(png, 20), static_cast<std::uint32_t>(2 * client.bottom));
    EXPECT_TRUE(m_dialogs.messages.empty());
}

TEST_F(SavedFromTheWindow, APdfIsWrittenOnlyWhereTheSystemsPdfPrinterIs)
{
    m_window.writeSolution(triangle::menu::Command::SavePdf);
    const std::vector<unsigned char> pdf = contents(TestDialogs::folder() + L"решение.pdf");
    if (win32::CanSavePdf()) {
        ASSERT_GE(pdf.size(), 5u);
        EXPECT_EQ(std::string(pdf.begin(), pdf.begin() + 5), "%PDF-");
        EXPECT_TRUE(m_dialogs.messages.empty());
    } else {
        // As under Wine, which has no such printer: said so, nothing written.
        EXPECT_TRUE(pdf.empty());
        ASSERT_EQ(m_dialogs.messages.size(), 1u);
        EXPECT_NE(m_dialogs.messages[0].find("Microsoft Print to PDF"), std::string::npos);
    }
}

} // namespace
