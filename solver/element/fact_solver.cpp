#include "solver/element/fact_solver.h"

namespace triangle {

FactSolution SolveFacts(const Fact& first, const Fact& second, int, Steps* steps, Steps* rest)
{
    const auto* x = std::get_if<GivenElement>(&first);
    const auto* y = std::get_if<GivenElement>(&second);
    if (!x || !y) {
        ElementRefusal refusal;
        refusal.reason = ElementRefusalReason::NoTriangle;
        return refusal;
    }
    const ElementSolution solution = SolveGivenElements(*x, *y, steps, rest);
    if (!solution.ok())
        return solution.fault();
    return FactTriangle{solution.value(), 1};
}

} // namespace triangle
