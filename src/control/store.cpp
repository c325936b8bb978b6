#include "store.h"

#include "keptgame.h"
#include "movesio.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

namespace trulp {

namespace {
constexpr int kRetryMs = 250;
constexpr size_t kLargestGame = 256 * 1024;

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
} // namespace

Store::Store(const QString& folder, QObject* parent) : QObject(parent), folder_(folder) {
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &Store::flush);
}

QString Store::recordsFile() const {
    return folder_.isEmpty() ? QString() : QDir(folder_).filePath(QStringLiteral("records"));
}

QString Store::gameFile() const {
    return folder_.isEmpty() ? QString() : QDir(folder_).filePath(QStringLiteral("game"));
}

Records Store::loadRecords() {
    if (folder_.isEmpty())
        return {};
    LoadedRecords loaded = LoadRecordsFile(Native(recordsFile()));
    if (loaded.state == RecordsFile::SetAside)
        emit setAside(recordsFile() + QStringLiteral(".damaged"));
    return std::move(loaded.records);
}

void Store::keep(const Solve& solve) {
    if (folder_.isEmpty())
        return;
    pending_.push_back(solve);
    flush();
}

void Store::flush() {
    if (pending_.empty())
        return;
    QDir().mkpath(folder_);
    QLockFile lock(recordsFile() + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000); // a crashed program's lock is taken over
    if (!lock.tryLock(0)) {
        retry_.start(kRetryMs);
        return;
    }
    // Another window may have kept solves since: the file is read again
    // and this one's solves are added to it.
    Records records = loadRecords();
    for (const Solve& s : pending_)
        records.Add(s);
    pending_.clear();
    const std::string text = records.Encode();
    // Kept quietly: a failure costs these solves their lasting, not the game.
    WriteFileAtomically(Native(recordsFile()), text.data(), text.size());
    emit kept(records);
}

void Store::keepGame(const KeptGame& game) {
    if (folder_.isEmpty() || !game.def)
        return;
    QDir().mkpath(folder_);
    const std::string text = KeptGameText(game);
    WriteFileAtomically(Native(gameFile()), text.data(), text.size());
}

std::optional<KeptGame> Store::loadGame() {
    if (folder_.isEmpty())
        return std::nullopt;
    const FileBytes file = ReadFileStart(Native(gameFile()), kLargestGame);
    if (!file.ok() && file.error.words == Words::CannotOpen)
        return std::nullopt; // a fresh home starts as ever
    KeptGame game;
    if (file.ok() && file.bytes.size() <= kLargestGame && ReadKeptGame(file.bytes, game))
        return game;
    SetAside(Native(gameFile()));
    emit setAside(gameFile() + QStringLiteral(".damaged"));
    return std::nullopt;
}

} // namespace trulp
