// Where the main window meets the desktop: the file and printer dialogs,
// the browser, error boxes and the puzzles window, as hooks that tests
// replace; and the reading of what a file or the clipboard holds.
#pragma once

#include "movesfile.h"

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace trulp {

struct PuzzleChoice;

// Where the window meets the desktop; tests replace these.
struct Desktop {
    std::function<QString()> chooseSaveFile;
    std::function<QString()> chooseOpenFile;
    // Asks where to write the page when there is no printer (a proposed path in).
    std::function<QString(const QString&)> choosePdfFile;
    std::function<void()> runPrinterSetup;
    std::function<void(const QString&)> reportError;
    std::function<void(const QUrl&)> openUrl;
    // The puzzles dialog: which puzzle to play, if any.
    std::function<PuzzleChoice()> choosePuzzle;
};

// The desktop's own dialogs for a window: moves files in the folder used
// last in this run, else Documents, else home.
Desktop DesktopDialogs(QWidget& window);

// What the file at path holds (read without waiting on anything but a
// plain file), or why it cannot be read.
OpenedFile ReadFileAt(const QString& path, Said& error);
// What a text pasted holds: a puzzle, or a game that carries its puzzle.
OpenedFile ReadPastedText(const QString& text);

} // namespace trulp
