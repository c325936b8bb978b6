// Saving and opening a moves file. The record, its names and the files are
// the engine's, shared with the command line; here are the dialogs and the
// messages.
#include "form1.h"
#include "movesio.h"

#include <QFile>

namespace trulp {

void TForm1::SaveMoves() {
    const QString path = chooseSaveFile();
    if (path.isEmpty())
        return;
    const SavedFile saved =
        WriteMovesFile(QFile::encodeName(path).toStdString(), p.movesList(), p.lastMove());
    if (!saved.error.empty()) {
        reportError(QFile::decodeName(saved.error.c_str()));
        return;
    }
    setMessage(QStringLiteral("puzzle saved as: ") + QFile::decodeName(saved.name.c_str()));
}

void TForm1::OpenMoves() {
    const QString path = chooseOpenFile();
    if (path.isEmpty())
        return;
    const MovesFileBytes file = ReadMovesFile(QFile::encodeName(path).toStdString());
    if (!file.error.empty()) {
        reportError(QFile::decodeName(file.error.c_str()));
        return;
    }
    const DecodedMoves decoded = DecodeMovesRecord(file.record.data(), file.size);
    if (decoded.status == RecordStatus::ReadError) {
        setMessage(QStringLiteral("read error"));
        return;
    }
    if (decoded.status == RecordStatus::WrongFile) {
        setMessage(QStringLiteral("wrong file"));
        return;
    }
    LoadMoves(puzzle_, decoded);
    DrawMovesPanel();
    const std::string rest = decoded.storedName.substr(kFileMark.size());
    setMessage(QStringLiteral("puzzle ") + QString::fromLatin1(rest.data(), qsizetype(rest.size())) +
               QStringLiteral(" opened"));
}

} // namespace trulp
