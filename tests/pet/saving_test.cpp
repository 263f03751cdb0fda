#include "core/runtime_error.h"
#include "pet/pet_file.h"
#include "support/file_size_limit.h"
#include "support/pet_window.h"

#include <QDir>
#include <QFile>

class SavingTest : public QObject {
    Q_OBJECT
private slots:
    void closingWritesWhatTheWindowShows();
    void freshPetGetsTodaysDate();
    void runPastMidnightAddsNoAge();
    void longerOldFileLeavesNoTail();
    void missingPetFileIsCreatedAsPet();
    void damagedFileIsKeptBeforeItIsReplaced();
    void failedStartsKeepEveryEarlierBackup();
    void onlyAPetSizedFileIsBackedUp_data();
    void onlyAPetSizedFileIsBackedUp();
    void failedWriteLeavesTheOldFileWhole();
    void writeProtectedFileIsNotReplaced();
    void missingFolderIsReportedAndNotCreated();
};

void SavingTest::closingWritesWhatTheWindowShows() {
    PetWindow pet(petLine("Уголёк", "4", "06.12.2026"));
    frmForm& form = pet.open();
    form.lblSH->setText("-2");
    form.lblSD->setText("14");
    pet.close();
    QCOMPARE(pet.folder.petFileBytes(),
             cp1251(petLine("Уголёк", "5", "07.12.2026", {"-2", "14", "3", "3", "8"})));
}

void SavingTest::freshPetGetsTodaysDate() {
    PetWindow pet(petLine("Pet", "0", "00.00.0000"));
    pet.open();
    pet.close();
    QCOMPARE(pet.folder.petFileBytes(),
             QByteArray("\"Pet\",\"0\",\"07.12.2026\",\"5\",\"5\",\"5\",\"0\",\"10\"\r\n"));
}

void SavingTest::runPastMidnightAddsNoAge() {
    PetWindow pet(petLine("Pet", "4", "07.12.2026"), QDate(2026, 12, 7));
    pet.open();
    pet.services.setToday(QDate(2026, 12, 8));
    pet.close();
    QCOMPARE(pet.folder.petFileBytes(), cp1251(petLine("Pet", "4", "08.12.2026")));
}

void SavingTest::longerOldFileLeavesNoTail() {
    PetWindow pet(petLine("Pet", "0", "00.00.0000") + QString(500, QLatin1Char('x')) +
                  "\r\nmore lines\r\n");
    pet.open();
    pet.close();
    QCOMPARE(pet.folder.petFileBytes(), cp1251(petLine("Pet", "0", "07.12.2026")));
}

void SavingTest::missingPetFileIsCreatedAsPet() {
    PetWindow pet{QString()};
    pet.open();
    QCOMPARE(pet.services.boxes().size(), 1);
    pet.close();
    QCOMPARE(pet.folder.petFileBytes(),
             cp1251(petLine("Pet", "0", "07.12.2026", {"0", "0", "0", "0", "0"})));
    QVERIFY(!QFile::exists(pet.folder.backupPath()));
}

// A healthy pet must survive a start that failed for another reason.
void SavingTest::damagedFileIsKeptBeforeItIsReplaced() {
    const QString healthy = petLine("Уголёк", "4", "06.12.2026");
    PetWindow pet(healthy);
    pet.folder.removePicture("Bg.gif");
    pet.open();
    QCOMPARE(pet.services.boxes().size(), 1);
    pet.close();
    QCOMPARE(fileBytes(pet.folder.backupPath()), cp1251(healthy));
    QCOMPARE(pet.folder.petFileBytes(),
             cp1251(petLine("Pet", "0", "07.12.2026", {"0", "0", "0", "0", "0"})));
}

// An old backup, say from a restore, and the healthy pet both outlive two
// failed starts, each in a copy of its own; the newest copy is the ".bak".
void SavingTest::failedStartsKeepEveryEarlierBackup() {
    const QString healthy = petLine("Уголёк", "4", "06.12.2026");
    const QString restoredOnce = petLine("Уголёк", "1", "03.02.2024");
    PetWindow pet(healthy);
    QFile old(pet.folder.backupPath());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(cp1251(restoredOnce));
    old.close();
    pet.folder.removePicture("Bg.gif");
    for (int run = 0; run < 2; ++run) {
        ScriptedServices services(pet.folder.path());
        frmForm form(services);
        form.load();
        form.close();
        QCOMPARE(services.boxes().size(), 1);
    }
    const QByteArray blank = cp1251(petLine("Pet", "0", "07.12.2026", {"0", "0", "0", "0", "0"}));
    QCOMPARE(fileBytes(pet.folder.backupPath() + ".1"), cp1251(restoredOnce));
    QCOMPARE(fileBytes(pet.folder.backupPath() + ".2"), cp1251(healthy));
    QCOMPARE(fileBytes(pet.folder.backupPath()), blank);
    QCOMPARE(pet.folder.petFileBytes(), blank);
}

void SavingTest::onlyAPetSizedFileIsBackedUp_data() {
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<bool>("backedUp");
    QTest::newRow("damaged, 1 MiB: kept") << qsizetype(1024 * 1024) << true;
    QTest::newRow("damaged, 1 MiB and a byte: not copied, so left as it is")
        << qsizetype(1024 * 1024 + 1) << false;
}

void SavingTest::onlyAPetSizedFileIsBackedUp() {
    QFETCH(qsizetype, size);
    QFETCH(bool, backedUp);
    PetWindow pet{QString()};
    const QByteArray damaged(size, 'x');
    pet.folder.writePetFileBytes(damaged);
    pet.open();
    QCOMPARE(pet.services.boxes().size(), 1);
    QCOMPARE(QFile::exists(pet.folder.backupPath()), backedUp);
    if (backedUp)
        QCOMPARE(fileBytes(pet.folder.backupPath()), damaged);
    // Closing replaces the file only where a copy keeps it, and tells why not.
    pet.close();
    QCOMPARE(pet.folder.petFileBytes() == damaged, !backedUp);
    QCOMPARE(pet.services.boxes().size(), backedUp ? 1 : 2);
    if (!backedUp)
        QVERIFY2(pet.services.boxes()[1].text.contains("оставлен как есть"),
                 qPrintable(pet.services.boxes()[1].text));
}

void SavingTest::failedWriteLeavesTheOldFileWhole() {
    const QString old = petLine("Уголёк", "4", "06.12.2026");
    PetWindow pet(old);
    frmForm& form = pet.open();
    form.setWindowTitle(QString(200, QChar(0x0416)));
    {
        FileSizeLimit limit(64);
        pet.close();
    }
    QCOMPARE(pet.services.boxes().size(), 1);
    QVERIFY(pet.services.boxes()[0].text.startsWith(
        "Ошибка в программе! Не удалось записать файл питомца"));
    QCOMPARE(pet.folder.petFileBytes(), cp1251(old));
    QCOMPARE(QDir(pet.folder.pictureFolder()).entryList({"Pets.pets*"}, QDir::Files | QDir::Hidden),
             QStringList{"Pets.pets"});
}

void SavingTest::writeProtectedFileIsNotReplaced() {
    const QString old = petLine("Уголёк", "4", "06.12.2026");
    PetWindow pet(old);
    pet.open();
    QFile::setPermissions(pet.folder.petFilePath(), QFile::ReadOwner | QFile::ReadGroup);
    pet.close();
    QCOMPARE(pet.services.boxes().size(), 1);
    QVERIFY(pet.services.boxes()[0].text.contains("защищён от записи"));
    QCOMPARE(pet.folder.petFileBytes(), cp1251(old));
}

void SavingTest::missingFolderIsReportedAndNotCreated() {
    PetWindow pet(petLine("Pet", "0", "00.00.0000"));
    pet.open();
    QDir(pet.folder.pictureFolder()).removeRecursively();
    pet.close();
    QCOMPARE(pet.services.boxes().size(), 1);
    QVERIFY(pet.services.boxes()[0].text.contains("нет папки"));
    QVERIFY(!QDir(pet.folder.pictureFolder()).exists());
}

QTEST_MAIN(SavingTest)
#include "saving_test.moc"
