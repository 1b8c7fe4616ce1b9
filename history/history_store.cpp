// Opening a slot's history safely, and starting it afresh with the old one kept aside.
#include "history/history_store.h"

#include <cerrno>
#include <cstdio>
#include <utility>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>

#include "history/history_sql.h"
#include "history/history_statements.h"
#include "storage/file_checks.h"
#include "storage/plain_reasons.h"

namespace tk {

using history_sql::Named;
using history_sql::Shown;
using history_sql::SqlFailure;

namespace {

// Where an unusable history is kept aside before a fresh one replaces it (one generation).
QString KeptAsidePath(const QString &path) {
    // Save<N>.Kumo.history -> Save<N>.Kumo.history.old (kHistoryKeptSuffix)
    return path + QStringLiteral(".old");
}

// The history and its journal are used only when they are plain files (or do not exist):
// never through a symbolic link, never a folder or a device.
bool PlainOrMissing(const QString &path) {
    return !QFileInfo(path).isSymLink() && CheckFile(path).State != FileState::Unusable;
}

QString JournalPath(const QString &path) {
    return path + QStringLiteral("-journal");
}

}  // namespace

namespace history_sql {

std::string Shown(const QString &path) {
    return QDir::toNativeSeparators(path).toStdString();
}

std::string Named(const char *what, const QString &path, const std::string &reason) {
    if (reason.rfind("記録ファイル", 0) == 0) return reason;
    return std::string(what) + "（" + Shown(path) + "：" + reason + "）";
}

}  // namespace history_sql

HistoryStore::HistoryStore(const QString &path)
    : path_(path),
      // One connection per open store: its address is unique while it lives.
      connection_(QStringLiteral("tk-history-%1").arg(reinterpret_cast<quintptr>(this), 0, 16)) {}

HistoryStore::~HistoryStore() {
    statements_.reset();  // before the connection closes
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (db.isOpen()) db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase HistoryStore::Db() const {
    return QSqlDatabase::database(connection_, false);
}

HistoryStore::Opened HistoryStore::Open(const QString &path, const HistoryOwner &owner) {
    return Connect(path, &owner);
}

HistoryStore::Opened HistoryStore::OpenToRead(const QString &path) {
    if (QFileInfo(path).isFile() && !QFileInfo(path).isSymLink()) return Connect(path, nullptr);
    Opened out = Connect(path, nullptr);  // says why a link or a folder is not read
    if (out.problem == HistoryProblem::None) out.problem = HistoryProblem::CannotOpen;
    if (out.reason.empty())
        out.reason =
            "記録ファイルがありません（" + QDir::toNativeSeparators(path).toStdString() + "）";
    return out;
}

HistoryStore::Opened HistoryStore::Connect(const QString &path, const HistoryOwner *owner) {
    Opened out;
    if (!PlainOrMissing(path) || !PlainOrMissing(JournalPath(path))) {
        out.problem = HistoryProblem::NotAFile;
        out.reason = "記録ファイルが普通のファイルではありません（" +
                     QDir::toNativeSeparators(path).toStdString() + "）";
        return out;
    }
    const QFileInfo info(path);
    const bool existed = info.exists() && info.size() > 0;
    if (owner == nullptr && !info.exists()) return out;
    std::unique_ptr<HistoryStore> store(new HistoryStore(path));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), store->connection_);
        db.setDatabaseName(path);
        // Another copy of the game holding the file answers at once instead of after a wait.
        db.setConnectOptions(owner != nullptr
                                 ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=0")
                                 : QStringLiteral("QSQLITE_BUSY_TIMEOUT=0;QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            out.problem = HistoryProblem::CannotOpen;
            out.reason = Named("記録ファイルを開けません", path, SqlFailure(db).Reason);
            return out;
        }
    }
    HistoryProblem problem = HistoryProblem::CannotOpen;
    bool created = !existed;
    if (Status s = store->Prepare(owner, created, problem); !s) {
        out.problem = problem;
        out.reason = Named("記録ファイルを読めません", path, s.Reason());
        return out;
    }
    out.created = created;
    out.store = std::move(store);
    return out;
}

HistoryStore::Opened HistoryStore::StartAfresh(const QString &path, const HistoryOwner &owner) {
    Opened out;
    if (!PlainOrMissing(path) || !PlainOrMissing(JournalPath(path))) {
        out.problem = HistoryProblem::NotAFile;
        out.reason = "記録ファイルが普通のファイルではありません（" + Shown(path) + "）";
        return out;
    }
    // A history in use by another copy is never moved: looking at it only reads.
    if (Opened probe = Connect(path, nullptr); probe.problem == HistoryProblem::Locked)
        return probe;
    // Nothing is thrown away: the old history (and its journal, which belongs to it) is kept
    // aside as Save<N>.Kumo.history.old in place of the one kept before.
    const QString aside = KeptAsidePath(path);
    if (!PlainOrMissing(aside) || !PlainOrMissing(JournalPath(aside))) {
        out.problem = HistoryProblem::NotAFile;
        out.reason = "記録ファイルが普通のファイルではありません（" + Shown(aside) + "）";
        return out;
    }
    for (const auto &[from, to] :
         {std::pair{path, aside}, {JournalPath(path), JournalPath(aside)}}) {
        if (QFileInfo::exists(from)) {
            if (std::rename(QFile::encodeName(from).constData(),
                            QFile::encodeName(to).constData()) != 0) {
                out.problem = HistoryProblem::CannotOpen;
                out.reason =
                    "記録ファイルを残せません（" + Shown(from) + "：" + PlainError(errno) + "）";
                return out;
            }
        } else {
            (void)QFile::remove(to);  // a journal of the old history kept before
        }
    }
    return Open(path, owner);
}

}  // namespace tk
