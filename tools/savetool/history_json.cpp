// Writing a slot's history as JSON for inspection, from the store's own reading functions.
#include "tools/savetool/history_json.h"

#include <algorithm>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/rules/lookups.h"
#include "history/history_store.h"

namespace tk {

namespace {

QString Q(const std::string &text) {
    return QString::fromStdString(text);
}

const char *KindName(MessageKind kind) {
    switch (kind) {
        case MessageKind::Question: return "question";
        case MessageKind::Report: return "report";
        case MessageKind::Warning: return "warning";
        case MessageKind::Notice: break;
    }
    return "notice";
}

QJsonArray Levels(const SkillLevels &l) {
    QJsonArray skills;
    for (const std::uint8_t v : l.skills) skills.append(int{v});
    return skills;
}

QJsonObject Season(const SeasonRecord &s) {
    QJsonObject o;
    o["season"] = s.season;
    o["week"] = s.week;
    o["date"] = Q(DateText(s.week));
    o["teamLevel"] = s.teamLevel;
    o["funds"] = static_cast<qint64>(s.funds);
    o["budget"] = static_cast<qint64>(s.money.budget);
    o["sponsorIncome"] = static_cast<qint64>(s.money.sponsorIncome);
    o["penalties"] = static_cast<qint64>(s.money.penalties);
    o["salaries"] = static_cast<qint64>(s.money.salaries);
    o["prize"] = static_cast<qint64>(s.prize);
    QJsonArray results;
    for (const CategoryResult &r : s.results)
        results.append(QJsonObject{
            {"wins", r.wins}, {"losses", r.losses}, {"prize", static_cast<qint64>(r.prize)}});
    o["results"] = results;
    QJsonArray competitions;
    for (const CompetitionResult &c : s.competitions) {
        competitions.append(QJsonObject{{"competition", Q(CompetitionName(c.competition))},
                                        {"best", c.best},
                                        {"result", Q(ResultText(c.best))},
                                        {"titles", c.titles}});
    }
    o["competitions"] = competitions;
    QJsonArray squad;
    for (const SquadEntry &e : s.squad) {
        squad.append(QJsonObject{{"name", Q(e.name)},
                                 {"age", e.age},
                                 {"style", e.style},
                                 {"condition", int{e.levels.condition}},
                                 {"skills", Levels(e.levels)},
                                 {"salary", e.salary}});
    }
    o["squad"] = squad;
    o["summary"] = Q(s.summary);
    return o;
}

}  // namespace

QString HistoryFileOf(const QString &path) {
    return path.endsWith(QStringLiteral(".history")) ? path : path + QStringLiteral(".history");
}

Result<std::string> ExportHistory(const QString &path) {
    HistoryStore::Opened opened = HistoryStore::OpenToRead(path);
    if (!opened.store) return Failure{opened.reason};
    const HistoryStore &h = *opened.store;

    QJsonObject root;
    root["schema"] = HistoryStore::kSchemaVersion;
    root["team"] = Q(h.Team());
    root["originWeek"] = h.OriginWeek();
    root["beganWithNewGame"] = h.BeganWithNewGame();

    std::vector<MessageRow> messages = h.Messages();
    std::reverse(messages.begin(), messages.end());
    QJsonArray list;
    for (const MessageRow &m : messages) {
        QJsonObject o{{"week", m.week},
                      {"date", Q(DateText(m.week))},
                      {"kind", KindName(m.kind)},
                      {"title", Q(m.title)},
                      {"text", Q(m.text)}};
        if (IsQuestion(m.kind)) o["answer"] = m.answer;
        list.append(o);
    }
    root["messages"] = list;

    std::vector<SeasonRecord> seasons = h.Seasons();
    std::reverse(seasons.begin(), seasons.end());
    QJsonArray seasonList;
    for (const SeasonRecord &s : seasons) seasonList.append(Season(s));
    root["seasons"] = seasonList;

    QJsonArray players;
    for (const PlayerRow &p : h.Players()) {
        QJsonArray months;
        for (const CurvePoint &c : h.Curve(p.key)) {
            months.append(QJsonObject{{"week", c.week},
                                      {"condition", int{c.levels.condition}},
                                      {"skills", Levels(c.levels)}});
        }
        players.append(QJsonObject{{"name", Q(p.name)},
                                   {"key", static_cast<qint64>(p.key)},
                                   {"style", p.style},
                                   {"birthYear", p.birthYear},
                                   {"firstWeek", p.firstWeek},
                                   {"lastWeek", p.lastWeek},
                                   {"joined", p.joined},
                                   {"months", months}});
    }
    root["players"] = players;
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace tk
