// The command bar as accessibility sees it: one push button per drawn face, named as its
// picture reads, with its key, answering the "press" action as a click does.
#include "ui/widgets/accessible_item.h"
#include "ui/widgets/command_bar.h"

namespace tk {

namespace {

// What each face reads, left to right, and the key that does the same on the main screen.
const char *const kFaceNames[kCommandBarButtons] = {
    "次の週へ", "練習", "試合", "アイテム", "設定", "事務所", "選手", "土地", "連続進行",
};
const char *const kStopName = "停止";
const char *const kStopWhat = "いまの週が終わったところで止まります。";

}  // namespace

void CommandBar::BuildItems() {
    for (int i = 0; i < kCommandBarButtons; ++i) {
        auto *item = new AccessibleItem(QAccessible::Button, this);
        item->setObjectName(QStringLiteral("BottunSwich%1").arg(i));
        item->setGeometry(ButtonRect(i));
        item->SetPress([this, i] { emit commandReleased(i); }, QString::number(i + 1));
        items_[static_cast<std::size_t>(i)] = item;
        NameItem(i);
    }
}

void CommandBar::NameItem(int index) {
    AccessibleItem *item = items_[static_cast<std::size_t>(index)];
    if (!item) return;
    const bool stop = index == kAdvanceButton && advancing_;
    const QString name = QString::fromUtf8(stop ? kStopName : kFaceNames[index]);
    QString what = stop ? QString::fromUtf8(kStopWhat) : toolTips_[static_cast<std::size_t>(index)];
    what.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString key = stop ? QStringLiteral("Esc / 9") : item->Key();
    if (!what.contains(QStringLiteral("キー"))) what += QStringLiteral("　キー: ") + key;
    item->SetText(name, what);
}

}  // namespace tk
