#include "pet_lock.h"

#include "core/come_forward_signal.h"
#include "core/pet_file_name.h"
#include "core/runtime_error.h"
#include "pet_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Never blocks, whatever lies at the lock file's name (a FIFO, a device), and
// never follows a link put there: it could point at any file of the system.
constexpr int kOpenFlags = O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW;

// A lock file the user may read but not write (left by a run as another user)
// still carries the lock: flock needs no write access.
int openLockFile(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_RDWR | kOpenFlags, 0666);
    if (fd >= 0 || (errno != EACCES && errno != EROFS))
        return fd;
    return ::open(path.constData(), O_RDONLY | kOpenFlags, 0666);
}

// The file a save writes, which a link may put in another folder: two program
// folders whose pet files link to one file keep one pet. A chain of links that
// never ends leaves the pet file itself, whose reading start-up then reports.
QString savedFile(const QString& petFile) {
    try {
        return petFileTarget(petFile);
    } catch (const RuntimeError&) {
        return petFile;
    }
}

QByteArray lockFileName(const QString& file) {
    return QFile::encodeName(file + QStringLiteral(".lock"));
}

// The lock file beside the file the pet file links to. A link may point
// anywhere, so it is used only in a folder of the pet folder's owner: a link
// in a user's pet folder never makes a program run by root create or lock a
// file where it points. -1 elsewhere.
int openLockFileBesideTarget(const QString& petFolder, const QString& target) {
    struct stat owner {};
    struct stat folder {};
    if (::stat(QFile::encodeName(petFolder).constData(), &owner) != 0 ||
        ::stat(QFile::encodeName(QFileInfo(target).path()).constData(), &folder) != 0 ||
        folder.st_uid != owner.st_uid)
        return -1;
    return openLockFile(lockFileName(target));
}

// The whole file, as a record lock: the system names its holder to anyone
// who asks, which the lock taken by flock does not.
struct flock wholeFile(short type) {
    struct flock range {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    return range;
}

} // namespace

PetLock::PetLock(const QString& folder) {
    if (!QDir(folder).exists())
        return;
    const QString petFile = QDir(folder).filePath(kPetFileName);
    if (const QString target = savedFile(petFile); target != petFile)
        fd_ = openLockFileBesideTarget(folder, target);
    // Without a lock file there, the one beside the pet file still keeps a
    // second window of this program folder out.
    if (fd_ < 0)
        fd_ = openLockFile(lockFileName(petFile));
    if (fd_ < 0)
        return;
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        heldElsewhere_ = errno == EWOULDBLOCK;
        return;
    }
    // A second start finds the keeper by this record lock, to call its window
    // forward. It fails harmlessly on a lock file opened for reading only.
    struct flock range = wholeFile(F_WRLCK);
    ::fcntl(fd_, F_SETLK, &range);
}

PetLock::~PetLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

void PetLock::callKeeperForward() const {
    if (fd_ < 0 || !heldElsewhere_)
        return;
    struct flock range = wholeFile(F_WRLCK);
    // The keeper answers this signal from the moment it takes the record lock.
    if (::fcntl(fd_, F_GETLK, &range) == 0 && range.l_type != F_UNLCK && range.l_pid > 0)
        ::kill(range.l_pid, kComeForwardSignal);
}
