#include "window/text/field_tip.h"

#include "window/text/spoken_text.h"

namespace triangle {

FieldTip FieldTipOf(const std::string& description, const std::string& text,
                    const std::string& details, const std::string& hint)
{
    FieldTip tip{description, {}};
    if (!text.empty())
        tip.shown += ": " + text;
    tip.spoken = tip.shown;
    if (!details.empty()) {
        tip.shown += "\n\n" + details;
        tip.spoken += "\n\n" + SpokenText(details);
    } else if (!hint.empty()) {
        tip.shown += "\n\n" + hint;
        tip.spoken += "\n\n" + hint;
    }
    return tip;
}

} // namespace triangle
