#include "view/ViewGeometry.h"

namespace quenk {

CPixelSize CalcPixelSize(const CCrossword&, int) { return {}; }

bool GetCellOrigin(const CCrossword&, int, int, int, int, int&, int&) { return false; }

bool PointToCell(const CCrossword&, int, int, int, int&, int&, int&) { return false; }

bool PointToGridCell(const CCrossword&, int, int, int, int&, int&) { return false; }

COffset GetCenterOffset(const CCrossword&, int, bool, int, int) { return {}; }

}  // namespace quenk
