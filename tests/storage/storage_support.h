// What the storage tests share: raw file bytes, the files a save may leave behind, and a small
// tmpfs for the tests that need a full or read-only disk (root only).
#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <string>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>

namespace tk::test {

inline QByteArray ReadBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Files in folder that are neither a slot, a settings file, a backup nor a recovery file:
// the temporary files of an interrupted write.
inline QStringList TemporaryFiles(const QString &folder) {
    QStringList left;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!name.endsWith(".Kumo") && !name.endsWith(".bak") && !name.endsWith(".resume"))
            left << name;
    }
    return left;
}

// A tmpfs of `kilobytes` mounted on folder for the life of the object. Mounting needs root;
// Mounted() tells whether it worked, Why() why not.
class ScopedTmpfs {
public:
    ScopedTmpfs(const QString &folder, int kilobytes) : folder_(QFile::encodeName(folder)) {
        if (geteuid() != 0) {
            why_ = "needs root to mount a tmpfs";
            return;
        }
        QDir().mkpath(folder);
        const std::string options = "size=" + std::to_string(kilobytes) + "k";
        mounted_ = mount("tmpfs", folder_.constData(), "tmpfs", 0, options.c_str()) == 0;
        if (!mounted_) why_ = "cannot mount a tmpfs here";
    }
    ~ScopedTmpfs() {
        if (mounted_) umount2(folder_.constData(), MNT_DETACH);
    }
    ScopedTmpfs(const ScopedTmpfs &) = delete;
    ScopedTmpfs &operator=(const ScopedTmpfs &) = delete;

    bool Mounted() const { return mounted_; }
    const std::string &Why() const { return why_; }
    // Makes the file system read-only (or writable again).
    bool SetReadOnly(bool readOnly) {
        const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
        return mounted_ && mount("tmpfs", folder_.constData(), "tmpfs", flags, nullptr) == 0;
    }

private:
    QByteArray folder_;
    bool mounted_ = false;
    std::string why_;
};

}  // namespace tk::test
