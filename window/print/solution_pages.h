#pragma once

// The solution on paper: the pages composed from what "Решение" and the window of any two
// elements show, as texts at places and a box for the drawing, in the page's dots (y
// downwards from the sheet's top-left corner). Each form only draws them.

#include "solver/number/number_format.h"
#include "window/drawing/solution_drawing.h"
#include "window/print/text_measure.h"

#include <optional>
#include <string>
#include <vector>

namespace triangle {

struct SolutionPage;

namespace print {

// A sheet in dots, at dotsPerInch.
struct PageSize {
    double width = 0.0;
    double height = 0.0;
    double dotsPerInch = 72.0;
};

// A4 portrait, 210 × 297 mm.
PageSize A4Portrait(double dotsPerInch);

// One line of text, its top-left corner at (x, y).
struct PrintedText {
    std::string text; // UTF-8
    double x = 0.0;
    double y = 0.0;
    PrintFont font;
};

struct PrintedPage {
    std::vector<PrintedText> texts;
    // Where the triangle is drawn to scale, on the first page where there is one.
    std::optional<drawing::Box> drawing;
};

struct PrintedSolution {
    PageSize size;
    // The sheet less its margins: everything printed lies inside.
    drawing::Box content;
    // The drawing's dots per logical pixel, as DrawSolution takes it: its labels and strokes
    // as large on paper as on a screen at 96 dots an inch.
    double drawingScale = 1.0;
    std::vector<PrintedPage> pages;
};

// The margins on every side, in millimetres.
inline constexpr double MarginMillimetres = 20.0;

// Lays out the page a second window shows on sheets of `size`: a header with the program's
// name and `date`, the given values (the steps' first line), the triangle drawn to scale, the
// steps with their exact values, then the whole triangle, and each page's number at its foot.
// A line too long for the width wraps at spaces; a step, and a line that ends with a colon
// together with the line it introduces, is never split across pages.
PrintedSolution ComposeSolutionPages(const SolutionPage& page, const NumberFormat& region,
                                     const std::string& date, const PageSize& size,
                                     const TextMeasure& measure);

// The date in the header, "10.12.2026 г.", as Bulgarian writes it.
std::string PrintDate(int year, int month, int day);

} // namespace print
} // namespace triangle
