#include "game/gamereader.h"

#include "model/boardgeometry.h"
#include "model/murmex.h"
#include "model/statestring.h"
#include "model/tileset.h"
#include "model/windowtitle.h"
#include "platform/platform.h"
#include "platform/sequentialreader.h"
#include "scoring/rechnen.h"
#include "scoring/resultlists.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr int kRackSlotsOfOlderFiles = 7;
// The score is a short number; a longer value after the seventh rack line is the eighth slot.
constexpr int kLongestScore = 4;

struct GameFile
{
    std::array<QString, board::kSquareCount + 1> board; // [0] unused
    std::array<QString, tiles::kTileCount + 1> bag; // [0] unused
    std::array<QString, 8> rack;
    QStringList gelegt;
    QStringList results;
};

struct Reading
{
    std::optional<GameFile> game;
    QString problem;
};

bool namesATile(const QString& text)
{
    const int n = state::tileNumber(text);
    return !state::holdsTile(text) || (n >= 1 && n <= tiles::kTileCount);
}

bool namesOnlyTiles(const GameFile& game)
{
    return std::all_of(game.board.cbegin() + 1, game.board.cend(), namesATile)
        && std::all_of(game.bag.cbegin() + 1, game.bag.cend(), namesATile)
        && std::all_of(game.rack.cbegin(), game.rack.cend(), namesATile);
}

// Leading zeros of a score become blanks, so that the line sorts among the others again.
QString withoutLeadingZeros(QString line)
{
    if (line.startsWith(u"00"))
        line = u"  " + line.mid(2, 30);
    if (line.startsWith(u'0'))
        line = u' ' + line.mid(1, 30);
    return line;
}

Reading readGameFile(const QString& path)
{
    std::optional<SequentialReader> file = SequentialReader::open(path);
    if (!file)
        return {{}, QStringLiteral("Die Datei kann nicht geöffnet werden.")};
    const QString incomplete = QStringLiteral("Die Datei endet vor dem Punktestand.");
    GameFile game;
    game.rack.fill(state::kEmptyCell.toString());

    std::optional<QString> value;
    for (int i = 1; i <= board::kSquareCount; ++i) {
        if (!(value = file->readValue()))
            return {{}, incomplete};
        game.board[i] = *value;
    }
    for (int i = 1; i <= tiles::kTileCount; ++i) {
        if (!(value = file->readValue()))
            return {{}, incomplete};
        game.bag[i] = value->left(17);
    }
    for (int j = 0; j < kRackSlotsOfOlderFiles; ++j) {
        if (!(value = file->readValue()))
            return {{}, incomplete};
        game.rack[j] = *value;
    }
    if (!(value = file->readValue()))
        return {{}, incomplete};
    if (value->size() > kLongestScore) {
        game.rack[kRackSlotsOfOlderFiles] = *value;
        // The score itself is not kept: rechnen computes it anew.
        if (!file->readValue())
            return {{}, incomplete};
    }

    if (!namesOnlyTiles(game))
        return {{}, QStringLiteral("Die Datei nennt einen Stein, den es nicht gibt.")};

    // From here on nothing ends the reading: the lists take what there is.
    const int placed = file->readNumber().value_or(0);
    for (int i = 0; i < placed && (value = file->readValue()); ++i)
        game.gelegt.append(*value);
    file->readValue(); // the count of the result list, separators included
    while ((value = file->readValue()))
        game.results.append(withoutLeadingZeros(*value));
    return {std::move(game), {}};
}

Picture boardPicture(const QString& text)
{
    if (!state::holdsTile(text))
        return {};
    const QChar letter = state::part(text, 5, 5).front();
    const int blankLetter = tiles::blankLetterIndex(letter);
    // The last character of the blank alphabet stands for a blank without letter.
    if (letter == letter.toLower() && blankLetter >= 1
        && blankLetter < tiles::blankAlphabet().size())
        return Picture::blankLetter(blankLetter);
    return Picture::tile(state::tileNumber(text));
}

void apply(Murmex& m, const GameFile& game)
{
    for (int i = 1; i <= board::kSquareCount; ++i)
        m.a[i] = {game.board[i], boardPicture(game.board[i])};
    // A blank in the bag shows its plain picture, even when it still carries a letter.
    for (int i = 1; i <= tiles::kTileCount; ++i)
        m.s[i] = {game.bag[i], state::holdsTile(game.bag[i]) ? Picture::tile(i) : Picture()};
    for (int j = 0; j < int(m.bb.size()); ++j) {
        const QString& text = game.rack[j];
        m.bb[j]
            = {text, state::holdsTile(text) ? Picture::tile(state::tileNumber(text)) : Picture()};
    }
    m.punkte.setText(QStringLiteral("0"));
    m.gelegt.clear();
    m.ergebnis_sortiert.clear();
    m.Ergebnisliste.clear();
    for (const QString& line : game.gelegt)
        m.gelegt.addItem(line);
    for (const QString& line : game.results)
        m.Ergebnisliste.addItem(line);

    m.Top_5.setText({});
    m.Top_10.setText({});
    m.Top_20.setText({});
    liste_aktualisieren(m);
    if (!m.spielsituationShown)
        rechnen(m);
}

} // namespace

void laden_Click(Murmex& m, Platform& platform)
{
    FilePanel& load = m.laden_speichern[kLoadPanel];
    load.shown = false;
    const QString path = load.file_komplett;
    if (path.isEmpty() || path.endsWith(u"readme.txt") || path.endsWith(u"optionen.txt"))
        return;

    const Reading reading = readGameFile(path);
    if (!reading.game) {
        platform.messages.inform(QStringLiteral("A c h t u n g !!!"),
            u"Der Spielstand wurde nicht geladen.\n" + path + u"\n\n" + reading.problem,
            MessageBoxes::Icon::Critical);
        return;
    }
    apply(m, *reading.game);
    m.title = title::withGame(m.title, load.Datei.text());
}
