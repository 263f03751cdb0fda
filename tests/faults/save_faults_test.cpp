// Closing the window while saving cannot succeed: each fault is really caused
// (permissions, a missing folder, a file size limit, a full or read-only file
// system, a link to a file the folder's owner may not write), the error report
// appears and the pet file from before is still whole. And saves that can
// succeed keep what the user set up around the pet file: a link stays a link,
// the owner stays the owner, the access list stays.
#include "core/runtime_error.h"
#include "pet/pet_file.h"
#include "support/as_user.h"
#include "support/file_size_limit.h"
#include "support/full_disk.h"
#include "support/pet_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

// Watched in every save: setting the umask, even only to read it, changes it
// for every thread meanwhile; a file written without close-on-exec would be
// handed down to any program started meanwhile.
int umaskChanges = 0;
int inheritableFilesWritten = 0;

} // namespace

extern "C" mode_t umask(mode_t mask) noexcept {
    ++umaskChanges;
    return mode_t(::syscall(SYS_umask, mask));
}

// A save gives the file it writes its permissions first.
extern "C" int fchmod(int fd, mode_t mode) noexcept {
    if ((::fcntl(fd, F_GETFD) & FD_CLOEXEC) == 0)
        ++inheritableFilesWritten;
    return int(::syscall(SYS_fchmod, fd, mode));
}

namespace {

// Set in main(): a mount namespace of our own, where a small file system can be
// mounted without touching the machine's. It can only be made before Qt starts
// its threads.
bool privateMounts = false;

enum class Fault {
    FileReadOnly,
    FolderReadOnly,
    FolderMissing,
    FileSizeLimit,
    DiskFull,
    FileSystemReadOnly,
    LinkToRootsFile
};

enum class Surrounding {
    Link,
    LinkToNoFileYet,
    RootInUsersFolder,
    GroupNotTheUsers,
    FolderReadOnly,
    DiskFullRecordFits,
    AccessList
};

const QString kOld = petLine("Уголёк", "4", "06.12.2026");

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

// The record a save of the window must write.
QByteArray shownRecord(const frmForm& form) {
    return cp1251(recordLine(QStringList{form.windowTitle(), form.lblaD->text(), "07.12.2026"} +
                             shownNeeds(form)));
}

// Gives the program folder, G and the pet file to nobody, as a user's own
// folder is when root runs the program in it.
bool giveToNobody(const ProgramFolder& folder) {
    return ::chmod(QFile::encodeName(folder.path()).constData(), 0755) == 0 &&
           ::chown(QFile::encodeName(folder.pictureFolder()).constData(), kNobody, kNobody) == 0 &&
           ::chown(QFile::encodeName(folder.petFilePath()).constData(), kNobody, kNobody) == 0;
}

// Closes the window in a G folder the user may not create files in: as nobody
// when root, whom permission bits do not stop. Empty when it was closed,
// otherwise why it cannot be done here.
QString closeInReadOnlyFolder(PetWindow& pet) {
    const QByteArray g = QFile::encodeName(pet.folder.pictureFolder());
    if (::chmod(g.constData(), 0555) != 0)
        return "the folder G cannot be made read-only";
    QString why;
    {
        AsUser user(kNobody);
        if (::geteuid() == 0 && !user.active())
            why = "running as root without the right to change the effective user: a "
                  "read-only folder cannot stop root's writes here";
        else if (!cannotCreateIn(pet.folder.pictureFolder()))
            why = "this file system lets the user write into a read-only folder";
        else
            pet.close();
    }
    ::chmod(g.constData(), 0755);
    return why;
}

// Puts the folder G, holding the old pet file, on a small file system of its
// own, which the case then fills or makes read-only (`then`). Empty when done,
// otherwise why it cannot be done here.
QString oldPetOnItsOwnFileSystem(PetWindow& pet, const char* then) {
    if (!privateMounts)
        return QStringLiteral("no private mount namespace (needs root): a file system cannot be "
                              "%1 for this test")
            .arg(then);
    const QByteArray g = QFile::encodeName(pet.folder.pictureFolder());
    if (::mount("pettmp", g.constData(), "tmpfs", 0, "size=256k") != 0)
        return "mounting a tmpfs is not permitted here";
    pet.folder.writePetFileBytes(cp1251(kOld));
    return {};
}

// The file's POSIX access list as the system stores it; empty without one.
QByteArray accessList(const QString& path) {
    QByteArray value(1024, '\0');
    const ssize_t size = ::getxattr(QFile::encodeName(path).constData(), "system.posix_acl_access",
                                    value.data(), size_t(value.size()));
    return value.left(size < 0 ? 0 : size);
}

} // namespace

class SaveFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void faultIsReportedAndOldFileStaysWhole_data();
    void faultIsReportedAndOldFileStaysWhole();
    void saveKeepsWhatSurroundsThePetFile_data();
    void saveKeepsWhatSurroundsThePetFile();
};

void SaveFaultsTest::faultIsReportedAndOldFileStaysWhole_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("reason");
    QTest::newRow("pet file read-only") << Fault::FileReadOnly << "защищён от записи";
    QTest::newRow("folder G read-only, no pet file to write into")
        << Fault::FolderReadOnly << "нет прав доступа";
    QTest::newRow("folder G missing") << Fault::FolderMissing << "нет папки";
    QTest::newRow("file size limit mid-write") << Fault::FileSizeLimit << "файл слишком велик";
    QTest::newRow("file system full") << Fault::DiskFull << "на диске не осталось места";
    QTest::newRow("file system read-only")
        << Fault::FileSystemReadOnly << "файловая система доступна только для чтения";
    QTest::newRow("root in nobody's folder, pet file nobody's link to root's file")
        << Fault::LinkToRootsFile << "защищён от записи";
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
        QVERIFY(
            QFile::setPermissions(pet.folder.petFilePath(), QFile::ReadOwner | QFile::ReadGroup));
        pet.close();
        break;
    case Fault::FolderReadOnly:
        if (root)
            QVERIFY(giveToNobody(pet.folder));
        QVERIFY(QFile::remove(pet.folder.petFilePath()));
        if (const QString why = closeInReadOnlyFolder(pet); !why.isEmpty())
            QSKIP(qPrintable(why));
        break;
    case Fault::FolderMissing:
        QVERIFY(QDir(g).removeRecursively());
        pet.close();
        QVERIFY(!QDir(g).exists());
        break;
    case Fault::FileSizeLimit: {
        FileSizeLimit limit(64);
        QVERIFY(limit.set());
        pet.close();
        break;
    }
    case Fault::DiskFull: {
        // The old pet on a file system of its own, filled to the last byte.
        if (const QString why = oldPetOnItsOwnFileSystem(pet, "filled"); !why.isEmpty())
            QSKIP(qPrintable(why));
        mounted = true;
        fillUp(g);
        struct statvfs fs {};
        QVERIFY(::statvfs(gBytes.constData(), &fs) == 0);
        QCOMPARE(fs.f_bavail, fsblkcnt_t(0));
        pet.close();
        break;
    }
    case Fault::FileSystemReadOnly:
        if (const QString why = oldPetOnItsOwnFileSystem(pet, "made read-only"); !why.isEmpty())
            QSKIP(qPrintable(why));
        mounted = true;
        QVERIFY(::mount("pettmp", gBytes.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) ==
                0);
        pet.close();
        break;
    case Fault::LinkToRootsFile: {
        if (!root)
            QSKIP("only root can save in another user's folder");
        // The old pet becomes root's own file, and nobody's link takes its place.
        QVERIFY(giveToNobody(pet.folder));
        const QByteArray link = QFile::encodeName(pet.folder.petFilePath());
        const QByteArray rootsFile = QFile::encodeName(pet.folder.path() + "/roots.pets");
        QVERIFY(::rename(link.constData(), rootsFile.constData()) == 0);
        QVERIFY(::chown(rootsFile.constData(), 0, 0) == 0);
        QVERIFY(::chmod(rootsFile.constData(), 0600) == 0);
        QVERIFY(::symlink(rootsFile.constData(), link.constData()) == 0);
        QVERIFY(::lchown(link.constData(), kNobody, kNobody) == 0);
        pet.close();
        break;
    }
    }

    const QByteArray after = pet.folder.petFileBytes();
    const QStringList left = petFiles(pet.folder);
    if (mounted)
        ::umount2(gBytes.constData(), MNT_DETACH);

    QCOMPARE(pet.services.boxes().size(), 1);
    const ScriptedServices::Box box = pet.services.boxes()[0];
    QVERIFY2(box.text.startsWith("Ошибка в программе! Не удалось записать файл питомца"),
             qPrintable(box.text));
    QVERIFY2(box.text.contains(reason), qPrintable(box.text));
    QCOMPARE(box.style, kStyleExclamationOk);
    QCOMPARE(box.title, QStringLiteral("Ошибка"));
    if (fault == Fault::FolderReadOnly || fault == Fault::FolderMissing) {
        QVERIFY(after.isEmpty());
        QCOMPARE(left, QStringList());
    } else {
        QCOMPARE(after, cp1251(kOld));
        // No half-written temporary file stays beside it.
        QCOMPARE(left, QStringList{"Pets.pets"});
    }
}

void SaveFaultsTest::saveKeepsWhatSurroundsThePetFile_data() {
    QTest::addColumn<Surrounding>("surrounding");
    QTest::newRow("pet file a symbolic link") << Surrounding::Link;
    QTest::newRow("pet file a link to a file not there yet") << Surrounding::LinkToNoFileYet;
    QTest::newRow("root saves in nobody's folder") << Surrounding::RootInUsersFolder;
    QTest::newRow("pet file in a group its user is not in") << Surrounding::GroupNotTheUsers;
    QTest::newRow("folder G read-only, pet file writable") << Surrounding::FolderReadOnly;
    QTest::newRow("file system full, the record no longer than the file")
        << Surrounding::DiskFullRecordFits;
    QTest::newRow("pet file with an access list for nobody") << Surrounding::AccessList;
}

void SaveFaultsTest::saveKeepsWhatSurroundsThePetFile() {
    QFETCH(Surrounding, surrounding);
    const bool root = ::geteuid() == 0;
    PetWindow pet(kOld);
    // The pet kept in another folder, reached through a relative link.
    const QString elsewhere = pet.folder.path() + "/elsewhere";
    const QString linked = elsewhere + "/kept.pets";
    const char* const link = "../elsewhere/kept.pets";
    if (surrounding == Surrounding::Link || surrounding == Surrounding::LinkToNoFileYet) {
        QVERIFY(QDir().mkdir(elsewhere));
        if (surrounding == Surrounding::Link)
            QVERIFY(QFile::rename(pet.folder.petFilePath(), linked));
        else
            QVERIFY(QFile::remove(pet.folder.petFilePath()));
        QVERIFY(::symlink(link, QFile::encodeName(pet.folder.petFilePath()).constData()) == 0);
    }

    frmForm& form = pet.open();
    // Only the link to no file yet leaves start-up something to report.
    const qsizetype reports = pet.services.boxes().size();
    QCOMPARE(reports, surrounding == Surrounding::LinkToNoFileYet ? 1 : 0);
    const QByteArray expected = shownRecord(form);
    umaskChanges = inheritableFilesWritten = 0;

    switch (surrounding) {
    case Surrounding::Link:
    case Surrounding::LinkToNoFileYet:
        pet.close();
        QCOMPARE(QFile(pet.folder.petFilePath()).symLinkTarget(), linked);
        QCOMPARE(fileBytes(linked), expected);
        QCOMPARE(QDir(elsewhere).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.pets"});
        break;
    case Surrounding::RootInUsersFolder: {
        if (!root)
            QSKIP("only root can save in another user's folder");
        QVERIFY(giveToNobody(pet.folder));
        pet.close();
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(pet.folder.petFilePath()).constData(), &info) == 0);
        QCOMPARE(info.st_uid, kNobody);
        QCOMPARE(info.st_gid, gid_t(kNobody));
        QCOMPARE(pet.folder.petFileBytes(), expected);
        // The user's own next save still works.
        AsUser user(kNobody);
        if (!user.active())
            QSKIP("running as root without the right to change the effective user");
        const PetRecord next = freshPetRecord("Кузя");
        try {
            writePetFile(pet.folder.petFilePath(), next);
        } catch (const RuntimeError& error) {
            QFAIL(qPrintable(error.description()));
        }
        QCOMPARE(pet.folder.petFileBytes(), petRecordBytes(next));
        break;
    }
    case Surrounding::GroupNotTheUsers: {
        if (!root)
            QSKIP("only root can give a file to a group its owner is not in");
        // nobody's file in root's group: nobody may write it but not give a
        // new file that group.
        const QByteArray file = QFile::encodeName(pet.folder.petFilePath());
        QVERIFY(giveToNobody(pet.folder));
        QVERIFY(::chown(file.constData(), kNobody, 0) == 0);
        {
            AsUser user(kNobody);
            if (!user.active())
                QSKIP("running as root without the right to change the effective user");
            pet.close();
        }
        struct stat info {};
        QVERIFY(::stat(file.constData(), &info) == 0);
        QCOMPARE(info.st_uid, kNobody);
        QCOMPARE(info.st_gid, gid_t(0));
        QCOMPARE(pet.folder.petFileBytes(), expected);
        break;
    }
    case Surrounding::FolderReadOnly:
        if (root)
            QVERIFY(giveToNobody(pet.folder));
        if (const QString why = closeInReadOnlyFolder(pet); !why.isEmpty())
            QSKIP(qPrintable(why));
        QCOMPARE(pet.folder.petFileBytes(), expected);
        break;
    case Surrounding::DiskFullRecordFits: {
        if (const QString why = oldPetOnItsOwnFileSystem(pet, "filled"); !why.isEmpty())
            QSKIP(qPrintable(why));
        fillUp(pet.folder.pictureFolder());
        pet.close();
        const QByteArray saved = pet.folder.petFileBytes();
        const QStringList left = petFiles(pet.folder);
        ::umount2(QFile::encodeName(pet.folder.pictureFolder()).constData(), MNT_DETACH);
        QCOMPARE(saved, expected);
        QCOMPARE(left, QStringList{"Pets.pets"});
        break;
    }
    case Surrounding::AccessList: {
        const QString file = pet.folder.petFilePath();
        QCOMPARE(QProcess::execute("setfacl", {"-m", "u:nobody:rw", file}), 0);
        const QByteArray list = accessList(file);
        QVERIFY(!list.isEmpty());
        const QFile::Permissions permissions = QFile::permissions(file);
        pet.close();
        QCOMPARE(accessList(file), list);
        QCOMPARE(QFile::permissions(file), permissions);
        QCOMPARE(pet.folder.petFileBytes(), expected);
        break;
    }
    }
    QCOMPARE(umaskChanges, 0);
    QCOMPARE(inheritableFilesWritten, 0);
    QCOMPARE(pet.services.boxes().size(), reports);
    QCOMPARE(petFiles(pet.folder), QStringList{"Pets.pets"});
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
