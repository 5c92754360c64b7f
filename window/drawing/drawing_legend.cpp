#include "window/drawing/drawing_legend.h"

#include "window/drawing/drawing_check.h"

#include <algorithm>

namespace triangle::drawing {

namespace {

struct Laid {
    std::vector<Box> boxes;
    Box rest;
};

// Columns from the top, as many as the height needs, set against the right edge.
Laid inColumns(const std::vector<TextSize>& sizes, double width, double height, double margin,
               double line, double lineGap, double columnGap)
{
    const int rows =
        std::max(1, static_cast<int>((height - 2.0 * margin + lineGap) / (line + lineGap)));
    std::vector<double> columnWidths((sizes.size() + rows - 1) / rows, 0.0);
    for (std::size_t i = 0; i < sizes.size(); ++i)
        columnWidths[i / rows] = std::max(columnWidths[i / rows], sizes[i].width);
    double total = 0.0;
    for (const double w : columnWidths)
        total += w + columnGap;
    Laid laid{{}, {0.0, 0.0, std::max(0.0, width - margin - total), height}};
    double left = width - margin - total + columnGap;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        if (i > 0 && i % rows == 0)
            left += columnWidths[i / rows - 1] + columnGap;
        const double top = margin + static_cast<double>(i % rows) * (line + lineGap);
        laid.boxes.push_back({left, top, sizes[i].width, line});
    }
    return laid;
}

// Rows from the left, as many as the width needs, set against the bottom edge.
Laid inRows(const std::vector<TextSize>& sizes, double width, double height, double margin,
            double line, double lineGap, double columnGap)
{
    std::vector<Point> places;
    double x = margin;
    int row = 0;
    for (const TextSize& size : sizes) {
        if (x > margin && x + size.width > width - margin)
            x = margin, ++row;
        places.push_back({x, static_cast<double>(row) * (line + lineGap)});
        x += size.width + columnGap;
    }
    const double top = height - margin - (row + 1) * line - row * lineGap;
    Laid laid{{}, {0.0, 0.0, width, std::max(0.0, top - margin)}};
    for (std::size_t i = 0; i < sizes.size(); ++i)
        laid.boxes.push_back({places[i].x, top + places[i].y, sizes[i].width, line});
    return laid;
}

} // namespace

Legend LayOutLegend(const std::vector<LegendEntry>& entries, double width, double height,
                    double fontPixels, const MeasureText& measure)
{
    std::vector<TextSize> sizes;
    double line = 0.0;
    for (const LegendEntry& entry : entries) {
        sizes.push_back(measure(entry.text, fontPixels, false));
        line = std::max(line, sizes.back().height);
    }
    // Apart by more than the check's gap between labels.
    const double lineGap = (LabelGapFonts + 0.1) * fontPixels;
    const double margin = 0.4 * fontPixels;
    const double columnGap = fontPixels;
    const Laid right = inColumns(sizes, width, height, margin, line, lineGap, columnGap);
    const Laid below = inRows(sizes, width, height, margin, line, lineGap, columnGap);
    const auto square = [](const Laid& laid) {
        return std::min(laid.rest.width, laid.rest.height);
    };
    const Laid& chosen = square(right) >= square(below) ? right : below;
    Legend legend{{}, chosen.rest};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Box& box = chosen.boxes[i];
        legend.entries.push_back(
            {entries[i].text, box.centre(), box, entries[i].colour, false, entries[i].part, true});
    }
    return legend;
}

std::string SymbolOf(const std::string& text)
{
    return text.substr(0, text.find(' '));
}

} // namespace triangle::drawing
