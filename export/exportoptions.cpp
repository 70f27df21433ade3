#include "export/exportoptions.h"

#include <utility>

namespace {

struct LayoutName
{
    ClipLayout layout;
    const char *name;
};
const LayoutName kLayouts[] = {{ClipLayout::Front, "front"},
                               {ClipLayout::Side, "side"},
                               {ClipLayout::Stack, "stack"},
                               {ClipLayout::Grid, "grid"},
                               {ClipLayout::Pip, "pip"}};

struct ItemName
{
    OverlayItem item;
    const char *name;
};
const ItemName kItems[] = {{OverlayItem::Time, "time"},       {OverlayItem::Speed, "speed"},
                           {OverlayItem::Position, "position"}, {OverlayItem::Heading, "heading"},
                           {OverlayItem::GForce, "gforce"},   {OverlayItem::Map, "map"},
                           {OverlayItem::Text, "text"}};

const char *const kQualityNames[] = {"high", "standard", "small"};

} // namespace

namespace ExportNames {

bool layoutFromName(const QString &name, ClipLayout *layout)
{
    for (const LayoutName &entry : kLayouts) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
            *layout = entry.layout;
            return true;
        }
    }
    return false;
}

QString layoutName(ClipLayout layout)
{
    for (const LayoutName &entry : kLayouts) {
        if (entry.layout == layout)
            return QLatin1String(entry.name);
    }
    return QStringLiteral("side");
}

bool overlayFromNames(const QStringList &names, unsigned *items)
{
    unsigned result = 0;
    for (const QString &raw : names) {
        const QString name = raw.trimmed();
        if (name.isEmpty())
            continue;
        bool known = false;
        for (const ItemName &entry : kItems) {
            if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
                result |= unsigned(entry.item);
                known = true;
            }
        }
        if (!known)
            return false;
    }
    *items = result;
    return true;
}

QStringList overlayNames(unsigned items)
{
    QStringList names;
    for (const ItemName &entry : kItems) {
        if (hasItem(items, entry.item))
            names.append(QLatin1String(entry.name));
    }
    return names;
}

unsigned allOverlayItems()
{
    unsigned all = 0;
    for (const ItemName &entry : kItems)
        all |= unsigned(entry.item);
    return all;
}

bool clockFromName(const QString &name, ClockChoice *choice)
{
    const std::pair<const char *, ClockChoice::Display> names[] = {
        {"camera", ClockChoice::Display::Camera},
        {"utc", ClockChoice::Display::Utc},
        {"local", ClockChoice::Display::LocalFromOffset}};
    for (const auto &[text, display] : names) {
        if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0) {
            *choice = ClockChoice();
            choice->display = display;
            return true;
        }
    }
    return false;
}

bool qualityFromName(const QString &name, QualityPreset *quality)
{
    for (int i = 0; i < 3; ++i) {
        if (name.compare(QLatin1String(kQualityNames[i]), Qt::CaseInsensitive) == 0) {
            *quality = QualityPreset(i);
            return true;
        }
    }
    return false;
}

QString qualityName(QualityPreset quality)
{
    return QLatin1String(kQualityNames[int(quality)]);
}

QualitySettings qualitySettings(QualityPreset quality)
{
    switch (quality) {
    case QualityPreset::High:
        return {1080, 8000, "faster"};
    case QualityPreset::Standard:
        return {720, 4000, "veryfast"};
    case QualityPreset::Small:
        break;
    }
    return {480, 1500, "ultrafast"};
}

} // namespace ExportNames
