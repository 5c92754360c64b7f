#include "solver/formula/steps.h"

#include <algorithm>

namespace triangle {

ExactNumber Steps::exactOf(std::string_view name) const
{
    const auto found = std::find_if(m_values.begin(), m_values.end(),
                                    [&](const auto& value) { return value.first == name; });
    return m_exact && found != m_values.end() ? found->second : ExactNumber();
}

void Steps::setExact(std::string_view name, const ExactNumber& value)
{
    if (!m_exact)
        return;
    for (auto& [known, exact] : m_values) {
        if (known == name) {
            exact = value;
            return;
        }
    }
    m_values.emplace_back(std::string(name), value);
}

void Steps::omitFrom(std::size_t from, std::string_view name)
{
    if (from < m_list.size())
        m_list.erase(std::remove_if(m_list.begin() + static_cast<std::ptrdiff_t>(from),
                                    m_list.end(),
                                    [&](const Step& step) { return step.name == name; }),
                     m_list.end());
}

void Steps::given(std::string_view name, double value)
{
    setExact(name, ExactNumber::fromDouble(value));
    if (!TypedExactly(value).exists())
        m_shown = false;
}

void Steps::given(std::string_view name, const ExactNumber& value)
{
    setExact(name, value);
}

void Steps::dropExact()
{
    m_exact = false;
    m_values.clear();
}

void Steps::continueFrom(const Steps& earlier)
{
    m_exact = m_exact && earlier.m_exact;
    m_shown = m_shown && earlier.m_shown;
    m_values = m_exact ? earlier.m_values : decltype(m_values){};
}

} // namespace triangle
