// Saving and opening a moves file. The record, its names and the files are
// the engine's, shared with the command line; here are the dialogs and the
// messages.
#include "form1.h"
#include "movesio.h"

#include <QFile>

namespace trulp {

void TForm1::SaveMoves() {
    const QString path = desktop_.chooseSaveFile();
    if (path.isEmpty())
        return;
    const SavedFile saved =
        WriteMovesFile(QFile::encodeName(path).toStdString(), p().movesList(), p().lastMove(), p().start());
    if (!saved.error.empty()) {
        desktop_.reportError(QFile::decodeName(saved.error.c_str()));
        return;
    }
    showReply(Reply(Said(Words::Saved, 0, 0, 0, QFile::decodeName(saved.name.c_str()).toStdString())));
}

void TForm1::OpenMoves() {
    const QString path = desktop_.chooseOpenFile();
    if (path.isEmpty())
        return;
    const MovesFileBytes file = ReadMovesFile(QFile::encodeName(path).toStdString());
    if (!file.error.empty()) {
        desktop_.reportError(QFile::decodeName(file.error.c_str()));
        return;
    }
    showReply(session_.Open(DecodeMovesRecord(file.record.data(), file.size)));
}

} // namespace trulp
