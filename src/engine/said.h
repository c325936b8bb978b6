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
    WrongShape,   // block
    OffBoard,     // block, its field
    Overlap,      // block and its field, other block and its field
    StartTokens,  // the number of tokens found
    StartOrder,   // the block expected (by number), the token found
    StartField,   // the token found
    MovesCleared, // an action threw moves away: Undo brings them back
    NextOffered,  // after the goal: the next puzzle without a record (name)
};

struct Said {
    Said() = default;
    Said(Words w, int n = 0, uint8_t b = 0, uint8_t d = 0, std::string text = {})
        : words(w), number(n), block(b), direction(d), name(std::move(text)) {}
    Words words = Words::Keep;
    int number = 0;
    uint8_t block = 0;
    uint8_t direction = 0;
    std::string name;
    int second = 0;    // a second number, where the words have one
    uint8_t other = 0; // a second block, where the words have one
    friend bool operator==(const Said&, const Said&) = default;
};

} // namespace trulp
