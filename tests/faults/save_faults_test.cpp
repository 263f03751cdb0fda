// Closing the window while saving cannot succeed: each fault is really caused
// (permissions, a missing folder, a file size limit, a full file system), the
// error report appears and the pet file from before is still whole.
#include "support/pet_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// Set in main(): a mount namespace of our own, where a small file system can be
// mounted without touching the machine's. It can only be made before Qt starts
// its threads.
bool privateMounts = false;

constexpr uid_t kNobody = 65534;

enum class Fault { FileReadOnly, FolderReadOnly, FolderMissing, FileSizeLimit, DiskFull };

const QString kOld = petLine("Уголёк", "4", "06.12.2026", "5", "5", "5", "0", "10");

// Runs the rest of a scope as another user, so that permission bits stop
// writes even when the test runs as root.
class AsUser {
public:
    explicit AsUser(uid_t uid) {
        active_ = ::setegid(gid_t(uid)) == 0 && ::seteuid(uid) == 0;
    }
    ~AsUser() {
        if (active_) {
            [[maybe_unused]] const int u = ::seteuid(0);
            [[maybe_unused]] const int g = ::setegid(0);
        }
    }
    bool active() const { return active_; }

private:
    bool active_ = false;
};

QStringList petFiles(const ProgramFolder& folder) {
    return QDir(folder.pictureFolder()).entryList({"Pets.pets*"}, QDir::Files | QDir::Hidden);
}

// True when the current user cannot create a file in the folder.
bool cannotCreateIn(const QString& folder) {
    const QByteArray probe = QFile::encodeName(folder + "/probe");
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return true;
    ::close(fd);
    ::unlink(probe.constData());
    return false;
}

// The system's words for an error, in the language the report will use.
QString systemText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

void fillUp(const QString& folder) {
    QFile filler(folder + "/filler");
    if (!filler.open(QIODevice::WriteOnly))
        return;
    const QByteArray chunk(4096, 'x');
    while (filler.write(chunk) == chunk.size() && filler.flush()) {
    }
    while (filler.write("x", 1) == 1 && filler.flush()) {
    }
}

} // namespace

class SaveFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void faultIsReportedAndOldFileStaysWhole_data();
    void faultIsReportedAndOldFileStaysWhole();
};

void SaveFaultsTest::faultIsReportedAndOldFileStaysWhole_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("reason");
    QTest::newRow("pet file read-only") << Fault::FileReadOnly << "защищён от записи";
    QTest::newRow("folder G read-only") << Fault::FolderReadOnly << systemText(EACCES);
    QTest::newRow("folder G missing") << Fault::FolderMissing << "нет папки";
    QTest::newRow("file size limit mid-write") << Fault::FileSizeLimit << systemText(EFBIG);
    QTest::newRow("file system full") << Fault::DiskFull << systemText(ENOSPC);
}

void SaveFaultsTest::faultIsReportedAndOldFileStaysWhole() {
    QFETCH(Fault, fault);
    QFETCH(QString, reason);
    const bool root = ::geteuid() == 0;

    PetWindow pet(kOld);
    frmForm& form = pet.open();
    QCOMPARE(pet.services.boxes().size(), 0);
    // A long name, so that the new record could not fit where the old one was.
    form.setWindowTitle(QString(200, QChar(0x0416)));
    const QString g = pet.folder.pictureFolder();
    const QByteArray gBytes = QFile::encodeName(g);
    bool mounted = false;

    switch (fault) {
    case Fault::FileReadOnly:
        QVERIFY(QFile::setPermissions(pet.folder.petFilePath(), QFile::ReadOwner | QFile::ReadGroup));
        pet.close();
        break;
    case Fault::FolderReadOnly: {
        if (root) {
            // Root writes through permission bits; the folder and the pet file
            // belong to an ordinary user, who then closes the window.
            const QByteArray file = QFile::encodeName(pet.folder.petFilePath());
            QVERIFY(::chmod(QFile::encodeName(pet.folder.path()).constData(), 0755) == 0);
            QVERIFY(::chown(gBytes.constData(), kNobody, kNobody) == 0);
            QVERIFY(::chown(file.constData(), kNobody, kNobody) == 0);
        }
        QVERIFY(::chmod(gBytes.constData(), 0555) == 0);
        {
            AsUser user(kNobody);
            if (root && !user.active())
                QSKIP("running as root without the right to change the effective user: a "
                      "read-only folder cannot stop root's writes here");
            if (!cannotCreateIn(g))
                QSKIP("this file system lets the user write into a read-only folder");
            pet.close();
        }
        ::chmod(gBytes.constData(), 0755);
        break;
    }
    case Fault::FolderMissing:
        QVERIFY(QDir(g).removeRecursively());
        pet.close();
        QVERIFY(!QDir(g).exists());
        break;
    case Fault::FileSizeLimit: {
        rlimit saved{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = 64;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
        pet.close();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        break;
    }
    case Fault::DiskFull: {
        if (!privateMounts)
            QSKIP("no private mount namespace (needs root): a small file system cannot be "
                  "mounted for this test");
        // The old pet on a file system of its own, filled to the last byte.
        if (::mount("pettmp", gBytes.constData(), "tmpfs", 0, "size=256k") != 0)
            QSKIP("mounting a tmpfs is not permitted here");
        mounted = true;
        pet.folder.writePetFileBytes(cp1251(kOld));
        fillUp(g);
        struct statvfs fs {};
        QVERIFY(::statvfs(gBytes.constData(), &fs) == 0);
        QCOMPARE(fs.f_bavail, fsblkcnt_t(0));
        pet.close();
        break;
    }
    }

    const QByteArray after = fault == Fault::FolderMissing ? QByteArray() : pet.folder.petFileBytes();
    const QStringList left = fault == Fault::FolderMissing ? QStringList() : petFiles(pet.folder);
    if (mounted)
        ::umount2(gBytes.constData(), MNT_DETACH);

    QCOMPARE(pet.services.boxes().size(), 1);
    const ScriptedServices::Box box = pet.services.boxes()[0];
    QVERIFY2(box.text.startsWith("Ошибка в программе! Не удалось записать файл питомца"),
             qPrintable(box.text));
    QVERIFY2(box.text.contains(reason), qPrintable(box.text));
    QCOMPARE(box.style, kStyleExclamationOk);
    QCOMPARE(box.title, QStringLiteral("Ошибка"));
    if (fault != Fault::FolderMissing) {
        QCOMPARE(after, cp1251(kOld));
        // No half-written temporary file stays beside it.
        QCOMPARE(left, QStringList{"Pets.pets"});
    }
}

int main(int argc, char* argv[]) {
    if (::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0 &&
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0)
        privateMounts = true;
    QApplication app(argc, argv);
    SaveFaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "save_faults_test.moc"
