#include "window/text/relation_message.h"

#include "window/text/relation_texts.h"

namespace triangle {

namespace {

void replace(std::string& text, std::string_view key, std::string_view value)
{
    for (std::size_t at = text.find(key); at != std::string::npos;
         at = text.find(key, at + value.size()))
        text.replace(at, key.size(), value);
}

const char* numberMessage(FieldTextProblem problem)
{
    switch (problem) {
    case FieldTextProblem::DecimalSeparator:
        return texts::RelationDecimalSeparator;
    case FieldTextProblem::BlankInside:
        return texts::RelationBlankInside;
    case FieldTextProblem::BeyondRange:
        return texts::RelationBeyondRange;
    case FieldTextProblem::Empty:
    case FieldTextProblem::NoNumber:
    case FieldTextProblem::NotOneNumber:
        break;
    }
    return texts::RelationNumberText;
}

const char* message(const RelationTextFault& fault)
{
    switch (fault.problem) {
    case RelationTextProblem::Empty:
        return texts::RelationEmpty;
    case RelationTextProblem::NotARelation:
        return texts::RelationNotARelation;
    case RelationTextProblem::UnknownElement:
        return texts::RelationUnknownElement;
    case RelationTextProblem::NumberText:
        return numberMessage(fault.number);
    case RelationTextProblem::MixedKinds:
        return texts::RelationMixedKinds;
    case RelationTextProblem::SameElement:
        return texts::RelationSameElement;
    case RelationTextProblem::NotPositive:
        return texts::RelationNotPositive;
    }
    return texts::RelationNotARelation;
}

} // namespace

std::string RelationTextMessage(const RelationTextFault& fault, std::string_view typed,
                                const NumberFormat& region)
{
    std::string text = message(fault);
    // The typed text last, so that a brace in it stays as typed.
    replace(text, "{examples}", texts::RelationExamples);
    replace(text, "{names}", texts::RelationNames);
    replace(text, "{decimal}", region.decimalSeparator);
    std::size_t at = text.find("{text}");
    if (at != std::string::npos)
        text.replace(at, 6, typed);
    return text;
}

} // namespace triangle
