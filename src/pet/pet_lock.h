#pragma once

#include <QString>
#include <sys/types.h>

// Only one window may keep the pet at a time: two open windows would each save
// on closing, and the last to close would silently undo the other's care.
//
// The lock is the kernel's, on a lock file beside the file a save writes, so
// "Pets.pets.lock" beside the pet file, or beside the file it links to:
// it is held while the keeping program lives and released however it ends,
// so a crash, a kill or a frozen machine leaves nothing to clean up. What the
// lock file contains never matters.
class PetLock {
public:
    // Takes the lock in the folder that holds the pet file. Without that folder
    // there is no pet to protect, and start-up reports the missing folder. A
    // lock file that cannot be opened at all keeps nobody out either.
    explicit PetLock(const QString& folder);
    ~PetLock();
    PetLock(const PetLock&) = delete;
    PetLock& operator=(const PetLock&) = delete;

    bool heldElsewhere() const { return heldElsewhere_; }
    // Asks the program that keeps the pet to bring its window to the front,
    // where the system tells which program that is.
    void callKeeperForward() const;

private:
    int fd_ = -1;
    bool heldElsewhere_ = false;
};

inline constexpr char kPetAlreadyOpenTitle[] = QT_TRANSLATE_NOOP("PetLock", "Питомец");
inline constexpr char kPetAlreadyOpenText[] = QT_TRANSLATE_NOOP(
    "PetLock", "Питомец уже открыт в другом окне. Закройте то окно, чтобы открыть это.");
