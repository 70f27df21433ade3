#pragma once

#include <QString>

class QWebEngineProfile;

// The web engine profile the map pages load through: where it keeps its files, a bounded
// HTTP cache on disk (a drive watched once shows its map tiles offline later) and a
// User-Agent that names the player, as the OpenStreetMap tile servers' usage policy asks.
namespace MapProfile {

// Big enough for the tiles of many drives at every zoom level watched, small enough that a
// long-kept installation does not fill the disk; the engine evicts the oldest beyond it.
constexpr int kHttpCacheBytes = 100 * 1024 * 1024;

// Sets the profile up once, before any page of it loads; later calls change nothing.
void configure(QWebEngineProfile *profile);

// The engine's own User-Agent with the player's name and version appended.
QString userAgent(const QString &engineUserAgent);

} // namespace MapProfile
