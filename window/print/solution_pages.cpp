#include "window/print/solution_pages.h"

#include "window/main_form/row_details.h"
#include "window/solution/solution_page.h"
#include "window/text/refusal_message.h"
#include "window/text/ui_texts.h"

#include <algorithm>
#include <cstdio>

namespace triangle::print {

namespace {

constexpr double MillimetresPerInch = 25.4;
constexpr double PointsPerInch = 72.0;
// The faces' sizes in points: the program's name, the text, and the page numbers.
constexpr double TitlePoints = 14.0;
constexpr double TextPoints = 11.0;
constexpr double FooterPoints = 9.0;
// The drawing's height as a part of the text's width, and at most of the text's height.
constexpr double DrawingAspect = 0.6;
constexpr double DrawingMostOfHeight = 0.5;
constexpr double ScreenDotsPerInch = 96.0;

// A piece that stays whole on one page: its lines, placed from its own top, or the drawing.
struct Block {
    std::vector<PrintedText> lines;
    double height = 0.0;
    bool drawing = false;
    // Space before it, left out at a page's top.
    double before = 0.0;
};

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The code points of a UTF-8 word, for a word wider than the line.
std::vector<std::string> codePoints(const std::string& word)
{
    std::vector<std::string> points;
    for (std::size_t i = 0; i < word.size();) {
        std::size_t length = 1;
        while (i + length < word.size() &&
               (static_cast<unsigned char>(word[i + length]) & 0xC0) == 0x80)
            ++length;
        points.push_back(word.substr(i, length));
        i += length;
    }
    return points;
}

// The line broken at spaces into rows no wider than `width`; a word wider than that is
// broken between its characters.
std::vector<std::string> wrap(const std::string& line, const PrintFont& font, double width,
                              const TextMeasure& measure)
{
    std::vector<std::string> rows;
    std::string row;
    const auto place = [&](const std::string& piece, const char* joint) {
        const std::string longer = row.empty() ? piece : row + joint + piece;
        if (row.empty() || measure.textWidth(longer, font) <= width) {
            row = longer;
            return;
        }
        rows.push_back(row);
        row = piece;
    };
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        const std::string word = line.substr(start, end - start);
        start = end + 1;
        if (measure.textWidth(word, font) <= width) {
            place(word, " ");
            continue;
        }
        place("", " ");
        for (const std::string& point : codePoints(word))
            place(point, "");
    }
    rows.push_back(row);
    return rows;
}

Block textBlock(const std::string& line, const PrintFont& font, double width,
                const TextMeasure& measure)
{
    Block block;
    const double height = measure.lineHeight(font);
    for (const std::string& row : wrap(line, font, width, measure)) {
        block.lines.push_back({row, 0.0, block.height, font});
        block.height += height;
    }
    return block;
}

bool endsWithColon(const std::string& line)
{
    return !line.empty() && line.back() == ':';
}

// Each line a block, an empty line space before the next, and a line that ends with a colon
// joined to the block after it; `together`, all the lines one block, kept on one page.
void addLines(std::vector<Block>& blocks, const std::vector<std::string>& lines,
              const PrintFont& font, double width, const TextMeasure& measure,
              bool together = false)
{
    double space = 0.0;
    bool join = false;
    for (const std::string& line : lines) {
        if (line.empty()) {
            space += measure.lineHeight(font) / 2;
            continue;
        }
        Block block = textBlock(line, font, width, measure);
        if (join) {
            Block& introduced = blocks.back();
            for (PrintedText& row : block.lines) {
                row.y += introduced.height;
                introduced.lines.push_back(row);
            }
            introduced.height += block.height;
        } else {
            block.before = space;
            blocks.push_back(std::move(block));
        }
        space = 0.0;
        join = together || endsWithColon(line);
    }
}

} // namespace

PageSize A4Portrait(double dotsPerInch)
{
    return {210.0 / MillimetresPerInch * dotsPerInch, 297.0 / MillimetresPerInch * dotsPerInch,
            dotsPerInch};
}

PrintedSolution ComposeSolutionPages(const SolutionPage& page, const NumberFormat& region,
                                     const std::string& date, const PageSize& size,
                                     const TextMeasure& measure)
{
    const double dots = size.dotsPerInch;
    const double margin = MarginMillimetres / MillimetresPerInch * dots;
    PrintedSolution printed;
    printed.size = size;
    printed.content = {margin, margin, size.width - 2 * margin, size.height - 2 * margin};
    printed.drawingScale = dots / ScreenDotsPerInch;
    const drawing::Box& content = printed.content;

    const PrintFont title{TitlePoints * dots / PointsPerInch, true};
    const PrintFont text{TextPoints * dots / PointsPerInch, false};
    const PrintFont bold{text.pixels, true};
    const PrintFont footer{FooterPoints * dots / PointsPerInch, false};
    const double line = measure.lineHeight(text);
    const double footerHeight = measure.lineHeight(footer);
    const double bottom = content.bottom() - footerHeight - line;

    std::vector<Block> blocks;
    Block header;
    header.lines.push_back({texts::ApplicationName, 0.0, 0.0, title});
    header.lines.push_back({date, content.width - measure.textWidth(date, text), 0.0, text});
    header.height = std::max(measure.lineHeight(title), line);
    blocks.push_back(header);

    // The steps' first line names the given values, or says why there are none.
    std::vector<std::string> steps = splitLines(page.steps);
    if (!steps.front().empty()) {
        Block given = textBlock(steps.front(), bold, content.width, measure);
        given.before = line;
        blocks.push_back(given);
    }
    steps.erase(steps.begin());
    if (page.triangle) {
        Block picture;
        picture.drawing = true;
        picture.before = line / 2;
        picture.height =
            std::min(content.width * DrawingAspect, (bottom - content.top) * DrawingMostOfHeight);
        blocks.push_back(picture);
    }
    if (!steps.empty())
        steps.insert(steps.begin(), {"", texts::PrintStepsHeading});
    addLines(blocks, steps, text, content.width, measure);
    if (page.triangle) {
        // As the window printed writes it, on one page.
        std::vector<std::string> whole =
            splitLines(!page.whole.empty() ? page.whole
                       : page.angleMinutes ? ElementsDetailsText(*page.triangle, page.exact, region)
                                           : RowDetailsText(*page.triangle, region));
        whole.insert(whole.begin(), "");
        addLines(blocks, whole, text, content.width, measure, true);
    }

    printed.pages.emplace_back();
    double y = content.top;
    for (const Block& block : blocks) {
        const bool atTop = printed.pages.back().texts.empty();
        double top = atTop ? y : y + block.before;
        if (!atTop && top + block.height > bottom) {
            printed.pages.emplace_back();
            top = content.top;
        }
        PrintedPage& sheet = printed.pages.back();
        if (block.drawing)
            sheet.drawing = drawing::Box{content.left, top, content.width, block.height};
        for (const PrintedText& row : block.lines)
            sheet.texts.push_back({row.text, content.left + row.x, top + row.y, row.font});
        y = top + block.height;
    }

    const std::string count = std::to_string(printed.pages.size());
    for (std::size_t i = 0; i < printed.pages.size(); ++i) {
        std::string number = texts::PrintPageNumber;
        Fill(number, "page", std::to_string(i + 1));
        Fill(number, "pages", count);
        const double x = content.left + (content.width - measure.textWidth(number, footer)) / 2;
        printed.pages[i].texts.push_back({number, x, content.bottom() - footerHeight, footer});
    }
    return printed;
}

std::string PrintDate(int year, int month, int day)
{
    char date[32];
    std::snprintf(date, sizeof date, "%02d.%02d.%04d г.", day, month, year);
    return date;
}

} // namespace triangle::print
