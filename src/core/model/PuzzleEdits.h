#pragma once
// The commands that change a puzzle as a whole, as pure transformations: the document only
// records the step, calls one of these and redraws. Each takes the recorder that receives
// the one undo snapshot, recorded just before the first change (none when nothing changes).
#include <array>
#include <optional>

#include "model/Crossword.h"

namespace quenk {

// Clear: every number loses its crossed-out mark and every cell becomes empty (crosses
// included). True when anything changed.
bool ClearPuzzle(CCrossword& puzzle, IUndoRecorder* pRecorder);

// The puzzle at another size, palette kept. The picture stays anchored at its top-left
// corner. The numbers of the columns and rows that remain stay next to the grid: a smaller
// depth drops the slots farthest from it, a larger one adds empty slots on the far side.
// Nothing when a size is outside 1..255 or a depth outside 0..255. Records nothing: the
// caller snapshots the old puzzle when it installs the new one.
std::optional<CCrossword> ResizePuzzle(const CCrossword& puzzle, int nWidth, int nHeight, int nLeftDepth,
                                       int nTopDepth);

// A new palette of nColors (clamped to 2..16) entries taken from crColors; the entries from
// nColors on keep what they held. Cells (crosses excepted) and numbers whose colour no
// longer exists become colour 1. True when the count or a colour in use changed; nothing
// is touched otherwise.
bool ChangePalette(CCrossword& puzzle, int nColors, const std::array<COLORREF, MAX_COLORS>& crColors,
                   IUndoRecorder* pRecorder);

}  // namespace quenk
