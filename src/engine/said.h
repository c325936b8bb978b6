// What happened, as data: a kind and its numbers and names. The engine
// answers with these; one Qt-side place (src/words) turns them into the
// player's language.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace trulp {

enum class Words : uint8_t {
    Keep,  // the line stays as it is
    Clear, // the empty line
    Welcome,
    PlayEntered,
    ReplayEntered,
    SearchEntered,
    DragMoved,       // a move by mouse
    KeyMoved,        // a move by key, or a key that could start one
    ListFull,        // refused: the list takes no more
    MovedListFull,   // made, and now the list takes no more
    SolvedAlone,     // the goal, from the start, by the player alone
    SolutionReached, // the goal, in any other way
    MoveNumber,      // "move N", replay and take-back
    EndOfList,
    Hint, // block, direction, moves to go
    ToGo,
    Solving,
    Pause,
    SolvePaused, // the coach's solve stopped: GO goes on
    Searching,   // trial moves so far
    SearchSolved,
    NoSolution,
    Saved,  // name
    Opened, // name
    ReadError,
    WrongFile,
    Printed,      // name: the file written, empty for a printer
    PuzzleChosen, // name, shortest solution
    SettingUp,    // the editor opened
    NoWay,        // a start from which no line leads to the goal
    OnGoal,       // a start with X on the goal already
    NoRoom,       // a set-up block where it cannot stand
    NewRecord,    // moves, shortest solution
    // A start that cannot be played or read, as text or from a file.
    OffBoard,      // piece, its field
    OnWall,        // piece, its field
    Overlap,       // piece and its field, other piece and its field
    StartTokens,   // the number of tokens found
    StartOrder,    // the block expected (by number), the token found
    StartField,    // the token found
    MovesCleared,  // an action threw moves away: Undo brings them back
    NextOffered,   // after the goal: the next puzzle without a record (name)
    BusySearching, // an input refused while the search runs
    BusyReplaying,
    BusySolving,
    Copied,       // the puzzle (name) on the clipboard
    CoachUnknown, // the puzzle has too many positions for the coach
    PuzzleNamed,  // a puzzle chosen whose shortest line is not known yet (name)
    GameBack,     // the game of the last run is back (name)
    // A puzzle text that cannot be read; number is its line where one is at fault.
    PuzzleNotText,      // not a text (a NUL byte or not UTF-8)
    PuzzleTooLarge,     // more bytes than a puzzle text may have (number: the most)
    PuzzleNoMagic,      // the first line is not the mark (name: the mark)
    PuzzleUnknownKey,   // line, name: the key
    PuzzleNoName,       // no name line
    PuzzleNoStart,      // no start map
    PuzzleNoGoal,       // no goal map
    PuzzleStray,        // line: a line outside any part
    PuzzleRowLength,    // line, number of fields, second: the first row's
    PuzzleMapSize,      // the goal map's rows (number) differ from the start's (second)
    PuzzleBoardSize,    // columns (number) by rows (second) outside 2..10
    PuzzleUnknownField, // line, name: the character
    PuzzleSpacing,      // line: more than one space between fields
    PuzzlePieceSplit,   // line, letter: a piece in two parts
    PuzzlePieceTooBig,  // line, letter, second: its fields
    PuzzleNoFreeField,
    PuzzleGoalShape,    // line, letter: its goal marks are not its shape
    PuzzleGoalOnWall,   // line, letter
    PuzzleGoalUnknown,  // line, letter: the goal names a piece the start has not
    PuzzleGoalNone,     // the goal names no piece
    PuzzleGoalMet,      // the goal is met at the start
    PuzzleBadMove,      // line, name: a move that is no piece's letter and R, U, L or D
    PuzzleMoveBlocked,  // number: the move that cannot be made from the start
    PuzzleTooManyMoves, // number: the most a list holds
    // Files: name is the path, detail the system's own words.
    CannotOpen,
    NotAFile, // a folder, a pipe, a device: nothing the program reads
    CannotRead,
    CannotWriteIn, // name: the folder
    CannotSave,
    FileTooShort,    // a moves file shorter than a record: number of bytes
    RecordsSetAside, // name: where the damaged file went
    GameSetAside,
};

// Pieces are named by their letters: the words know no puzzle.
struct Said {
    Said() = default;
    Said(Words w, int n = 0, char l = 0, uint8_t d = 0, std::string text = {})
        : words(w), number(n), letter(l), direction(d), name(std::move(text)) {}
    Words words = Words::Keep;
    int number = 0;
    char letter = 0;
    uint8_t direction = 0;
    std::string name;
    int second = 0;       // a second number, where the words have one
    char otherLetter = 0; // a second piece, where the words have one
    std::string detail;   // the system's words for a failure
    friend bool operator==(const Said&, const Said&) = default;
};

} // namespace trulp
