// The program's lasting state on disk: the records and the kept game, small
// files in one folder. Records are shared by every window of one user: a
// solve is kept under the file's lock, after reading the file again, so a
// solve of another window is never lost; while another window holds the
// lock, this one tries again a little later rather than wait. A damaged
// file is set aside, and the window is told once.
#pragma once

#include "records.h"
#include "session.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>
#include <vector>

namespace trulp {

class Store : public QObject {
    Q_OBJECT
public:
    // Keeps its files in `folder`; an empty folder keeps nothing.
    explicit Store(const QString& folder, QObject* parent = nullptr);

    QString recordsFile() const;
    QString gameFile() const;

    // The records as the file has them now.
    Records loadRecords();
    // A solve to keep; kept() follows, at once or once the lock is free.
    void keep(const Solve& solve);
    bool pending() const { return !pending_.empty(); }

    // The game to keep when the window closes, and the one kept before.
    void keepGame(const KeptGame& game);
    std::optional<KeptGame> loadGame();

signals:
    // The records with the solve in them, as now kept.
    void kept(const trulp::Records& records);
    // A damaged file was set aside (its path), once each.
    void setAside(const QString& path);

private:
    void flush();

    QString folder_;
    std::vector<Solve> pending_;
    QTimer retry_;
};

} // namespace trulp
