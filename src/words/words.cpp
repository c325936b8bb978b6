#include "words.h"

#include "board.h"
#include "tenblock.h"

#include <algorithm>

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace trulp {

namespace {
QString LetterOf(char letter) {
    return QString(QLatin1Char(letter >= 'A' && letter <= 'Z' ? letter : '?'));
}
} // namespace

QString Wording::direction(unsigned d) {
    switch (d) {
    case Right:
        //: A direction in a hint and in the moves list read aloud: "hint: H right".
        return tr("right");
    case Up:
        return tr("up");
    case Left:
        return tr("left");
    case Down:
        return tr("down");
    default:
        return {};
    }
}

namespace {
// The names the collection and the set-up give, for the catalogue. A
// puzzle's name is a single word, shown under its picture and in a box of
// 90 pixels: a short word.
// Qt reads the layout direction from the catalogue: RTL for Hebrew.
[[maybe_unused]] const struct {
    const char* source;
    const char* comment;
} kDirection =
    QT_TRANSLATE_NOOP3("QGuiApplication", "QT_LAYOUT_DIRECTION",
                       "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
                       "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");
[[maybe_unused]] const char* const kPuzzleNames[] = {
    QT_TRANSLATE_NOOP("Puzzles", "classic"),   QT_TRANSLATE_NOOP("Puzzles", "nearly"),
    QT_TRANSLATE_NOOP("Puzzles", "corners"),   QT_TRANSLATE_NOOP("Puzzles", "lid"),
    QT_TRANSLATE_NOOP("Puzzles", "sidestep"),  QT_TRANSLATE_NOOP("Puzzles", "drift"),
    QT_TRANSLATE_NOOP("Puzzles", "nudge"),     QT_TRANSLATE_NOOP("Puzzles", "fence"),
    QT_TRANSLATE_NOOP("Puzzles", "pillars"),   QT_TRANSLATE_NOOP("Puzzles", "stakes"),
    QT_TRANSLATE_NOOP("Puzzles", "arch"),      QT_TRANSLATE_NOOP("Puzzles", "cradle"),
    QT_TRANSLATE_NOOP("Puzzles", "throne"),    QT_TRANSLATE_NOOP("Puzzles", "tower"),
    QT_TRANSLATE_NOOP("Puzzles", "palisade"),  QT_TRANSLATE_NOOP("Puzzles", "keep"),
    QT_TRANSLATE_NOOP("Puzzles", "detour"),    QT_TRANSLATE_NOOP("Puzzles", "crooked"),
    QT_TRANSLATE_NOOP("Puzzles", "leaning"),   QT_TRANSLATE_NOOP("Puzzles", "tangle"),
    QT_TRANSLATE_NOOP("Puzzles", "attic"),     QT_TRANSLATE_NOOP("Puzzles", "lopsided"),
    QT_TRANSLATE_NOOP("Puzzles", "colonnade"), QT_TRANSLATE_NOOP("Puzzles", "sentries"),
    QT_TRANSLATE_NOOP("Puzzles", "guards"),    QT_TRANSLATE_NOOP("Puzzles", "ladder"),
    QT_TRANSLATE_NOOP("Puzzles", "shelf"),     QT_TRANSLATE_NOOP("Puzzles", "gate"),
    QT_TRANSLATE_NOOP("Puzzles", "lantern"),   QT_TRANSLATE_NOOP("Puzzles", "fallen"),
    QT_TRANSLATE_NOOP("Puzzles", "crown"),     QT_TRANSLATE_NOOP("Puzzles", "hourglass"),
    QT_TRANSLATE_NOOP("Puzzles", "fortress"),  QT_TRANSLATE_NOOP("Puzzles", "citadel"),
    QT_TRANSLATE_NOOP("Puzzles", "twin"),      QT_TRANSLATE_NOOP("Puzzles", "soldiers"),
    QT_TRANSLATE_NOOP("Puzzles", "barracks"),  QT_TRANSLATE_NOOP("Puzzles", "garrison"),
    QT_TRANSLATE_NOOP("Puzzles", "labyrinth"), QT_TRANSLATE_NOOP("Puzzles", "summit"),
    QT_TRANSLATE_NOOP("Puzzles", "nadir"),     QT_TRANSLATE_NOOP("Puzzles", "zenith"),
    QT_TRANSLATE_NOOP("Puzzles", "your own"),  QT_TRANSLATE_NOOP("Puzzles", "easy"),
    QT_TRANSLATE_NOOP("Puzzles", "medium"),    QT_TRANSLATE_NOOP("Puzzles", "hard"),
    QT_TRANSLATE_NOOP("Puzzles", "moves"),
};
// The collection's own names and notes, for the catalogue: each puzzle file
// under puzzles/ has its name and note here (a test holds them together).
[[maybe_unused]] const char* const kCollectionTexts[] = {
    //: A puzzle's name, as the literature gives it.
    QT_TRANSLATE_NOOP("Puzzles", "The Angelica Puzzle"),
    //: The note of the puzzle The Angelica Puzzle: keep the numbers and the kind of count.
    QT_TRANSLATE_NOOP(
        "Puzzles", "1931, eight counters into the order ANGELICA, here A to H. Shortest solution 30 moves."),
    //: A puzzle's name, as the literature gives it.
    QT_TRANSLATE_NOOP("Puzzles", "Bandaged Fifteen"),
    //: The note of the puzzle Bandaged Fifteen: keep the numbers and the kind of count.
    QT_TRANSLATE_NOOP("Puzzles", "2011, a fifteen-puzzle tray with pieces glued together. Shortest solution "
                                 "131 piece moves (179 moves)."),
    //: A puzzle's name, as the literature gives it.
    QT_TRANSLATE_NOOP("Puzzles", "Century"),
    //: The note of the puzzle Century: keep the numbers and the kind of count.
    QT_TRANSLATE_NOOP("Puzzles", "1975, shown in Winning Ways with the middle block half a field off the "
                                 "grid, here set on it. Shortest solution 99 piece moves (131 moves)."),
    //: A puzzle's name, as the literature gives it.
    QT_TRANSLATE_NOOP("Puzzles", "Dad's Puzzle"),
    //: The note of the puzzle Dad's Puzzle: keep the numbers and the kind of count.
    QT_TRANSLATE_NOOP("Puzzles",
                      "1909, the Pennant Puzzle, sold from 1926 as Dad's Puzzler. Big square from the upper "
                      "left to the lower left corner. Shortest solution 59 piece moves (83 moves)."),
    //: A puzzle's name, as the literature gives it.
    QT_TRANSLATE_NOOP("Puzzles", "The Eight Engines"),
    //: The note of the puzzle The Eight Engines: keep the numbers and the kind of count.
    QT_TRANSLATE_NOOP("Puzzles", "1917, Amusements in Mathematics no. 221, engines 1 to 8 round a yard, "
                                 "drawn as the equivalent 3x3 tray. Shortest solution 17 moves."),
    //: A puzzle's name, as the literature gives it.
    QT_TRANSLATE_NOOP("Puzzles", "Eight Puzzle"),
    //: The note of the puzzle Eight Puzzle: keep the numbers and the kind of count.
    QT_TRANSLATE_NOOP("Puzzles", "Tiles A to H stand for 1 to 8, in one of the two starts farthest from "
                                 "order. Shortest solution 31 moves."),
    //: A puzzle's name, as the literature gives it.
    QT_TRANSLATE_NOOP("Puzzles", "The Flanders Wheel"),
    //: The note of the puzzle The Flanders Wheel: keep the numbers and the kind of count.
    QT_TRANSLATE_NOOP(
        "Puzzles",
        "1931, FLANDERS round a wheel, drawn as the equivalent 3x3 tray. Shortest solution 28 moves."),
    //: A puzzle's name, as the literature gives it.
    QT_TRANSLATE_NOOP("Puzzles", "The Four Frogs"),
    //: The note of the puzzle The Four Frogs: keep the numbers and the kind of count.
    QT_TRANSLATE_NOOP("Puzzles",
                      "1917, Amusements in Mathematics no. 341, Guarini's knight swap of 1512 drawn as "
                      "Dudeney's ring of toadstools. Shortest solution 7 piece moves (16 moves)."),
    //: A puzzle's name, as the literature gives it.
    QT_TRANSLATE_NOOP("Puzzles", "The Letter Block Puzzle"),
    //: The note of the puzzle The Letter Block Puzzle: keep the numbers and the kind of count.
    QT_TRANSLATE_NOOP("Puzzles", "1917, Amusements in Mathematics no. 219. Put the blocks in order, A to H. "
                                 "Shortest solution 23 moves."),
    //: A puzzle's name, as the literature gives it.
    QT_TRANSLATE_NOOP("Puzzles", "A Lodging-House Difficulty"),
    //: The note of the puzzle A Lodging-House Difficulty: keep the numbers and the kind of count.
    QT_TRANSLATE_NOOP("Puzzles", "1917, Amusements in Mathematics no. 220. Swap the piano X and the bookcase "
                                 "Y, one piece to a room. Shortest solution 17 moves."),
    //: A puzzle's name, as the literature gives it.
    QT_TRANSLATE_NOOP("Puzzles", "Quzzle Killer"),
    //: The note of the puzzle Quzzle Killer: keep the numbers and the kind of count.
    QT_TRANSLATE_NOOP("Puzzles", "2004, the Quzzle pieces rearranged. Big square to the upper right corner. "
                                 "Shortest solution 90 piece moves (121 moves)."),
    //: A puzzle's name, as the literature gives it.
    QT_TRANSLATE_NOOP("Puzzles", "Quzzle"),
    //: The note of the puzzle Quzzle: keep the numbers and the kind of count.
    QT_TRANSLATE_NOOP("Puzzles", "2004, designed by computer. Big square to the upper right corner. Shortest "
                                 "solution 84 piece moves (115 moves)."),
    //: A puzzle's name, as the literature gives it.
    QT_TRANSLATE_NOOP("Puzzles", "Super Century"),
    //: The note of the puzzle Super Century: keep the numbers and the kind of count.
    QT_TRANSLATE_NOOP("Puzzles",
                      "2004, the pieces of Century. Shortest solution 138 piece moves (179 moves)."),
    //: A puzzle's name, as the literature gives it.
    QT_TRANSLATE_NOOP("Puzzles", "Ma's Puzzle, Wide"),
    //: The note of the puzzle Ma's Puzzle, Wide: keep the numbers and the kind of count.
    QT_TRANSLATE_NOOP("Puzzles", "1986, join the two L's into a lying block in the top right corner. "
                                 "Shortest solution 37 piece moves (60 moves)."),
    //: A puzzle's name, as the literature gives it.
    QT_TRANSLATE_NOOP("Puzzles", "Ma's Puzzle"),
    //: The note of the puzzle Ma's Puzzle: keep the numbers and the kind of count.
    QT_TRANSLATE_NOOP("Puzzles", "1927, join the two L's into an upright block in the top right corner. "
                                 "Shortest solution 23 piece moves (36 moves)."),
};
} // namespace

QString Wording::puzzleName(const std::string& name) {
    return QCoreApplication::translate("Puzzles", name.c_str());
}

QString Wording::puzzleAbout(const std::string& by, const std::string& note) {
    QStringList lines;
    if (!by.empty())
        //: Who made a puzzle, in its tool tip: a name as the puzzle file gives it.
        lines << tr("by %1").arg(QString::fromStdString(by));
    if (!note.empty())
        lines << QCoreApplication::translate("Puzzles", note.c_str());
    return lines.join(u'\n');
}

QChar Wording::arrow(unsigned d) {
    switch (d) {
    case Right:
        return QChar(0x2192);
    case Up:
        return QChar(0x2191);
    case Left:
        return QChar(0x2190);
    case Down:
        return QChar(0x2193);
    default:
        return {};
    }
}

QString Wording::caption(GoCaption caption) {
    switch (caption) {
    case GoCaption::Stop:
        //: GO's caption during a run: stops it. At most 6 letters.
        return tr("STOP");
    case GoCaption::Step:
        //: GO's caption in step mode: one move per press. At most 6 letters.
        return tr("STEP");
    default:
        //: The button that starts a search or a replay. At most 6 letters.
        return tr("GO");
    }
}

namespace {

// Whether the program speaks right to left, as Qt decides it for the window.
bool RightToLeft() {
    // Qt's own catalogue says it; the program's catalogues need not.
    static const char* const kContext = "QGuiApplication";
    static const char* const kDirection = "QT_LAYOUT_DIRECTION";
    return QCoreApplication::translate(kContext, kDirection) == QLatin1String("RTL");
}

// A file's name or a text as typed, inside a right-to-left sentence: kept
// whole, so that a path with a Hebrew name in it keeps its order.
QString Isolated(const std::string& text) {
    const QString t = QString::fromStdString(text);
    return t.isEmpty() || !RightToLeft() ? t : QChar(0x2068) + t + QChar(0x2069);
}

} // namespace

QString Wording::text(const Said& s) {
    const QString name = Isolated(s.name);
    switch (s.words) {
    case Words::Keep:
    case Words::Clear:
        return {};
    case Words::Welcome:
        return tr("welcome at the TRULP puzzle. Select \"play\" or \"search\"...");
    case Words::PlayEntered:
        return tr("search for solution...");
    case Words::ReplayEntered:
        return tr("show moves");
    case Words::SearchEntered:
        return tr("click GO to start search");
    case Words::DragMoved:
        return tr("find solutions...");
    case Words::KeyMoved:
        return tr("find solution...");
    case Words::ListFull:
        return tr("list is full");
    case Words::MovedListFull:
        return tr("moves list is full");
    case Words::SolvedAlone:
        return tr("SOLUTION FOUND ...congratulations !");
    case Words::SolutionReached:
        return tr("solution reached");
    case Words::MoveNumber:
        //: Replay and take-back: the number of the move shown.
        return tr("move %1").arg(s.number);
    case Words::EndOfList:
        return tr("end of list");
    case Words::Hint:
        //: %1 a block's letter, %2 a direction, %n the moves to the goal.
        return tr("hint: %1 %2 (%n to go)", nullptr, s.number)
            .arg(LetterOf(s.letter), direction(s.direction));
    case Words::ToGo:
        return tr("%n to go", nullptr, s.number);
    case Words::Solving:
        return tr("solving... %n to go", nullptr, s.number);
    case Words::Pause:
        return tr("pause");
    case Words::SolvePaused:
        //: The coach's solve was stopped; GO, Space or Return let it go on.
        return tr("pause: GO goes on");
    case Words::Searching:
        //: %1 the trial moves of the search so far.
        return tr("computer searching...move: %1").arg(s.number);
    case Words::SearchSolved:
        return tr("puzzle solved.  (see statistics)");
    case Words::NoSolution:
        return tr("no solution found");
    case Words::Saved:
        //: %1 the name the moves file was saved as.
        return tr("puzzle saved as: %1").arg(name);
    case Words::Opened:
        //: %1 the name stored in the moves file.
        return tr("puzzle %1 opened").arg(name);
    case Words::ReadError:
        return tr("read error");
    case Words::WrongFile:
        return tr("wrong file");
    case Words::Printed:
        if (name.isEmpty())
            return tr("puzzle send to printer");
        //: %1 the PDF file the page was written to.
        return tr("page written to %1").arg(name);
    case Words::PuzzleChosen:
        //: %1 the puzzle's name, %n the moves of its shortest solution.
        return tr("puzzle %1: shortest solution %n moves", nullptr, s.number).arg(puzzleName(s.name));
    case Words::SettingUp:
        return tr("drag the blocks where you want them");
    case Words::NoWay:
        return tr("no way to the goal");
    case Words::OnGoal:
        return tr("block X is on the goal already");
    case Words::NoRoom:
        return tr("no room there");
    case Words::NewRecord:
        //: %n the moves of the new record, %1 the shortest solution's.
        return tr("new record: %n moves (shortest %1)", nullptr, s.number).arg(s.second);
    case Words::OffBoard:
        return tr("block %1 on field %2 does not fit on the board").arg(LetterOf(s.letter)).arg(s.number);
    case Words::OnWall:
        //: A piece placed where the board has a wall.
        return tr("block %1 on field %2 stands on a wall").arg(LetterOf(s.letter)).arg(s.number);
    case Words::Overlap:
        return tr("blocks %1 on field %2 and %3 on field %4 overlap")
            .arg(LetterOf(s.letter))
            .arg(s.number)
            .arg(LetterOf(s.otherLetter))
            .arg(s.second);
    case Words::StartTokens:
        return tr("a start names ten blocks in the order A X B C D E F G H I, each with its field, not %n "
                  "tokens",
                  nullptr, s.number);
    case Words::StartOrder:
        return tr("block %1 of the start must be %2 (order A X B C D E F G H I), not '%3'")
            .arg(s.number)
            .arg(LetterOf(s.letter), name);
    case Words::MovesCleared:
        //: Beside the message, when a reset, a mode, a puzzle or a file threw the moves list away. %1 the
        //: undo key, as the desktop writes it.
        return tr("moves cleared: %1 brings them back").arg(keys_[size_t(KeyOf::Undo)]);
    case Words::NextOffered:
        //: After the goal, beside the message: the next puzzle without a record. %2 its key.
        return tr("next: %1 (%2)").arg(puzzleName(s.name), keys_[size_t(KeyOf::NextPuzzle)]);
    case Words::StartField:
        return tr("'%1': the field must be a number from 0 to 19").arg(name);
    case Words::BusySearching:
        //: Beside the message: an input refused while the search runs.
        return tr("the search is running: STOP first");
    case Words::BusyReplaying:
        return tr("the replay is running: STOP first");
    case Words::BusySolving:
        //: GO stops the coach's solve.
        return tr("the coach is solving: GO stops it first");
    case Words::Copied:
        //: %1 the puzzle's name.
        return tr("puzzle %1 copied as text").arg(puzzleName(s.name));
    case Words::CoachUnknown:
        return coachUnknown();
    case Words::PuzzleNamed:
        //: A puzzle chosen whose shortest solution the coach is still working out.
        return tr("puzzle %1").arg(puzzleName(s.name));
    case Words::GameBack:
        //: At start, when the game of the last run is back on the board.
        return tr("your game of %1 is back").arg(puzzleName(s.name));
    case Words::PuzzleNotText:
        return tr("not a puzzle: the file is not a text");
    case Words::PuzzleTooLarge:
        return tr("not a puzzle: a puzzle text has at most %n bytes", nullptr, s.number);
    case Words::PuzzleNoMagic:
        //: %1 the line a puzzle text must begin with.
        return tr("line 1: a puzzle text begins with the line '%1'").arg(name);
    case Words::PuzzleUnknownKey:
        return tr("line %1: unknown key '%2' (name, by and note are known)").arg(s.number).arg(name);
    case Words::PuzzleNoName:
        return tr("the puzzle has no 'name:' line");
    case Words::PuzzleNoStart:
        return tr("the puzzle has no 'start:' map");
    case Words::PuzzleNoGoal:
        return tr("the puzzle has no 'goal:' map");
    case Words::PuzzleStray:
        return tr("line %1: not a key line and not in a map").arg(s.number);
    case Words::PuzzleRowLength:
        //: %2 the fields of this row, %3 those of the first row.
        return tr("line %1: a row of %2 fields, the first row has %3").arg(s.number).arg(name).arg(s.second);
    case Words::PuzzleMapSize:
        return tr("the goal map has %1 rows, the start map %2").arg(s.number).arg(s.second);
    case Words::PuzzleBoardSize:
        return tr("a board of %1 by %2 fields: each side must be 2 to 10 fields").arg(s.number).arg(s.second);
    case Words::PuzzleUnknownField:
        //: %2 a character that means nothing in a start map.
        return tr("line %1: '%2' is no field (. free, # wall, A to Z a piece)").arg(s.number).arg(name);
    case Words::PuzzleSpacing:
        return tr("line %1: one space at most between two fields").arg(s.number);
    case Words::PuzzlePieceSplit:
        return tr("line %1: piece %2 is in two parts").arg(s.number).arg(LetterOf(s.letter));
    case Words::PuzzlePieceTooBig:
        return tr("line %1: piece %2 has %3 fields, at most 9 are allowed")
            .arg(s.number)
            .arg(LetterOf(s.letter))
            .arg(s.second);
    case Words::PuzzleNoFreeField:
        return tr("the start has no free field");
    case Words::PuzzleGoalShape:
        return tr("line %1: the goal of piece %2 does not have its shape")
            .arg(s.number)
            .arg(LetterOf(s.letter));
    case Words::PuzzleGoalOnWall:
        return tr("line %1: the goal of piece %2 is on a wall").arg(s.number).arg(LetterOf(s.letter));
    case Words::PuzzleGoalUnknown:
        return tr("line %1: the goal names piece %2, which the start does not have")
            .arg(s.number)
            .arg(LetterOf(s.letter));
    case Words::PuzzleGoalNone:
        return tr("the goal names no piece");
    case Words::PuzzleGoalMet:
        return tr("the goal is met at the start already");
    case Words::PuzzleBadMove:
        //: A moves list of a game file: %2 what stands there instead of a letter and R, U, L or D.
        return tr("line %1: '%2' is no move (a piece's letter and R, U, L or D)").arg(s.number).arg(name);
    case Words::PuzzleMoveBlocked:
        return tr("move %1 cannot be made from the start").arg(s.number);
    case Words::PuzzleTooManyMoves:
        return tr("more moves than a list holds (%1)").arg(s.number);
    case Words::CannotOpen:
        //: %1 a file, %2 the system's reason.
        return tr("cannot open '%1': %2").arg(name, QString::fromLocal8Bit(s.detail.c_str()));
    case Words::NotAFile:
        return tr("'%1' is not a file that can be opened").arg(name);
    case Words::CannotRead:
        return tr("cannot read '%1': %2").arg(name, QString::fromLocal8Bit(s.detail.c_str()));
    case Words::CannotWriteIn:
        return tr("cannot write in '%1': %2").arg(name, QString::fromLocal8Bit(s.detail.c_str()));
    case Words::CannotSave:
        return tr("cannot save '%1': %2").arg(name, QString::fromLocal8Bit(s.detail.c_str()));
    case Words::FileTooShort:
        return tr("'%1' is not a moves file: %n bytes instead of 250", nullptr, s.number).arg(name);
    case Words::RecordsSetAside:
        //: %1 where the damaged records file was put.
        return tr("your records could not be read: the file is kept as %1").arg(name);
    case Words::GameSetAside:
        return tr("the game kept last time could not be read: it is kept as %1").arg(name);
    }
    return {};
}

QString Wording::counterLabel(Counter counter) {
    struct Label {
        const char* source;
        const char* comment;
    };
    static const Label kLabels[] = {
        QT_TRANSLATE_NOOP3("TStatForm", "number of moves", ""),
        QT_TRANSLATE_NOOP3("TStatForm", "time (secs.)", ""),
        QT_TRANSLATE_NOOP3("TStatForm", "trial moves", ""),
        QT_TRANSLATE_NOOP3("TStatForm", "Forward history buffer length", ""),
        QT_TRANSLATE_NOOP3("TStatForm", "Backward buffer hits", ""),
        QT_TRANSLATE_NOOP3("TStatForm", "Forward buffer hits", ""),
        QT_TRANSLATE_NOOP3("TStatForm", "piece moves",
                           "a game's moves, a piece's moves one after another counted once"),
        QT_TRANSLATE_NOOP3("TStatForm", "moves by the coach",
                           "of the game's moves, those a hint or a solve made"),
        QT_TRANSLATE_NOOP3("TStatForm", "time played", "the game's time, without the time hidden or solving"),
        QT_TRANSLATE_NOOP3("TStatForm", "to the goal", "moves / piece moves still to go from the board"),
        QT_TRANSLATE_NOOP3("TStatForm", "your best",
                           "the fewest moves / piece moves of a solve without help"),
    };
    const Label& l = kLabels[size_t(counter)];
    return QCoreApplication::translate("TStatForm", l.source, *l.comment != 0 ? l.comment : nullptr);
}

QString Wording::playTime(int seconds) {
    if (seconds >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString Wording::movesPair(int moves, int pieceMoves) {
    return QStringLiteral("%1 / %2").arg(moves).arg(pieceMoves);
}

QString Wording::coachUnknown() {
    //: The coach's tool tip and words for a puzzle it has no table for.
    return tr("the coach cannot know this puzzle: it has too many positions");
}

// Until the window tells the desktop's own.
QString Wording::keys_[size_t(Wording::KeyOf::Count)] = {QStringLiteral("Ctrl+Z"), QStringLiteral("Ctrl+N")};

void Wording::setKey(KeyOf action, const QString& text) {
    keys_[size_t(action)] = keyName(text);
}

QString Wording::keyName(const QString& native) {
    QString key = native;
    const auto embedding = [](QChar c) { return c.unicode() >= 0x202A && c.unicode() <= 0x202E; };
    if (std::none_of(key.begin(), key.end(), embedding))
        return key; // written left to right: nothing to keep apart
    key.removeIf(embedding);
    return QChar(0x2066) + key + QChar(0x2069);
}

void InstallTranslations(QCoreApplication& app) {
    // The program's words in the desktop's language, English where none
    // matches (for its plural forms).
    auto* mine = new QTranslator(&app);
    if (mine->load(QLocale(), QStringLiteral("trulp"), QStringLiteral("_"), QStringLiteral(":/i18n")) ||
        mine->load(QStringLiteral(":/i18n/trulp_en.qm")))
        QCoreApplication::installTranslator(mine);
    // Qt's own, so that the file, print and message dialogs speak the same.
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(), QStringLiteral("qt"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

} // namespace trulp
