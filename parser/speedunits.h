#pragma once

// Records carry km/h; a mile is exactly 1.609344 km (international mile).
constexpr double KmPerMile = 1.609344;
