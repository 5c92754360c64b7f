#include "window/text/relation_message.h"

namespace triangle {

std::string RelationTextMessage(const RelationTextFault&, std::string_view typed,
                                const NumberFormat&)
{
    return std::string(typed);
}

} // namespace triangle
