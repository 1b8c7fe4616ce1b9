// One running copy of the game per slot: a lock file beside the slot (Save0.Kumo.lock) held
// while the slot's game is open. A lock left by a copy that was killed is taken over.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include <QString>

#include "core/state/result.h"

class QLockFile;

namespace tk {

inline constexpr const char *kLockSuffix = ".lock";

// The running copy of the game that holds a slot.
struct SlotUser {
    qint64 Pid = 0;
    std::string Program;  // its program name, "" when the lock does not say
    std::string Host;     // the computer it runs on
    std::string Since;    // when it took the slot, "12月9日 16:05"

    // "tennis-kantoku（プロセス 1234、12月9日 16:05から）" for the title screen.
    std::string Text() const;
};

class SlotLock {
public:
    // The lock of the slot file at slotPath (the file itself need not exist).
    explicit SlotLock(const QString &slotPath);
    ~SlotLock();
    SlotLock(const SlotLock &) = delete;
    SlotLock &operator=(const SlotLock &) = delete;

    // Takes the slot for this copy of the game; a lock of a copy that no longer runs is taken
    // over. Fails, naming the copy that holds it, when another live copy has the slot.
    Status Take();
    void Release();
    bool Held() const;

    // The live copy of the game that holds the slot at slotPath, if any (this copy included
    // while it holds it). Looking never takes the slot, but removes a stale lock.
    static std::optional<SlotUser> UserOf(const QString &slotPath);
    static QString LockPath(const QString &slotPath);

private:
    int held_ = -1;  // the lock file this copy made or took over, open and flock()ed
    std::unique_ptr<QLockFile> lock_;
    QString slot_;
    QString path_;
};

}  // namespace tk
