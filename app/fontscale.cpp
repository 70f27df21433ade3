#include "app/fontscale.h"

namespace FontScale {

int startupPointSize(std::optional<qreal> dpiFactor)
{
    if (!dpiFactor)
        return 12;
    const qreal r = *dpiFactor;
    if (r < 1.1)
        return 12;
    if (r < 1.4)
        return 11;
    if (r < 1.8)
        return 8;
    if (r < 2.5)
        return 7;
    return 6;
}

SystemFont systemFont(std::optional<qreal> dpiFactor)
{
    if (!dpiFactor)
        return {11, 1.0};
    const qreal f = *dpiFactor;
    if (f < 1.1)
        return {11, 1.0};
    if (f < 1.4)
        return {10, 1.25};
    if (f < 1.6)
        return {9, 1.5};
    if (f < 1.8)
        return {8, 1.75};
    if (f < 2.5)
        return {6, 2.0};
    if (f < 3.1)
        return {5, 3.0};
    return {4, 3.5};
}

bool fileNameLabelFollows(qreal scaleStep)
{
    return qFuzzyCompare(scaleStep, 1.0) || qFuzzyCompare(scaleStep, 1.25) ||
           qFuzzyCompare(scaleStep, 1.5);
}

} // namespace FontScale
