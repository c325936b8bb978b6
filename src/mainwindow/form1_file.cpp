// Saving and opening a moves file. The record itself is the engine's; here
// are the dialogs, the name on disk and the messages.
#include "form1.h"
#include "movesfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace trulp {

namespace {

// The stored name is Latin-1; anything outside it is stored as '?'.
std::string Latin1Name(const QString& name) {
    std::string bytes;
    for (QChar c : name)
        bytes.push_back(c.unicode() < 256 ? char(c.unicode()) : '?');
    return bytes;
}

// The name on disk keeps what the user typed, cut like the stored name.
QString DiskName(const QString& fileName) {
    QString name = QString::fromLatin1(kStoredNamePrefix.data(), qsizetype(kStoredNamePrefix.size())) + fileName;
    if (name.size() > kStoredNameMax) {
        name.truncate(kStoredNameMax);
        if (name.back().isHighSurrogate())
            name.chop(1);
    }
    return name;
}

} // namespace

void TForm1::SaveMoves() {
    const QString path = chooseSaveFile();
    if (path.isEmpty())
        return;
    const QFileInfo chosen(path);
    const std::string stored = StoredName(Latin1Name(chosen.fileName()));
    const QString diskName = DiskName(chosen.fileName());
    const MovesRecordBytes record = EncodeMovesRecord(stored, p.movesList, p.lastMove);

    // Written aside and renamed over the old file only when complete, so a
    // failed save never leaves a short file in place of a good one.
    QSaveFile file(chosen.absolutePath() + QLatin1Char('/') + diskName);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(record.data()), kRecordSize) != kRecordSize || !file.commit()) {
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
    LoadMoves(p, decoded);
    DrawMovesPanel();
    const std::string rest = decoded.storedName.substr(kFileMark.size());
    setMessage(QStringLiteral("puzzle ") + QString::fromLatin1(rest.data(), qsizetype(rest.size())) +
               QStringLiteral(" opened"));
}

} // namespace trulp
