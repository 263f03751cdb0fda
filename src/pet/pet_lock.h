#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Only one window may keep the pet at a time: two open windows would each save
// on closing, and the last to close would silently undo the other's care.
class PetLock {
public:
    // Takes the lock in the picture folder; a lock left by a run that crashed
    // is taken over. Without a picture folder there is no pet to protect, and
    // start-up reports the missing folder as it always has.
    explicit PetLock(const QString& pictureFolder);

    bool heldElsewhere() const { return heldElsewhere_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool heldElsewhere_ = false;
};

inline const QString kPetAlreadyOpenTitle = QStringLiteral("Питомец");
inline const QString kPetAlreadyOpenText =
    QStringLiteral("Питомец уже открыт в другом окне. Закройте то окно, чтобы открыть это.");
