// The tooltips of the practice menus and the drinks, from the rules' figures.
#include "ui/widgets/game_tips.h"

#include "core/rules/camp_rules.h"
#include "core/rules/lookups.h"
#include "core/rules/plan_rules.h"

namespace tk {

QString PracticeMenuTrains(int menu) {
    // Menus 1..5 put extra practice into one skill; 6 and 7 give more to all five.
    static const char *const kTrains[kPracticeMenus] = {
        "スタミナ・パワー・技術・敏捷・ショット（前衛はボレー）をまんべんなく伸ばします。",
        "5つの能力を伸ばし、とくにスタミナを伸ばします。",
        "5つの能力を伸ばし、とくにパワーを伸ばします。",
        "5つの能力を伸ばし、とくに技術を伸ばします。",
        "5つの能力を伸ばし、とくに敏捷を伸ばします。",
        "5つの能力を伸ばし、とくにショット（前衛はボレー）を伸ばします。",
        "5つの能力を基本練習より多く伸ばします。チームレベル4から選べます。",
        "5つの能力を応用練習よりさらに多く伸ばします。チームレベル5で選べます。",
    };
    if (menu < 0 || menu >= kPracticeMenus) return {};
    return QString::fromUtf8(kTrains[menu]);
}

QString PracticeMenuTip(int menu) {
    if (menu < 0 || menu >= kPracticeMenus) return {};
    return QString::fromStdString(PracticeMenuName(menu)) + QStringLiteral("：") +
           PracticeMenuTrains(menu);
}

QString DrinkTip(int item) {
    const NutritionDrink &drink = Item(item);
    return QStringLiteral("選手全員の体力を%1回復します（最大%2）。費用 %3。何度でも使えます。")
        .arg(drink.conditionGain)
        .arg(kConditionMax)
        .arg(QString::fromStdString(MoneyText(drink.cost)));
}

}  // namespace tk
