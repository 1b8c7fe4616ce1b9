// The icon engine behind LazyIcon: everything is handed to the icon made on first use.
#include "ui/base/lazy_icon.h"

#include <memory>
#include <optional>

#include <QIconEngine>
#include <QPainter>

namespace tk {
namespace {

// What the engine and its copies share: the maker, then the icon it made.
struct Made {
    std::function<QIcon()> make;
    std::optional<QIcon> icon;

    const QIcon &Icon() {
        if (!icon) icon = make();
        return *icon;
    }
};

class LazyIconEngine : public QIconEngine {
public:
    explicit LazyIconEngine(std::shared_ptr<Made> made) : made_(std::move(made)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        made_->Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return made_->Icon().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return made_->Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return made_->Icon().availableSizes(mode, state);
    }
    QString iconName() override { return made_->Icon().name(); }
    // Asked before anything is drawn: the icons made lazily are Qt's own, never empty.
    bool isNull() override { return made_->icon && made_->icon->isNull(); }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return made_->Icon().pixmap(size / scale, scale, mode, state);
    }
    QString key() const override { return QStringLiteral("tk-lazy"); }
    QIconEngine *clone() const override { return new LazyIconEngine(made_); }

private:
    std::shared_ptr<Made> made_;
};

}  // namespace

QIcon LazyIcon(std::function<QIcon()> make) {
    return QIcon(new LazyIconEngine(std::make_shared<Made>(Made{std::move(make), {}})));
}

}  // namespace tk
