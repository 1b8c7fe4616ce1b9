// A window's backing store mapped in one go before its first paint.
#include "ui/base/first_paint.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include <QBackingStore>
#include <QEvent>
#include <QImage>
#include <QWidget>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23  // Linux 5.14; Debian 12's headers may predate it
#endif

namespace tk {
namespace {

// Acts on the window's first paint event, which comes after its store has been sized and
// before any of its widgets has drawn into it; then goes.
class FirstPaintMapper : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::Paint) return false;
        auto *window = static_cast<QWidget *>(watched);
        if (QBackingStore *store = window->backingStore()) {
            QPaintDevice *device = store->paintDevice();
            if (device != nullptr && device->devType() == QInternal::Image) {
                const auto *image = static_cast<const QImage *>(device);
                MapWritable(image->constBits(), image->sizeInBytes());
            }
        }
        deleteLater();
        window->removeEventFilter(this);
        return false;
    }
};

}  // namespace

bool MapWritable(const void *begin, long long size) {
    if (begin == nullptr || size <= 0) return false;
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto first = reinterpret_cast<std::uintptr_t>(begin) & ~(page - 1);
    const auto end = reinterpret_cast<std::uintptr_t>(begin) + static_cast<std::uintptr_t>(size);
    return madvise(reinterpret_cast<void *>(first), end - first, MADV_POPULATE_WRITE) == 0;
}

void MapBackingStoreBeforeFirstPaint(QWidget *window) {
    window->installEventFilter(new FirstPaintMapper(window));
}

}  // namespace tk
