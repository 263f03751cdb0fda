#include "pet_lock.h"

#include <QDir>

PetLock::PetLock(const QString& pictureFolder) {
    if (!QDir(pictureFolder).exists())
        return;
    lock_ =
        std::make_unique<QLockFile>(QDir(pictureFolder).filePath(QStringLiteral("Pets.pets.lock")));
    // A lock is stale only when its process is gone, however long the pet has been open.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0))
        heldElsewhere_ = lock_->error() == QLockFile::LockFailedError;
}
