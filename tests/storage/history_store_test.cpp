// A slot's history on disk: written and read back, replayed weeks never doubled, older
// schemas migrated, and every unusable file left exactly as it was.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include "core/rules/lookups.h"
#include "history/history_store.h"
#include "tests/support/damaged_history.h"

namespace tk {
namespace {

constexpr PlayerKey kAce = 0x1234, kRookie = 0x5678;

MessageRow Notice(int week, const std::string &text) {
    return {week, MessageKind::Notice, "", text, false};
}

SeasonRecord Season(int season, std::int64_t funds) {
    SeasonRecord r;
    r.season = season;
    r.week = WeekNumber(season + 1, 12);
    r.teamLevel = 2;
    r.funds = funds;
    r.money = {5000, 300, 100, 2500};
    r.prize = 1500;
    r.results[5] = {9, 4, 1500};
    r.competitions[0] = {10, 14, 1};
    r.squad.push_back({kAce, "山田 太郎", 24, 1, {200, {100, 110, 120, 130, 140, 150}}, 900});
    r.summary = "契約更新です。\r\r今年は100万円の\r黒字でした。";
    return r;
}

class HistoryStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = QDir(dir.path()).filePath(QStringLiteral("Save0.Kumo.history"));
    HistoryOwner owner{"テニス部", 13, true};

    HistoryStore::Opened Open(int week, bool newGame = false) {
        return HistoryStore::Open(path, {"テニス部", week, newGame});
    }

    // A history of a first season: the squad's April and May, one settlement, notices
    // spread over the weeks, closed at week `closedAt`.
    void WriteFirstSeason(int closedAt) {
        auto opened = HistoryStore::Open(path, owner);
        ASSERT_TRUE(opened.store) << opened.reason;
        EXPECT_TRUE(opened.created);
        HistoryBatch batch;
        batch.players = {{kAce, "山田 太郎", 1, -5, 16}, {kRookie, "鈴木 一郎", 0, 0, 20}};
        batch.months = {{16, {{kAce, {250, {100, 100, 100, 100, 100, 100}}}}},
                        {20,
                         {{kAce, {240, {101, 102, 103, 104, 105, 106}}},
                          {kRookie, {250, {50, 50, 50, 50, 50, 50}}}}}};
        batch.messages = {Notice(13, "ようこそ"), Notice(20, "5月"), Notice(60, "今年は")};
        batch.seasons = {Season(1, 4000)};
        const Status written = opened.store->Write(batch, 61);
        ASSERT_TRUE(written) << written.Reason();
        ASSERT_TRUE(
            opened.store->Write({{Notice(61, "4月です"), Notice(61, "ようこそ")}}, closedAt));
    }

    QByteArray Bytes() const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Put(const QByteArray &bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
};

TEST_F(HistoryStoreTest, WhatIsWrittenIsReadBackAfterReopening) {
    WriteFirstSeason(61);
    EXPECT_FALSE(QFile::exists(path + "-journal"));
    auto opened = Open(61);
    ASSERT_TRUE(opened.store) << opened.reason;
    EXPECT_FALSE(opened.created);
    const HistoryStore &h = *opened.store;
    EXPECT_EQ(h.OriginWeek(), 13);
    EXPECT_TRUE(h.BeganWithNewGame());

    const auto messages = h.Messages();
    ASSERT_EQ(messages.size(), 5u);
    EXPECT_EQ(messages[0].text, "ようこそ");  // newest first, the same text kept twice
    EXPECT_EQ(messages[0].week, 61);
    EXPECT_EQ(messages[4].text, "ようこそ");
    EXPECT_EQ(messages[4].week, 13);

    const auto seasons = h.Seasons();
    ASSERT_EQ(seasons.size(), 1u);
    const SeasonRecord want = Season(1, 4000);
    EXPECT_EQ(seasons[0].funds, want.funds);
    EXPECT_EQ(seasons[0].money.salaries, want.money.salaries);
    EXPECT_EQ(seasons[0].results, want.results);
    EXPECT_EQ(seasons[0].competitions[0], want.competitions[0]);
    ASSERT_EQ(seasons[0].squad.size(), 1u);
    EXPECT_EQ(seasons[0].squad[0].name, "山田 太郎");
    EXPECT_EQ(seasons[0].squad[0].levels, want.squad[0].levels);
    EXPECT_EQ(h.LatestSummary(), want.summary);

    const auto players = h.Players();
    ASSERT_EQ(players.size(), 2u);
    EXPECT_EQ(players[0].name, "山田 太郎");
    EXPECT_EQ(players[0].lastWeek, 20);
    EXPECT_TRUE(players[1].joined);  // a new game's history knows when everybody came
    const auto curve = h.Curve(kAce);
    ASSERT_EQ(curve.size(), 2u);
    EXPECT_EQ(curve[1].week, 20);
    EXPECT_EQ(curve[1].levels.skills[5], 106);
    EXPECT_TRUE(h.Curve(0x9999).empty());
}

// A game loaded at week W replays what came after it: the history forgets those weeks and
// records them again, so nothing is doubled.
TEST_F(HistoryStoreTest, ReplayedWeeksAreRecordedOnce) {
    struct Case {
        int loadedAt, closedAt;
        std::size_t messages, seasons, months, players;
    };
    for (const Case c : {Case{61, 61, 5, 1, 2, 2},  // loaded where it was closed: all kept
                         Case{61, 70, 3, 1, 2, 2},  // crash recovery of an earlier week
                         Case{60, 61, 2, 0, 2, 2},  // the settlement week is played again
                         Case{20, 61, 1, 0, 1, 1},  // May's month end is played again
                         Case{13, 61, 0, 0, 0, 0}}) {
        QFile::remove(path);
        WriteFirstSeason(c.closedAt);
        auto opened = Open(c.loadedAt);
        ASSERT_TRUE(opened.store) << opened.reason;
        EXPECT_EQ(opened.store->Messages().size(), c.messages) << c.loadedAt;
        EXPECT_EQ(opened.store->Seasons().size(), c.seasons) << c.loadedAt;
        EXPECT_EQ(opened.store->Curve(kAce).size(), c.months) << c.loadedAt;
        EXPECT_EQ(opened.store->Players().size(), c.players) << c.loadedAt;
    }
    // The settlement played again replaces the season instead of adding one.
    QFile::remove(path);
    WriteFirstSeason(61);
    auto opened = Open(61);
    ASSERT_TRUE(opened.store->Write({{}, {}, {}, {Season(1, 7777)}}, 61));
    ASSERT_TRUE(opened.store->Write({{}, {}, {}, {Season(1, 8888)}}, 61));
    const auto seasons = opened.store->Seasons();
    ASSERT_EQ(seasons.size(), 1u);
    EXPECT_EQ(seasons[0].funds, 8888);
    EXPECT_EQ(seasons[0].squad.size(), 1u);
}

TEST_F(HistoryStoreTest, ANewGameStartsItsOwnHistory) {
    WriteFirstSeason(61);
    auto opened = Open(13, true);
    ASSERT_TRUE(opened.store);
    EXPECT_TRUE(opened.created);
    EXPECT_TRUE(opened.store->Messages().empty());
    EXPECT_TRUE(opened.store->Players().empty());
}

// A version 1 history (the messages only) gains the season tables and keeps its messages.
TEST_F(HistoryStoreTest, OlderSchemaIsMigrated) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "v1");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        // The tables of version 1, as the first histories were written.
        for (const char *sql :
             {"CREATE TABLE meta(key TEXT PRIMARY KEY, value)",
              "CREATE TABLE texts(id INTEGER PRIMARY KEY, title TEXT NOT NULL, body TEXT NOT "
              "NULL, UNIQUE(title, body))",
              "CREATE TABLE messages(id INTEGER PRIMARY KEY, week INTEGER NOT NULL, kind INTEGER "
              "NOT NULL, text INTEGER NOT NULL REFERENCES texts(id), answer INTEGER NOT NULL)",
              "PRAGMA user_version = 1"})
            ASSERT_TRUE(q.exec(QString::fromUtf8(sql))) << sql;
        for (const char *sql : {"INSERT INTO meta VALUES('team', 'テニス部')",
                                "INSERT INTO meta VALUES('origin_week', 13)",
                                "INSERT INTO texts VALUES(1, '', '古い知らせ')",
                                "INSERT INTO messages VALUES(1, 14, 0, 1, 0)"})
            ASSERT_TRUE(q.exec(QString::fromUtf8(sql))) << sql;
        db.close();
    }
    QSqlDatabase::removeDatabase("v1");
    auto opened = Open(30);
    ASSERT_TRUE(opened.store) << opened.reason;
    EXPECT_FALSE(opened.created);
    ASSERT_EQ(opened.store->Messages().size(), 1u);
    EXPECT_EQ(opened.store->Messages()[0].text, "古い知らせ");
    ASSERT_TRUE(opened.store->Write({{}, {}, {}, {Season(1, 100)}}, 30));
    EXPECT_EQ(opened.store->Seasons().size(), 1u);
}

// Every file the game cannot use: it says why, opens nothing and changes no byte.
TEST_F(HistoryStoreTest, UnusableFilesAreLeftAsTheyWere) {
    WriteFirstSeason(61);
    const QByteArray good = Bytes();
    QByteArray newer = good;
    newer[63] = 9;  // PRAGMA user_version lives at offset 60, big-endian
    struct Case {
        const char *name;
        QByteArray bytes;
        HistoryProblem problem;
    };
    const Case cases[] = {
        {"not a database", QByteArray(8192, 'x'), HistoryProblem::Damaged},
        {"truncated", good.left(good.size() / 2), HistoryProblem::Damaged},
        {"header only", good.left(100), HistoryProblem::Damaged},
        {"newer schema", newer, HistoryProblem::Newer},
    };
    for (const Case &c : cases) {
        Put(c.bytes);
        auto opened = Open(61);
        EXPECT_FALSE(opened.store) << c.name;
        EXPECT_EQ(opened.problem, c.problem) << c.name << ": " << opened.reason;
        EXPECT_FALSE(opened.reason.empty()) << c.name;
        EXPECT_EQ(Bytes(), c.bytes) << c.name;
        EXPECT_FALSE(QFile::exists(path + "-journal")) << c.name;
    }
    Put(good);
    auto other = HistoryStore::Open(path, {"別のチーム", 61, false});
    EXPECT_EQ(other.problem, HistoryProblem::OtherTeam);
    EXPECT_EQ(Bytes(), good);
}

TEST_F(HistoryStoreTest, AHistoryInUseByAnotherCopyIsNotTouched) {
    WriteFirstSeason(61);
    auto first = Open(61);
    ASSERT_TRUE(first.store);
    auto second = Open(61);
    EXPECT_FALSE(second.store);
    EXPECT_EQ(second.problem, HistoryProblem::Locked) << second.reason;
    // Starting afresh is refused too: the other copy's history stays.
    auto afresh = HistoryStore::StartAfresh(path, {"テニス部", 61, false});
    EXPECT_EQ(afresh.problem, HistoryProblem::Locked);
    EXPECT_EQ(first.store->Messages().size(), 5u);
    first.store.reset();
    EXPECT_TRUE(Open(61).store);  // free again once the first copy has closed it
}

TEST_F(HistoryStoreTest, LinksAndFoldersAreNeverOpened) {
    const QString target = QDir(dir.path()).filePath("elsewhere");
    ASSERT_TRUE(QFile::link(target, path));
    auto link = Open(13);
    EXPECT_EQ(link.problem, HistoryProblem::NotAFile);
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(HistoryStore::StartAfresh(path, owner).problem, HistoryProblem::NotAFile);
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkpath(path + "-journal"));
    EXPECT_EQ(Open(13).problem, HistoryProblem::NotAFile);
}

TEST_F(HistoryStoreTest, StartingAfreshReplacesADamagedHistory) {
    Put(QByteArray(4096, 'x'));
    auto opened = HistoryStore::StartAfresh(path, {"テニス部", 100, false});
    ASSERT_TRUE(opened.store) << opened.reason;
    EXPECT_TRUE(opened.created);
    EXPECT_EQ(opened.store->OriginWeek(), 100);
    EXPECT_FALSE(opened.store->BeganWithNewGame());
    // Players found at the history's first month end were already in the squad.
    ASSERT_TRUE(opened.store->Write(
        {{}, {{kAce, "山田 太郎", 1, -5, 104}}, {{104, {{kAce, {250, {}}}}}}, {}}, 104));
    ASSERT_TRUE(opened.store->Write(
        {{}, {{kRookie, "鈴木 一郎", 0, 0, 108}}, {{108, {{kRookie, {250, {}}}}}}, {}}, 108));
    const auto players = opened.store->Players();
    ASSERT_EQ(players.size(), 2u);
    EXPECT_FALSE(players[0].joined);
    EXPECT_TRUE(players[1].joined);
}

// Histories the game cannot read in any way are offered a fresh start, and nothing is thrown
// away: the old file is kept aside, one generation, and the player reads no database text.
TEST_F(HistoryStoreTest, UnreadableHistoriesAreKeptAsideWhenStartedAfresh) {
    WriteFirstSeason(61);
    const QByteArray good = Bytes();
    QByteArray newer = good;
    newer[63] = 9;
    QByteArray noTables;
    {
        const QString bare = QDir(dir.path()).filePath("bare");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "bare");
            db.setDatabaseName(bare);
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec("PRAGMA user_version = 2"));
            ASSERT_TRUE(q.exec("CREATE TABLE meta(key TEXT PRIMARY KEY, value)"));
            db.close();
        }
        QSqlDatabase::removeDatabase("bare");
        QFile f(bare);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        noTables = f.readAll();
    }
    // The good history changed by one statement: found at the opening, not at a week's write.
    const auto altered = [&](const char *name, const char *sql) {
        const QString copy = QDir(dir.path()).filePath(name);
        QFile::copy(path, copy);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
            db.setDatabaseName(copy);
            EXPECT_TRUE(db.open() && QSqlQuery(db).exec(sql)) << sql;
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        QFile f(copy);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray renamed =
        altered("renamed", "ALTER TABLE messages RENAME COLUMN text TO tekst");
    const QByteArray trigger = altered(
        "trigger", "CREATE TRIGGER t AFTER INSERT ON messages BEGIN DELETE FROM texts; END");
    const std::pair<const char *, QByteArray> cases[] = {
        {"schema number, tables missing", noTables},
        {"a column renamed", renamed},
        {"a trigger", trigger},
        {"newer", newer},
        {"not a database", QByteArray(8192, 'x')},
    };
    for (const auto &[name, bytes] : cases) {
        Put(bytes);
        auto opened = Open(61);
        ASSERT_FALSE(opened.store) << name;
        EXPECT_TRUE(opened.problem == HistoryProblem::Damaged ||
                    opened.problem == HistoryProblem::Newer)
            << name << ": " << opened.reason;
        for (const char *raw : {"no such", "database", "SQL", "Unable"})
            EXPECT_EQ(opened.reason.find(raw), std::string::npos) << name << ": " << opened.reason;
        auto afresh = HistoryStore::StartAfresh(path, {"テニス部", 61, false});
        ASSERT_TRUE(afresh.store) << name << ": " << afresh.reason;
        EXPECT_TRUE(afresh.store->Messages().empty()) << name;
        afresh.store.reset();
        QFile kept(path + ".old");
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << name;
        EXPECT_EQ(kept.readAll(), bytes) << name;  // the last one replaced, kept byte for byte
    }
}

// Damage the opening's checks do not see (the texts' index disagrees with its table) is found
// by the first write and told as damage, in the player's words: it may be started afresh.
TEST_F(HistoryStoreTest, DamageFoundByAWriteIsToldAsDamage) {
    WriteFirstSeason(61);
    QByteArray bytes = Bytes();
    ASSERT_TRUE(test::DamageTextIndex(bytes, {"ようこそ", "5月", "今年は", "4月です"}));
    Put(bytes);
    auto opened = Open(61);
    ASSERT_TRUE(opened.store) << opened.reason;  // the opening does not see it
    EXPECT_EQ(opened.store->WriteProblem(), HistoryProblem::None);
    const Status written = opened.store->Write({{Notice(61, "週の終わり")}}, 61);
    ASSERT_FALSE(written);
    EXPECT_EQ(opened.store->WriteProblem(), HistoryProblem::Damaged);
    EXPECT_EQ(written.Reason().find("database"), std::string::npos) << written.Reason();
    EXPECT_NE(written.Reason().find("壊れています"), std::string::npos) << written.Reason();
}

}  // namespace
}  // namespace tk
