// A window's backing store mapped in one go before its first paint.
#pragma once

class QWidget;

namespace tk {

// Before `window` first paints, asks the kernel to map the whole of its backing store at once
// (madvise MADV_POPULATE_WRITE) instead of taking a page fault for every 4 KB the first paint
// touches: under a virtual machine a page fault costs 10-15 µs, and the main screen's store is
// 900 pages. Where the store is not memory the program can reach, or the kernel is older than
// 5.14, nothing happens.
void MapBackingStoreBeforeFirstPaint(QWidget *window);

// Maps the pages of [begin, begin + size) writable in one call; false where the kernel
// cannot (the pages are then mapped as they are first touched).
bool MapWritable(const void *begin, long long size);

}  // namespace tk
