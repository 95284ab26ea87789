#pragma once

#include "tiles/cellref.h"

#include <QString>

#include <optional>

class QMimeData;

// A dragged tile carries the cell it comes from, so that a drop never depends on which widget
// the toolkit reports as the source.
namespace dragpayload {

inline const QString kMimeType = QStringLiteral("application/x-murmex-cell");

QMimeData* encode(CellRef source);
// Nothing for data of another kind or a cell that does not exist.
std::optional<CellRef> decode(const QMimeData* data);

} // namespace dragpayload
