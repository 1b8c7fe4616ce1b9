// The grounds screens' maintenance marks, kept as a child of the window that owns them.
#include "ui/screens/grounds_marks.h"

namespace tk {

MaintainMarks &GroundsMarks::Of(QObject *owner) {
    auto *held = owner->findChild<GroundsMarks *>(QString(), Qt::FindDirectChildrenOnly);
    if (held == nullptr) held = new GroundsMarks(owner);
    return held->marks_;
}

}  // namespace tk
