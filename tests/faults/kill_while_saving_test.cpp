// A process that keeps saving is killed at random moments: whatever moment
// the kill hits, the pet file must hold one whole record, the last one known
// to be there or a newer one.
#include "changing_record.h"
#include "core/runtime_error.h"
#include "pet/pet_file.h"
#include "support/environment.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <algorithm>

namespace {

// Whatever lies beside the pet file but the file itself.
QStringList strayFiles(const QTemporaryDir& dir) {
    QStringList names = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    names.removeOne(QStringLiteral("Pets.pets"));
    return names;
}

} // namespace

class KillWhileSavingTest : public QObject {
    Q_OBJECT
private slots:
    void killedSaverLeavesAWholeRecord();
    void saveClearsOnlyTheTemporariesOfDeadSaves();
    void twoSaversOfOneFileLeaveEachOtherAlone();
};

void KillWhileSavingTest::killedSaverLeavesAWholeRecord() {
    const quint32 seed = seedFromEnvironment();
    qInfo("seed %u", seed);
    QRandomGenerator random(seed);
    const int kills = envInt("PET_KILLS", 300);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Pets.pets"));
    writePetFile(path, changingRecord(0));

    int last = 0;
    int newer = 0;
    int unchanged = 0;
    int leftovers = 0;
    for (int round = 0; round < kills; ++round) {
        QProcess saver;
        saver.setProgram(QStringLiteral(PET_SAVE_LOOP));
        saver.setArguments({path, QString::number(last + 1)});
        saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        saver.start();
        QVERIFY2(saver.waitForStarted(), qPrintable(saver.errorString()));
        // Counted from the end of its start-up, which a sanitizer build or a
        // busy machine makes slow: from before its first save to well into its
        // saving.
        QVERIFY(saver.waitForReadyRead(10000));
        QThread::usleep(random.bounded(15000));
        saver.kill();
        QVERIFY(saver.waitForFinished());
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);

        PetRecord read;
        try {
            read = readPetFile(path);
        } catch (const RuntimeError& e) {
            QFAIL(qPrintable(QStringLiteral("round %1: %2").arg(round).arg(e.description())));
        }
        const int n = changingRecordNumber(read);
        QVERIFY2(
            n >= last,
            qPrintable(QStringLiteral("round %1: record %2 after %3").arg(round).arg(n).arg(last)));
        QCOMPARE(read, changingRecord(n));
        QCOMPARE(QFileInfo(path).size(), petRecordBytes(read).size());
        (n == last ? unchanged : newer)++;
        last = n;

        // A kill between creating the temporary file and renaming it leaves
        // that file behind; the saves after it clear it away.
        leftovers = std::max(leftovers, int(strayFiles(dir).size()));
    }
    writePetFile(path, changingRecord(last + 1));
    QCOMPARE(strayFiles(dir), QStringList());
    qInfo("%d kills: %d after a newer save, %d with the old record, at most %d temporary files "
          "left at once, "
          "last record %d",
          kills, newer, unchanged, leftovers, last);
    // Kills that all came before the first save would test nothing. (How many
    // saves fit between two kills depends on the disk and the machine's load,
    // so only this is required.)
    QVERIFY(newer > kills / 10);
}

void KillWhileSavingTest::saveClearsOnlyTheTemporariesOfDeadSaves() {
    QTemporaryDir dir;
    const QStringList dead = {"Pets.pets.saving-a1B2c3", "Pets.pets.saving-zzzzzz"};
    // The user's own files, however alike their names.
    const QStringList kept = {"Pets.pets.bak",          "Pets.pets.lock",
                              "Pets.pets.backup",       "Pets.pets.saving-notes.txt",
                              "Pets.pets.saving-12345", "Other.pets.saving-abcdef"};
    for (const QString& name : dead + kept) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    writePetFile(dir.filePath(QStringLiteral("Pets.pets")), changingRecord(1));
    QStringList expected = kept;
    expected.sort();
    QStringList left = strayFiles(dir);
    left.sort();
    QCOMPARE(left, expected);
}

// However the one-window lock was got round, a save clears only what dead
// saves left: never the file another living saver is still writing.
void KillWhileSavingTest::twoSaversOfOneFileLeaveEachOtherAlone() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Pets.pets"));
    QProcess savers[2];
    for (int i = 0; i < 2; ++i) {
        savers[i].setProgram(QStringLiteral(PET_SAVE_LOOP));
        savers[i].setArguments({path, QString::number(1000 * i), QStringLiteral("300")});
        savers[i].setProcessChannelMode(QProcess::ForwardedErrorChannel);
        savers[i].start();
    }
    for (QProcess& saver : savers) {
        QVERIFY(saver.waitForFinished(60000));
        QCOMPARE(saver.exitStatus(), QProcess::NormalExit);
        QCOMPARE(saver.exitCode(), 0);
    }
    QCOMPARE(strayFiles(dir), QStringList());
}

QTEST_GUILESS_MAIN(KillWhileSavingTest)
#include "kill_while_saving_test.moc"
