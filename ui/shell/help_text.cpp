// The help screen's sections in the game's own words, with their figures taken from the
// rules and the main screen's key table.
#include "ui/shell/help_text.h"

#include "core/rules/booking_rules.h"
#include "core/rules/camp_rules.h"
#include "core/rules/catalogue.h"
#include "core/rules/land_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/plan_rules.h"
#include "core/rules/scout_rules.h"
#include "core/rules/sponsors.h"
#include "core/rules/tournament_rules.h"
#include "ui/shell/main_shortcuts.h"
#include "ui/widgets/game_tips.h"

namespace tk {

namespace {

QString Money(std::int64_t amount) {
    return QString::fromStdString(MoneyText(amount));
}

QString Row(const QStringList &cells, bool head = false) {
    const QString tag = head ? QStringLiteral("th") : QStringLiteral("td");
    QString row = QStringLiteral("<tr>");
    for (const QString &cell : cells) row += QStringLiteral("<%1>%2</%1>").arg(tag, cell);
    return row + QStringLiteral("</tr>");
}

QString Table(const QStringList &rows) {
    return QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">") +
           rows.join(QString()) + QStringLiteral("</table>");
}

QString TheWeek() {
    return QStringLiteral(
        "<p>あなたはテニスチームの監督です。選手6人、屋外コート1面、資金3000万円で4月1週から"
        "始まり、「次の週へ」を押すたびに1週間進みます。1か月は4週、1年は12か月です。</p>"
        "<p><b>試合のない週</b>は練習の週です。午前・午後・夜・夜中と時間が進み"
        "（ゲーム設定で「高速」にすると一度に進みます）、最後に1週間分の練習の成果が出ます。"
        "練習中はほかのコマンドは使えません。<b>試合のある週</b>は練習をせず、試合をします。</p>"
        "<p>週の終わりには次のことが起こります。</p><ul>"
        "<li>毎月4週目：土地・建物の維持費を払い、31歳以上の選手は能力が少し落ちます。</li>"
        "<li>3月4週：1年の決算（「お金」を見てください）。</li>"
        "<li>工事が終わる週には建物が完成します。</li>"
        "<li>行事：4月3週と8月3週に合宿地決定、6月1週にスカウト結果発表。</li>"
        "<li>来週の天気が決まります（晴れ・曇り・雨天がそれぞれ3分の1）。</li></ul>"
        "<p>画面左の「予定」には今週と来週の試合、今週の行事と天気が出ます。</p>");
}

QString Practice() {
    QStringList rows{Row({QStringLiteral("メニュー"), QStringLiteral("伸びる能力")}, true)};
    for (int menu = 0; menu < kPracticeMenus; ++menu)
        rows << Row({QString::fromStdString(PracticeMenuName(menu)), PracticeMenuTrains(menu)});
    return QStringLiteral(
               "<p>「練習」で全体練習のメニューを選びます。練習で伸びるのはスタミナ・パワー・"
               "技術・敏捷・ショットの5つで、<b>前衛</b>の選手はショットの代わりにボレーが"
               "伸びます。</p>") +
           Table(rows) +
           QStringLiteral(
               "<p>練習の効果は、チームのレベル、全体練習に使うコートの数（選手1人あたり）、"
               "全体コーチの能力で決まります。夜も使えるコートがあれば夜の練習も加わります。"
               "トレーニング室があると、練習のたびに全員の6つの能力に少しずつ経験が入ります。"
               "</p><p>練習のたびに体力が5〜25減ります。体力が29以下の選手は練習せずに休み、"
               "体力が200戻ります。若い選手、成長力の高い選手ほど少ない練習で伸び、"
               "高い能力ほど伸びにくくなります。</p>"
               "<p><b>雨の週</b>は室内コートしか使えません。雨の日に全体練習へコートを"
               "割り振れないときは、全員が休みになります。</p>");
}

QString Courts() {
    return QStringLiteral(
        "<p>コートには3種類あります。<b>屋外コート</b>は晴れ・曇りの昼だけ、"
        "<b>照明付きの屋外コート</b>は夜も、<b>室内コート</b>は夜も雨の日も使えます。"
        "コートは練習のたびに傷み、状態が悪く（200以下）なると使えません。"
        "「土地」や「土地詳細」の「整備」で直せます。</p>"
        "<p>「練習配分」では、使えるコートを昼・夜・雨の日ごとに全体練習と個人練習に分けます。"
        "全体練習には最低1コートが残り、個人練習は2コートまでです。個人練習には"
        "<b>個別コーチ</b>が必要で、いないときはすべてのコートが全体練習になります。</p>"
        "<p>個人練習には3人まで選手を選べます（「練習」の個別練習）。個人練習の選手は、"
        "個人練習のコートの数と個別コーチの能力に応じて5つの能力がまとめて伸びます。</p>");
}

QString Coaches() {
    QStringList rows{
        Row({QStringLiteral("コーチ"), QStringLiteral("能力"), QStringLiteral("年俸")}, true)};
    for (int n = 1; n <= 10; ++n)
        rows << Row({QString::number(n), QString::fromStdString(GradeLetter(25 * n)),
                     Money(CoachSalary(n))});
    return QStringLiteral(
               "<p>コーチは2人まで雇えます。<b>全体コーチ</b>は全体練習の効果を、"
               "<b>個別コーチ</b>は個人練習の効果を上げ、個別コーチがいないと個人練習は"
               "できません。コーチの契約・解約は<b>4月だけ</b>、「練習」の画面でできます。"
               "</p><p>雇うときにお金はかかりませんが、雇っているコーチの年俸は毎年3月の決算で"
               "全額払います。10人のコーチの能力と年俸は次のとおりです（能力はS〜Fで表示）。"
               "</p>") +
           Table(rows);
}

QString CampsAndDrinks() {
    QStringList camps{
        Row({QStringLiteral("合宿"), QStringLiteral("料金"), QStringLiteral("1週あたりの追加練習")},
            true)};
    for (int c = 0; c < kCampClassCount; ++c)
        camps << Row({QString::fromStdString(CampClassCaption(c)), Money(CampPrice(c)),
                      QStringLiteral("%1回").arg(c)});
    QStringList drinks{Row(
        {QStringLiteral("ドリンク"), QStringLiteral("費用"), QStringLiteral("体力の回復（全員）")},
        true)};
    const QString names[kItemCount] = {QStringLiteral("栄養ドリンク（安）"),
                                       QStringLiteral("栄養ドリンク（普）"),
                                       QStringLiteral("栄養ドリンク（高）")};
    for (int i = 0; i < kItemCount; ++i)
        drinks << Row(
            {names[i], Money(Item(i).cost),
             QStringLiteral("+%1（最大%2）").arg(Item(i).conditionGain).arg(kConditionMax)});
    return QStringLiteral(
               "<p><b>合宿</b>：4月3週と8月3週に合宿地を決めます（「決定」を押すまで画面は"
               "閉じません）。合宿に行くと、5月1〜3週（秋は9月1〜3週）の毎週、いつもの練習に"
               "加えて練習をもう1回（高級なら2回）行います。そのぶん体力も減り、コートも"
               "傷みます。</p>") +
           Table(camps) +
           QStringLiteral(
               "<p><b>アイテム</b>：栄養ドリンクで選手全員の体力を回復します。"
               "何度でも続けて使えます。</p>") +
           Table(drinks);
}

QString Grades() {
    const QStringList bands = {QStringLiteral("250"),      QStringLiteral("221〜249"),
                               QStringLiteral("181〜220"), QStringLiteral("136〜180"),
                               QStringLiteral("106〜135"), QStringLiteral("71〜105"),
                               QStringLiteral("70以下")};
    const int samples[] = {250, 221, 181, 136, 106, 71, 0};
    QStringList rows{Row({QStringLiteral("グレード"), QStringLiteral("能力の値")}, true)};
    for (int i = 0; i < bands.size(); ++i)
        rows << Row({QString::fromStdString(GradeLetter(samples[i])), bands[i]});
    return QStringLiteral(
               "<p>選手の能力（0〜250）は数字ではなく、S・A・B・C・D・E・Fのグレードと"
               "六角形のグラフで表されます。ショットとボレーは、後衛ならショット、前衛なら"
               "ボレーのグレードが表示されます。</p>") +
           Table(rows) +
           QStringLiteral(
               "<p>選手は31歳から毎月少しずつ能力が落ち、36歳、41歳でさらに大きく落ちます。"
               "</p>");
}

QString Matches() {
    QStringList practice{
        Row({QStringLiteral("練習試合"), QStringLiteral("勝ったときの賞金")}, true)};
    for (int code = 1; code <= 6; ++code)
        practice << Row({QString::fromStdString(RoundName(code)), Money(PrizeOf(code))});
    struct Cup {
        int first;
        int title;
        const char *when;
        const char *entry;
        const char *level;
    };
    const Cup cups[] = {
        {10, 14, "3月1週・2週", "毎年出場", "レベル2"},
        {15, 19, "9月4週と翌週", "毎年出場", "レベル2"},
        {20, 25, "6月3週・4週か12月1週・2週", "春季・秋季大会でベスト4", "レベル3"},
        {30, 35, "7月2週・3週", "春季・秋季大会で優勝", "レベル4"},
        {40, 46, "1月3週・4週", "日本選手権で優勝", "レベル5"},
    };
    QStringList tournaments{
        Row({QStringLiteral("大会"), QStringLiteral("日程"), QStringLiteral("出場条件"),
             QStringLiteral("優勝賞金"), QStringLiteral("優勝すると")},
            true)};
    for (const Cup &c : cups)
        tournaments << Row({QString::fromStdString(CompetitionName(c.first)),
                            QString::fromUtf8(c.when), QString::fromUtf8(c.entry),
                            Money(PrizeOf(c.title)), QString::fromUtf8(c.level)});
    return QStringLiteral(
               "<p>試合は5人のレギュラーで戦います。1番手から5番手が順に相手と1対1で戦い、"
               "先に3勝したチームの勝ちです。1人ずつの対戦では、スタミナ・パワー・技術・敏捷・"
               "ショット（前衛はボレー）の差を合計し、合計0で勝率50％、1ポイントごとに"
               "0.35％上下します。体力や経験は試合に関係しません。試合の前には必ず"
               "「レギュラー設定」の画面が出ます。</p>"
               "<p><b>練習試合</b>は「試合」で来週の分を申し込みます。1年（4月〜3月）に"
               "%1回までで、Lv.Maxは練習試合のLv.5に勝つと選べます。</p>")
               .arg(kPracticeMatchesPerYear) +
           Table(practice) +
           QStringLiteral(
               "<p><b>大会</b>は勝ち進むと同じ日か翌週に次の試合があり、負けたところで"
               "終わりです。勝ち進んだ回戦に応じて賞金が出ます。関東選抜・日本選手権・"
               "ワールドテニスは条件を満たすと「試合」から申し込め、上位に入ると毎年の"
               "出場を勧められます。優勝するとチームのレベルが上がり、予算が増え、"
               "練習メニューやスカウトの選択肢も増えます。</p>") +
           Table(tournaments);
}

QString MoneySection() {
    GameState probe;
    QStringList budget{Row({QStringLiteral("レベル"), QStringLiteral("毎年の予算")}, true)};
    for (int level = 1; level <= 5; ++level) {
        probe.TeamLevel = static_cast<std::uint8_t>(level);
        budget << Row({QStringLiteral("Lv.%1").arg(level), Money(TeamBudget(probe))});
    }
    QStringList buildings{Row({QStringLiteral("建物"), QStringLiteral("建設費"),
                               QStringLiteral("工事"), QStringLiteral("維持費/月")},
                              true)};
    const struct {
        int kind;
        const char *name;
    } kinds[] = {{kOutdoorCourt, "屋外コート"},
                 {kLitCourt, "屋外コート（照明付き）"},
                 {kIndoorCourt, "室内コート"},
                 {kTrainingRoom, "トレーニング室"},
                 {kOffice, "事務所"}};
    for (const auto &k : kinds) {
        const bool built = CKenDay(k.kind) > 0;
        buildings << Row(
            {QString::fromUtf8(k.name), built ? Money(50 * CIzi(k.kind)) : QStringLiteral("—"),
             built ? QStringLiteral("%1週間").arg(CKenDay(k.kind)) : QStringLiteral("—"),
             Money(CIzi(k.kind))});
    }
    QStringList sponsors{
        Row({QStringLiteral("スポンサー"), QStringLiteral("契約金/年"), QStringLiteral("契約条件"),
             QStringLiteral("常守条件"), QStringLiteral("違約金")},
            true)};
    for (int n = 1; n <= 7; ++n)
        sponsors << Row({QString::fromStdString(SName(n)), Money(SSalaly(n)),
                         QString::fromStdString(SJoken(n)), QString::fromStdString(SZyoushu(n)),
                         Money(SPenalty(n))});
    return QStringLiteral(
               "<p>お金の単位は万円です。資金がマイナスになっても、その場では何も起こりません。"
               "</p><p><b>3月4週の決算</b>は次の順に進みます。</p><ol>"
               "<li>その月の維持費を払ったあとの資金がマイナスなら<b>破産</b>でゲームオーバー"
               "（予算が入る前に判定されます）。</li>"
               "<li>選手の年俸が0〜10％上がり、契約更新で要らない選手を解雇できます。</li>"
               "<li>チームのレベルに応じた予算が入ります。</li>"
               "<li>スポンサーの契約金が入ります。常守条件を守れなかったスポンサーからは"
               "契約金の代わりに違約金を請求されます。</li>"
               "<li>選手全員と雇っているコーチの年俸を払います。</li>"
               "<li>前の年の決算と比べた黒字・赤字が表示されます。</li></ol>") +
           Table(budget) +
           QStringLiteral(
               "<p><b>維持費</b>は毎月4週目に払います。土地は1区画%1で買え、"
               "建物の建設費は工事を始めるときに払います。整備は1コート1段階10万円です。"
               "</p>")
               .arg(Money(kLandPrice)) +
           Table(buildings) +
           QStringLiteral(
               "<p><b>スカウト</b>は「選手」の「選手獲得スカウト」から依頼します。費用は"
               "年齢とランクで決まり（%1〜%2）、結果は6月1週に発表されます。契約すると"
               "その選手の年俸をすぐに1回払い、その後は毎年の決算で払います。選手は20人"
               "まで、解雇しても5人より少なくはなりません。</p>"
               "<p><b>スポンサー</b>は4月に「事務所」で2社まで契約できます。契約条件の成績を"
               "挙げたスポンサーだけが選べ、お金は毎年3月の決算で入ります。</p>")
               .arg(Money(AgeBandOf(0).cost + RankOf(0).cost),
                    Money(AgeBandOf(1).cost + RankOf(kStrongestRank).cost)) +
           Table(sponsors);
}

QString Keys() {
    QStringList rows{Row({QStringLiteral("キー"), QStringLiteral("はたらき")}, true)};
    const auto add = [&rows](const MainShortcut &s) {
        rows << Row({QString::fromUtf8(s.keyNames), QString::fromUtf8(s.what)});
    };
    for (int i = 0; i < 8; ++i) add(CommandBarShortcut(i));
    add(AdvanceShortcut());
    for (int i = 0; i < 4; ++i) add(CommandButtonShortcut(i));
    add(HelpShortcut());
    add(MessageHistoryShortcut());
    add(RecordsShortcut());
    rows << Row({QStringLiteral("← ↑ → ↓"),
                 QStringLiteral("選手を選びます（←で5人前、↑で1人前、→で5人後、↓で1人後）。")});
    return QStringLiteral(
               "<p>メイン画面では次のキーが使えます。ボタンにマウスを置くと"
               "説明とキーが出ます。ほかの画面では、Enterで決定、Escで閉じます"
               "（閉じてはいけない画面はEscでは閉じません）。</p>") +
           Table(rows);
}

}  // namespace

std::vector<HelpSection> HelpSections(const FirstAprilTicks &done) {
    return {
        {QStringLiteral("first-april"), QStringLiteral("はじめての4月"), HelpFirstAprilHtml(done)},
        {QStringLiteral("week"), QStringLiteral("1週間の流れ"), TheWeek()},
        {QStringLiteral("practice"), QStringLiteral("練習メニュー"), Practice()},
        {QStringLiteral("courts"), QStringLiteral("コートとコート配分"), Courts()},
        {QStringLiteral("coaches"), QStringLiteral("コーチと4月"), Coaches()},
        {QStringLiteral("camps"), QStringLiteral("合宿とドリンク"), CampsAndDrinks()},
        {QStringLiteral("grades"), QStringLiteral("能力とグレード"), Grades()},
        {QStringLiteral("matches"), QStringLiteral("試合と大会"), Matches()},
        {QStringLiteral("money"), QStringLiteral("お金"), MoneySection()},
        {QStringLiteral("keys"), QStringLiteral("キー操作"), Keys()},
        {QStringLiteral("access"), QStringLiteral("スクリーンリーダーとキーボード"),
         HelpAccessHtml()},
        {QStringLiteral("hints"), QStringLiteral("勝つためのヒント"), HelpHintsHtml()},
    };
}

QString HelpPageHtml(const std::vector<HelpSection> &sections) {
    QString page;
    for (const HelpSection &s : sections)
        page += QStringLiteral("<h2><a name=\"%1\"></a>%2</h2>%3").arg(s.anchor, s.title, s.html);
    return page;
}

}  // namespace tk
