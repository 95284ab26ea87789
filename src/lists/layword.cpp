#include "lists/layword.h"

#include "lists/candidatelist.h"
#include "model/boardgeometry.h"
#include "model/murmex.h"
#include "model/statestring.h"
#include "model/tileset.h"
#include "scoring/rechnen.h"
#include "tiles/turncommands.h"

#include <optional>

namespace {

struct ListedMove
{
    QString word;
    int first = 0;
    int last = 0;
    int step = 1;
};

// Row letter and the column after it: "H8 " or "H11".
int squareAt(const QString& line, qsizetype position)
{
    const int row = line.at(position).unicode() - u'A' + 1;
    const int column = line.mid(position + 1, 2).trimmed().toInt();
    if (row < 1 || row > board::kRowLength || column < 1 || column > board::kRowLength)
        return 0;
    return board::squareAt(row, column);
}

// Nothing for a separator, which names no squares, or for a line this program would not
// write.
std::optional<ListedMove> parse(const QString& line)
{
    const qsizetype space = line.indexOf(u' ', 4);
    const qsizetype lastSpace = line.lastIndexOf(u' ');
    if (space < 0 || lastSpace <= space || lastSpace + 1 >= line.size())
        return std::nullopt;
    ListedMove move;
    move.word = line.mid(4, space - 4);
    move.first = squareAt(line, space + 1);
    move.last = squareAt(line, lastSpace + 1);
    if (move.first == 0 || move.last < move.first)
        return std::nullopt;
    move.step = line.at(space + 1) == line.at(lastSpace + 1) ? 1 : board::kRowLength;
    return move;
}

// Each letter of a blank goes, in word order, to the first rack blank still without one.
void letterTheBlanks(Murmex& m, const QString& word)
{
    for (const QChar letter : word) {
        if (!letter.isLower())
            continue;
        for (Cell& slot : m.bb) {
            if (state::part(slot.state, 5, 7) == u"_00") {
                slot.state
                    = state::part(slot.state, 1, 4) + letter + state::part(slot.state, 6, 17);
                break;
            }
        }
    }
}

Cell* rackTileFor(Murmex& m, QChar letter)
{
    for (Cell& slot : m.bb)
        if (state::part(slot.state, 5, 5) == letter && state::part(slot.state, 6, 6) != u"_")
            return &slot;
    return nullptr;
}

} // namespace

void mnu_wunsch_Click(Murmex& m)
{
    if (!hasSelectedEntry(m))
        return;
    const std::optional<ListedMove> move = parse(m.ergebnis_sortiert.line(m.selectedEntry));
    if (!move)
        return;
    m.gelegt.clear();
    for (ListBox& word : m.protokoll)
        word.clear();
    Command1_Click(m);
    letterTheBlanks(m, move->word);

    qsizetype w = 0;
    for (int q = move->first; q <= move->last; q += move->step) {
        Cell& square = m.a[q];
        // A square that holds a tile is taken to hold the word's letter already.
        if (state::holdsTile(square.state) || state::isFixed(square.state)) {
            ++w;
            continue;
        }
        const QChar letter = w < move->word.size() ? move->word.at(w) : QChar();
        Cell* slot = letter.isNull() ? nullptr : rackTileFor(m, letter);
        if (!slot)
            continue;
        square.picture = letter.isLower() ? Picture::blankLetter(tiles::blankLetterIndex(letter))
                                          : slot->picture;
        square.state = state::part(square.state, 1, 4) + state::part(slot->state, 5, 10)
            + state::part(square.state, 11, 14) + slot->state.right(3);
        *slot = {state::kEmptyCell.toString(), Picture()};
        m.gelegt.addItem(u'+' + square.state);
        ++w;
    }
    if (!m.spielsituationShown)
        rechnen(m);
}
