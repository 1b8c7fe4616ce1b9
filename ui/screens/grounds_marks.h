// The maintenance marks that the lot screen and the whole-grounds screen share, kept by the
// window that opens them so that a mark left on one screen is still set on the other.
#pragma once

#include <QObject>

#include "core/rules/land_rules.h"

namespace tk {

class GroundsMarks : public QObject {
    Q_OBJECT

public:
    // The marks kept by `owner` (the main screen), made on first use and dropped with it.
    static MaintainMarks &Of(QObject *owner);

private:
    explicit GroundsMarks(QObject *owner) : QObject(owner) {}

    MaintainMarks marks_;
};

}  // namespace tk
