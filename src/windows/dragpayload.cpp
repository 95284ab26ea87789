#include "windows/dragpayload.h"

#include "model/boardgeometry.h"
#include "model/tileset.h"

#include <QMimeData>

namespace dragpayload {

namespace {

struct AreaName
{
    CellRef::Area area;
    QStringView name;
    int first;
    int last;
};

// The names of the cell arrays, each with the indices it has.
constexpr AreaName kAreas[] = {
    {CellRef::Area::Board, u"a", 1, board::kSquareCount},
    {CellRef::Area::Rack, u"bb", 0, 7},
    {CellRef::Area::Bag, u"s", 1, tiles::kTileCount},
};

} // namespace

QMimeData* encode(CellRef source)
{
    QString text;
    for (const AreaName& area : kAreas)
        if (area.area == source.area)
            text = area.name + u' ' + QString::number(source.index);
    auto* data = new QMimeData;
    data->setData(kMimeType, text.toUtf8());
    return data;
}

std::optional<CellRef> decode(const QMimeData* data)
{
    if (!data || !data->hasFormat(kMimeType))
        return std::nullopt;
    const QStringList fields = QString::fromUtf8(data->data(kMimeType)).split(u' ');
    if (fields.size() != 2)
        return std::nullopt;
    bool isNumber = false;
    const int index = fields[1].toInt(&isNumber);
    for (const AreaName& area : kAreas)
        if (fields[0] == area.name && isNumber && index >= area.first && index <= area.last)
            return CellRef{area.area, index};
    return std::nullopt;
}

} // namespace dragpayload
