#include "solver/relation/relation.h"

namespace triangle {

Calculated<Relation, RelationTextFault> ReadRelation(std::string_view, const NumberFormat&)
{
    return RelationTextFault{RelationTextProblem::NotARelation};
}

std::string WriteRelation(const Relation&, const NumberFormat&)
{
    return {};
}

} // namespace triangle
