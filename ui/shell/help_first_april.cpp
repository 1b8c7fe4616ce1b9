// "はじめての4月": the few things a new manager settles in the first April, before the
// season runs away with them; each is ticked off (☑) once the record shows it done.
#include "core/rules/catalogue.h"
#include "core/rules/first_april.h"
#include "core/rules/land_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/scout_rules.h"
#include "ui/shell/help_text.h"

namespace tk {

QString HelpFirstAprilHtml(const FirstAprilTicks &done) {
    const auto money = [](std::int64_t amount) {
        return QString::fromStdString(MoneyText(amount));
    };
    const auto mark = [&done](FirstAprilItem item) {
        return done[static_cast<std::size_t>(item)] ? QStringLiteral("☑") : QStringLiteral("☐");
    };
    return QStringLiteral(
               "<p>最初の4月に、次の4つを確かめておきましょう。できたものには☑が付きます"
               "（ニュース欄にも最初のシーズンの間出ています）。</p><ul>"
               "<li>%4 <b>コート</b>：屋外コートは雨の日と夜に使えません。「土地」の「工事」で"
               "室内コートに建て替えると（建設費 %1）、練習の量が大きく増えます。</li>"
               "<li>%5 <b>選手の数</b>：レベル1の予算で年俸を払えるのは5～7人です。年俸の高い"
               "選手は3月の契約更新で解雇しましょう。</li>"
               "<li>%6 <b>スカウト</b>：4月か5月に「選手」の「選手獲得スカウト」で依頼すると、"
               "6月に結果が出ます（%2から）。</li>"
               "<li>%7 <b>整備</b>：コートは練習のたびに傷み、状態が200以下になると使えず、"
               "練習が止まります。「土地詳細」の状態が「悪」に近づいたら「整備」で直しましょう"
               "（1コート1段階 %3）。</li></ul>")
        .arg(money(50 * CIzi(kIndoorCourt)), money(AgeBandOf(0).cost + RankOf(0).cost),
             money(MaintenanceCost(1, 1)), mark(FirstAprilItem::Court), mark(FirstAprilItem::Squad),
             mark(FirstAprilItem::Scouting), mark(FirstAprilItem::Maintenance));
}

}  // namespace tk
