#pragma once

#include "solver/number/field_number.h"

#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Regional number settings modelled on real regions, for tests that must hold in all.
namespace regions {

inline triangle::NumberFormat enUS()
{
    return {};
}

inline triangle::NumberFormat bgBG()
{
    triangle::NumberFormat f;
    f.decimalSeparator = ",";
    f.groupSeparator = "\u00A0"; // no-break space
    return f;
}

inline triangle::NumberFormat deDE()
{
    triangle::NumberFormat f;
    f.decimalSeparator = ",";
    f.groupSeparator = ".";
    return f;
}

inline triangle::NumberFormat frFR()
{
    triangle::NumberFormat f;
    f.decimalSeparator = ",";
    f.groupSeparator = "\u202F"; // narrow no-break space
    return f;
}

inline triangle::NumberFormat deCH()
{
    triangle::NumberFormat f;
    f.groupSeparator = "\u2019"; // right single quotation mark
    return f;
}

inline triangle::NumberFormat hiIN()
{
    triangle::NumberFormat f;
    f.groupSizes = {3, 2};
    return f;
}

// Settings a user can choose on some desktops: no leading zero, negatives in parentheses,
// grouping with an ordinary blank.
inline triangle::NumberFormat parenthesesNoLeadingZero()
{
    triangle::NumberFormat f;
    f.decimalSeparator = ",";
    f.groupSeparator = " ";
    f.leadingZero = false;
    f.negativeForm = triangle::NegativeForm::Parentheses;
    return f;
}

inline triangle::NumberFormat trailingMinusSign()
{
    triangle::NumberFormat f;
    f.groupSeparator = "'";
    f.negativeForm = triangle::NegativeForm::TrailingMinusSpace;
    f.negativeSign = "\u2212"; // minus sign
    return f;
}

inline triangle::NumberFormat leadingMinusSpace()
{
    triangle::NumberFormat f;
    f.negativeForm = triangle::NegativeForm::LeadingMinusSpace;
    return f;
}

inline triangle::NumberFormat trailingMinusNoSpace()
{
    triangle::NumberFormat f;
    f.negativeForm = triangle::NegativeForm::TrailingMinus;
    return f;
}

inline std::vector<std::pair<std::string, triangle::NumberFormat>> all()
{
    return {{"enUS", enUS()},
            {"bgBG", bgBG()},
            {"deDE", deDE()},
            {"frFR", frFR()},
            {"deCH", deCH()},
            {"hiIN", hiIN()},
            {"parenthesesNoLeadingZero", parenthesesNoLeadingZero()},
            {"trailingMinusSign", trailingMinusSign()},
            {"leadingMinusSpace", leadingMinusSpace()},
            {"trailingMinusNoSpace", trailingMinusNoSpace()}};
}

} // namespace regions

namespace triangle {
// Names a region by its row name when a parameterised test reports a failure.
inline void PrintTo(const std::pair<std::string, NumberFormat>& region, std::ostream* os)
{
    *os << region.first;
}
} // namespace triangle
