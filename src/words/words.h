// The program's words: what the engine says happened, as the player reads
// it, in the language of the catalogue loaded. The one place they are written.
#pragma once

#include "said.h"
#include "session.h"

#include <QCoreApplication>
#include <QString>

namespace trulp {

class Wording {
    Q_DECLARE_TR_FUNCTIONS(Wording)
public:
    // The message line's words for what happened.
    static QString text(const Said& said);
    // GO's caption.
    static QString caption(GoCaption caption);
    // A direction as the coach and a screen reader say it.
    static QString direction(unsigned direction);
    // A puzzle's name as the player reads it: the collection's names, the
    // difficulties and "your own" are translated; files and the command line
    // keep the English ones.
    static QString puzzleName(const std::string& name);
    // Who made a puzzle and its note, in the player's language: for its tool tip.
    static QString puzzleAbout(const std::string& by, const std::string& note);
    // The arrow the moves list, the page and the command line show for it.
    static QChar arrow(unsigned direction);
    // The search's counters as the statistics dialog and trulp-solve name them.
    enum class Counter : uint8_t {
        Moves,
        Seconds,
        TrialMoves,
        ForwardLength,
        BackwardHits,
        ForwardHits,
        // a game's
        PieceMoves,
        CoachMoves,
        TimePlayed,
        ToGo,
        Best
    };
    static QString counterLabel(Counter counter);
    // A time played: m:ss, or h:mm:ss from an hour on.
    static QString playTime(int seconds);
    // A count in moves and piece moves: "58 / 41".
    static QString movesPair(int moves, int pieceMoves);
    // Why hint and solve cannot help with a puzzle too large to know.
    static QString coachUnknown();
    // The keys named in sentences, as the desktop writes the actions' own.
    enum class KeyOf : uint8_t { Undo, NextPuzzle, Count };
    static void setKey(KeyOf action, const QString& text);
    // A key as the desktop writes it, kept whole inside any sentence: in a
    // right-to-left language the desktop's text opens a left-to-right
    // embedding it never closes, which would carry the rest of the sentence
    // (the closing bracket after it); there the key becomes an isolate.
    static QString keyName(const QString& native);

private:
    static QString keys_[size_t(KeyOf::Count)];
};

// Loads the program's catalogue and Qt's for the desktop's language
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); English where none matches.
void InstallTranslations(QCoreApplication& app);

inline QString Text(const Said& said) {
    return Wording::text(said);
}

} // namespace trulp
