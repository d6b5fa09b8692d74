#pragma once

class QPainter;
class QRect;

namespace kortiv {

struct UserSettings;

// The preview of six control points' curve styles: the plot's background, a
// dotted frame in the grid colour two pixels inside the border, and for
// points first_point .. first_point + 5 a line across the whole area at
// y 16, 35, 54, ... in the point's colour, with the main style and width or,
// with `phase_pair`, those of the phase curve.
void PaintStylePreview(QPainter& painter, const QRect& area, const UserSettings& settings,
                       int first_point, bool phase_pair);

}  // namespace kortiv
