#include "pet/pet_lock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class PetLockTest : public QObject {
    Q_OBJECT
private slots:
    void secondWindowFindsThePetTaken();
    void lockOfACrashedRunIsTakenOver();
    void noPictureFolderNoLock();
};

void PetLockTest::secondWindowFindsThePetTaken() {
    QTemporaryDir folder;
    {
        const PetLock first(folder.path());
        QVERIFY(!first.heldElsewhere());
        const PetLock second(folder.path());
        QVERIFY(second.heldElsewhere());
    }
    // Closed, the pet can be opened again.
    const PetLock later(folder.path());
    QVERIFY(!later.heldElsewhere());
}

void PetLockTest::lockOfACrashedRunIsTakenOver() {
    QTemporaryDir folder;
    QFile stale(QDir(folder.path()).filePath("Pets.pets.lock"));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    // A process number no running process has.
    stale.write("2147483646\npet\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    const PetLock lock(folder.path());
    QVERIFY(!lock.heldElsewhere());
}

void PetLockTest::noPictureFolderNoLock() {
    const PetLock lock(QStringLiteral("/nonexistent/G"));
    QVERIFY(!lock.heldElsewhere());
    QVERIFY(!QFile::exists("/nonexistent/G/Pets.pets.lock"));
}

QTEST_GUILESS_MAIN(PetLockTest)
#include "pet_lock_test.moc"
