#pragma once

#include <QImage>

// One frame of the view through a dash camera on a straight country road: sky, hills,
// verges, the road with its edge lines, centre dashes and roadside posts. `travelled` is
// the distance driven in metres; the dashes and posts move with it.
// `rear`: the view through the rear camera (the road recedes, the scene is mirrored).
QImage roadScene(const QSize &size, double travelled, bool rear);
