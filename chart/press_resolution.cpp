#include "chart/press_resolution.h"

#include <algorithm>
#include <cstdlib>

bool OnSegment(QPoint a, QPoint b, QPoint press)
{
    const long long dx = b.x() - a.x();
    const long long dy = b.y() - a.y();
    const long long cross =
        static_cast<long long>(press.x() - a.x()) * dy - static_cast<long long>(press.y() - a.y()) * dx;
    if (std::llabs(cross) >= std::max(std::llabs(dx), std::llabs(dy)))
        return false;
    return press.x() >= std::min(a.x(), b.x()) && press.x() <= std::max(a.x(), b.x()) &&
           press.y() >= std::min(a.y(), b.y()) && press.y() <= std::max(a.y(), b.y());
}

namespace {

std::optional<int> HitValue(const PressTarget& target, QPoint press)
{
    const SeriesStyle& style = target.style;
    const auto& at = target.positions;
    for (std::size_t i = 0; i < at.size(); ++i) {
        if (style.markers && std::abs(at[i].x() - press.x()) < style.markerHalfWidth &&
            std::abs(at[i].y() - press.y()) < style.markerHalfHeight)
            return static_cast<int>(i);
        if (at[i] == press)
            return static_cast<int>(i);
        if (style.connected && i > 0 && OnSegment(at[i - 1], at[i], press))
            return static_cast<int>(i - 1);
    }
    return std::nullopt;
}

}  // namespace

std::optional<PressHit> ResolvePress(const std::vector<PressTarget>& targets, QPoint press)
{
    for (std::size_t s = targets.size(); s-- > 0;)
        if (const auto index = HitValue(targets[s], press))
            return PressHit{static_cast<int>(s), *index};
    return std::nullopt;
}
