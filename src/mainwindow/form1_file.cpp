// Saving and opening a moves file. The record and the names it is saved
// under are the engine's; here are the dialogs, the files and the messages.
#include "form1.h"
#include "movesfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace trulp {

void TForm1::SaveMoves() {
    const QString path = chooseSaveFile();
    if (path.isEmpty())
        return;
    const QFileInfo chosen(path);
    const SaveNames names = NamesForSave(chosen.fileName().toStdString());
    const QString diskName = QString::fromStdString(names.diskName);
    const MovesRecordBytes record = EncodeMovesRecord(names.storedName, p.movesList(), p.lastMove());

    // Written aside and renamed over the old file only when complete, so a
    // failed save never leaves a short file in place of a good one.
    QSaveFile file(chosen.absolutePath() + QLatin1Char('/') + diskName);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(record.data()), kRecordSize) != kRecordSize ||
        !file.commit()) {
        reportError(file.errorString());
        return;
    }
    setMessage(QStringLiteral("puzzle saved as: ") + diskName);
}

void TForm1::OpenMoves() {
    const QString path = chooseOpenFile();
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reportError(file.errorString());
        return;
    }
    MovesRecordBytes record{};
    const qint64 read = file.read(reinterpret_cast<char*>(record.data()), kRecordSize);
    if (read < 0) {
        reportError(file.errorString());
        return;
    }
    const DecodedMoves decoded = DecodeMovesRecord(record.data(), size_t(read));
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
