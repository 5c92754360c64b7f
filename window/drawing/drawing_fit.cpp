#include "solver/variant/triangle_details.h"
#include "window/drawing/drawing_check.h"
#include "window/drawing/drawing_compose.h"
#include "window/drawing/drawing_legend.h"
#include "window/drawing/solution_drawing.h"
#include "window/zoom/zoom.h"

#include <algorithm>
#include <limits>
#include <span>
#include <string>
#include <utility>

namespace triangle::drawing {

namespace {

std::size_t faultCount(const DisplayList& list)
{
    const std::string faults = CheckLabels(list);
    return static_cast<std::size_t>(std::count(faults.begin(), faults.end(), ';'));
}

// The drawing with the least room around the triangle that its labels need, as long as the
// triangle stays a fifth of the target.
Composed fit(const TriangleDetails& details, double width, double height, double font,
             const NumberFormat& region, const MeasureText& measure, bool projections,
             bool angleMinutes, const std::vector<Cevian>& cevians, const ExactElements* exact,
             const Legend* legend)
{
    const Box area = legend ? legend->rest : Box{0.0, 0.0, width, height};
    Composed best{{}, std::numeric_limits<std::size_t>::max(), true};
    for (double room = 0.0;; room += 1.0) {
        Composed drawn = Compose(details, width, height, font, room, region, measure, projections,
                                 angleMinutes, cevians, exact, legend);
        // A smaller triangle that leaves no fewer labels homeless will not help further.
        const bool better = drawn.overlaps < best.overlaps ||
                            (drawn.overlaps == best.overlaps && drawn.homeless < best.homeless);
        if (better)
            best = std::move(drawn);
        const double least = std::min(area.width - 2.0 * (3.5 + room) * font,
                                      area.height - 2.0 * (3.0 + room) * font);
        if (best.homeless == 0 || (!better && !best.overlaps) ||
            least < std::min(area.width, area.height) / 5.0)
            return best;
    }
}

// The drawing with its labels at one zoom, and how many faults the drawing's check finds in it.
std::pair<DisplayList, std::size_t>
drawAt(const TriangleDetails& details, double width, double height, double scale,
       const NumberFormat& region, const MeasureText& measure, bool projections, bool angleMinutes,
       double zoom, const std::vector<Cevian>& cevians, const ExactElements* exact)
{
    // Text grows with the target, so that the drawing reads from the back of a classroom,
    // but never below a comfortable size on the screen. Zooming in raises that least size
    // (a large target has larger text already); zooming out shrinks the text whatever its size.
    const double font =
        std::max(14.0 * scale * zoom, std::min(width, height) / 32.0 * std::min(zoom, 1.0));
    // Where labels find no room beside what they name, the triangle makes room for them, a
    // text size more a round.
    Composed best = fit(details, width, height, font, region, measure, projections, angleMinutes,
                        cevians, exact, nullptr);
    std::size_t bestFaults = faultCount(best.list);
    // As a last resort, the values of the labels that find no room go to a list of their own,
    // a, b, c first, and then, if that is not enough, every value.
    std::vector<LegendEntry> values;
    for (const Label& label : best.list.labels)
        if (label.text.find(' ') != std::string::npos)
            values.push_back({label.text, label.colour, label.part});
    std::stable_sort(values.begin(), values.end(),
                     [](const LegendEntry& p, const LegendEntry& q) { return p.part < q.part; });
    std::vector<Part> listed;
    std::vector<Part> homeless = best.homelessParts;
    for (int round = 0; bestFaults > 0 && round < 4; ++round) {
        const std::size_t before = listed.size();
        for (const LegendEntry& value : values)
            if ((round == 3 || std::count(homeless.begin(), homeless.end(), value.part) > 0) &&
                std::count(listed.begin(), listed.end(), value.part) == 0)
                listed.push_back(value.part);
        if (listed.size() == before) {
            if (round == 3)
                break;
            round = 2; // no value of its own to list: every value next
            continue;
        }
        std::vector<LegendEntry> entries;
        for (const LegendEntry& value : values)
            if (std::count(listed.begin(), listed.end(), value.part) > 0)
                entries.push_back(value);
        const Legend legend = LayOutLegend(entries, width, height, font, measure);
        // A list that leaves the triangle too small to read is no help.
        if (std::min(legend.rest.width, legend.rest.height) < 0.55 * std::min(width, height))
            break;
        Composed drawn = fit(details, width, height, font, region, measure, projections,
                             angleMinutes, cevians, exact, &legend);
        homeless = drawn.homelessParts;
        const std::size_t faults = faultCount(drawn.list);
        if (faults < bestFaults)
            best = std::move(drawn), bestFaults = faults;
    }
    return {std::move(best.list), bestFaults};
}

} // namespace

DisplayList DrawSolution(const TriangleDetails& details, double width, double height, double scale,
                         const NumberFormat& region, const MeasureText& measure, bool projections,
                         bool angleMinutes, double zoom, const std::vector<Cevian>& cevians,
                         const ExactElements* exact)
{
    auto [list, faults] = drawAt(details, width, height, scale, region, measure, projections,
                                 angleMinutes, zoom, cevians, exact);
    // Zoomed in beyond what the target has room for, the labels grow only as far as they stay
    // clear of each other and beside what they name: the zoom's next smaller steps, down to the
    // normal size, are tried in turn. A larger window or page takes them larger.
    const std::span<const int> steps = Zoom::Steps();
    for (auto step = steps.rbegin(); faults > 0 && step != steps.rend(); ++step) {
        const double smaller = *step / 100.0;
        if (smaller >= zoom || smaller < 1.0)
            continue;
        auto [tried, triedFaults] = drawAt(details, width, height, scale, region, measure,
                                           projections, angleMinutes, smaller, cevians, exact);
        if (triedFaults < faults)
            list = std::move(tried), faults = triedFaults;
    }
    return std::move(list);
}

} // namespace triangle::drawing
