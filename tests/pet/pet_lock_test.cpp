#include "pet/pet_lock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString lockPath(const QTemporaryDir& folder) {
    return QDir(folder.path()).filePath("Pets.pets.lock");
}

// A program that keeps the pet in another process until it is killed.
pid_t keepInChild(const QTemporaryDir& folder) {
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        const PetLock lock(folder.path());
        [[maybe_unused]] const ssize_t n = ::write(ready[1], lock.heldElsewhere() ? "n" : "y", 1);
        ::pause();
        ::_exit(0);
    }
    char answer = 0;
    ::close(ready[1]);
    if (::read(ready[0], &answer, 1) != 1 || answer != 'y')
        return -1;
    ::close(ready[0]);
    return child;
}

} // namespace

class PetLockTest : public QObject {
    Q_OBJECT
private slots:
    void secondWindowFindsThePetTaken_data();
    void secondWindowFindsThePetTaken();
    void leftoverLockFileKeepsNobodyOut_data();
    void leftoverLockFileKeepsNobodyOut();
    void lockEndsWithItsKeeper();
    void noPictureFolderNoLock();
};

// The second window is started from the same program folder, or from another
// whose pet file is a link to the same file, as the first one's is.
void PetLockTest::secondWindowFindsThePetTaken_data() {
    QTest::addColumn<bool>("linked");
    QTest::newRow("the same program folder") << false;
    QTest::newRow("two program folders linking to one pet file") << true;
}

void PetLockTest::secondWindowFindsThePetTaken() {
    QFETCH(bool, linked);
    QTemporaryDir folder;
    QTemporaryDir other;
    QTemporaryDir home;
    if (linked)
        for (const QTemporaryDir* program : {&folder, &other})
            QVERIFY(::symlink(QFile::encodeName(home.filePath("kept.pets")).constData(),
                              QFile::encodeName(program->filePath("Pets.pets")).constData()) == 0);
    const QString secondFolder = linked ? other.path() : folder.path();
    {
        const PetLock first(folder.path());
        QVERIFY(!first.heldElsewhere());
        const PetLock second(secondFolder);
        QVERIFY(second.heldElsewhere());
    }
    // Closed, the pet can be opened again.
    const PetLock later(secondFolder);
    QVERIFY(!later.heldElsewhere());
}

// Whatever a lock file holds, only a living keeper keeps the pet.
void PetLockTest::leftoverLockFileKeepsNobodyOut_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("a crashed run's")
        << QByteArray("2147483646\npet\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    QTest::newRow("another host's") << QByteArray("1\npet\nsome-other-host\n");
    QTest::newRow("naming a living process")
        << QByteArray::number(::getpid()) + "\npet\n" + QSysInfo::machineHostName().toUtf8() + "\n";
}

void PetLockTest::leftoverLockFileKeepsNobodyOut() {
    QFETCH(QByteArray, contents);
    QTemporaryDir folder;
    QFile leftover(lockPath(folder));
    QVERIFY(leftover.open(QIODevice::WriteOnly));
    leftover.write(contents);
    leftover.close();
    const PetLock lock(folder.path());
    QVERIFY(!lock.heldElsewhere());
}

// A keeper that hangs keeps the pet; killed, it lets go at once.
void PetLockTest::lockEndsWithItsKeeper() {
    QTemporaryDir folder;
    const pid_t keeper = keepInChild(folder);
    QVERIFY(keeper > 0);
    ::kill(keeper, SIGSTOP);
    QVERIFY(PetLock(folder.path()).heldElsewhere());
    ::kill(keeper, SIGKILL);
    ::waitpid(keeper, nullptr, 0);
    QVERIFY(!PetLock(folder.path()).heldElsewhere());
}

void PetLockTest::noPictureFolderNoLock() {
    const PetLock lock(QStringLiteral("/nonexistent/G"));
    QVERIFY(!lock.heldElsewhere());
    QVERIFY(!QFile::exists("/nonexistent/G/Pets.pets.lock"));
}

QTEST_GUILESS_MAIN(PetLockTest)
#include "pet_lock_test.moc"
