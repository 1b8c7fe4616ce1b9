// The report of the windows on screen, rewritten whenever something a test waits for changes.
#include "ui/base/widget_report.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QSaveFile>
#include <QTextStream>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace tk {

namespace {

QString OneLine(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString NameOf(const QObject *object) {
    return object->objectName().isEmpty() ? QStringLiteral("-") : object->objectName();
}

QString Geometry(const QWidget *widget) {
    const QPoint at = widget->mapToGlobal(QPoint(0, 0));
    return QStringLiteral("%1 %2 %3 %4")
        .arg(at.x())
        .arg(at.y())
        .arg(widget->width())
        .arg(widget->height());
}

QString TextOf(const QWidget *widget) {
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(widget)) return label->text();
    return QString();
}

// The window a window stands over (its transient parent), or "-".
QString OverName(const QWidget *window) {
    const QWindow *handle = window->windowHandle();
    const QWindow *over = handle != nullptr ? handle->transientParent() : nullptr;
    if (over == nullptr) return QStringLiteral("-");
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->windowHandle() == over) return NameOf(w);
    return QStringLiteral("-");
}

class WidgetReport : public QObject {
public:
    WidgetReport(const QString &path, QObject *parent) : QObject(parent), path_(path) {
        pending_.setSingleShot(true);
        pending_.setInterval(0);
        connect(&pending_, &QTimer::timeout, this, &WidgetReport::Write);
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        switch (event->type()) {
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::WindowActivate:
            case QEvent::FocusIn:
            case QEvent::EnabledChange:
                if (watched->isWidgetType()) pending_.start();
                break;
            default: break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Write() {
        QString text;
        QTextStream out(&text);
        const QWidget *focus = QApplication::focusWidget();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible()) continue;
            out << "window " << NameOf(window) << ' ' << window->metaObject()->className() << ' '
                << Geometry(window) << " active=" << (window->isActiveWindow() ? 1 : 0)
                << " wid=" << window->internalWinId() << " over=" << OverName(window)
                << " title=" << OneLine(window->windowTitle()) << '\n';
            for (QWidget *child : window->findChildren<QWidget *>()) {
                const bool button = qobject_cast<QAbstractButton *>(child) != nullptr;
                if (child->objectName().isEmpty() && !button) continue;
                if (child->objectName().startsWith(QLatin1String("qt_"))) continue;
                out << "widget " << NameOf(child) << ' ' << child->metaObject()->className() << ' '
                    << Geometry(child) << " visible=" << (child->isVisible() ? 1 : 0)
                    << " enabled=" << (child->isEnabled() ? 1 : 0)
                    << " focus=" << (child == focus ? 1 : 0) << " text=" << OneLine(TextOf(child))
                    << '\n';
            }
        }
        out.flush();
        QSaveFile file(path_);
        if (!file.open(QIODevice::WriteOnly)) return;
        file.write(text.toUtf8());
        file.commit();
    }

    QString path_;
    QTimer pending_;
};

}  // namespace

void InstallWidgetReport(const QString &path) {
    if (path.isEmpty()) return;
    qApp->installEventFilter(new WidgetReport(path, qApp));
}

}  // namespace tk
