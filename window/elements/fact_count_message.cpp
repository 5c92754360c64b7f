#include "window/elements/fact_count_message.h"

#include "window/text/refusal_message.h"
#include "window/text/ui_texts.h"

namespace triangle {

namespace {

// "„катет a“, „катет b“ и „първа връзка между два елемента“"
std::string quotedNames(const std::vector<const char*>& fields)
{
    std::string names;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            names += i + 1 == fields.size() ? texts::LastNameJoined : ", ";
        names += Filled(texts::QuotedName, {{"name", fields[i]}});
    }
    return names;
}

} // namespace

std::string FactCountMessage(const std::vector<const char*>& names)
{
    const char* text = names.empty()       ? texts::ElementsNoneFilled
                       : names.size() == 1 ? texts::ElementsOneFilled
                                           : texts::ElementsManyFilled;
    return Filled(text, {{"names", quotedNames(names)}, {"count", std::to_string(names.size())}});
}

} // namespace triangle
