#include "window/zoom/zoom.h"

#include <array>

namespace triangle {

namespace {

constexpr std::array<int, 12> ZoomSteps{50, 67, 75, 90, 100, 110, 125, 150, 175, 200, 250, 300};
constexpr int NormalStep = 4;
static_assert(ZoomSteps[NormalStep] == 100);
constexpr int Notch = 120;

} // namespace

std::span<const int> Zoom::Steps()
{
    return ZoomSteps;
}

int Zoom::percent() const
{
    return ZoomSteps[static_cast<std::size_t>(m_step)];
}

bool Zoom::in()
{
    if (m_step + 1 >= static_cast<int>(ZoomSteps.size()))
        return false;
    ++m_step;
    return true;
}

bool Zoom::out()
{
    if (m_step == 0)
        return false;
    --m_step;
    return true;
}

bool Zoom::reset()
{
    m_wheelRest = 0;
    if (m_step == NormalStep)
        return false;
    m_step = NormalStep;
    return true;
}

bool Zoom::wheel(int delta)
{
    m_wheelRest += delta;
    bool changed = false;
    for (; m_wheelRest >= Notch; m_wheelRest -= Notch)
        changed = in() || changed;
    for (; m_wheelRest <= -Notch; m_wheelRest += Notch)
        changed = out() || changed;
    return changed;
}

} // namespace triangle
