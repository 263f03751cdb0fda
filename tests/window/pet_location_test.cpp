#include "window/pet_location.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class PetLocationTest : public QObject {
    Q_OBJECT
private slots:
    void petFilesAndPicturesMoveToTheirHomes_data();
    void petFilesAndPicturesMoveToTheirHomes();
    void firstStartGetsTheFreshPetAndLaterStartsKeepTheirs();
};

void PetLocationTest::petFilesAndPicturesMoveToTheirHomes_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("location");
    const QString user = QStringLiteral("/home/u/.local/share/app/G");
    QTest::newRow("pet file") << "/usr/lib/games/pet/G/Pets.pets" << user + "/Pets.pets";
    QTest::newRow("its backup") << "/usr/lib/games/pet/G/Pets.pets.bak" << user + "/Pets.pets.bak";
    QTest::newRow("a picture") << "/usr/lib/games/pet/G/p0.gif"
                               << "/usr/share/games/pet/G/p0.gif";
    QTest::newRow("a pet file elsewhere") << "/usr/lib/games/pet/Pets.pets"
                                          << "/usr/lib/games/pet/Pets.pets";
}

void PetLocationTest::petFilesAndPicturesMoveToTheirHomes() {
    QFETCH(QString, path);
    QFETCH(QString, location);
    const FileHomes homes{QStringLiteral("/usr/lib/games/pet/G/"),
                          QStringLiteral("/usr/share/games/pet/G"),
                          QStringLiteral("/home/u/.local/share/app/G")};
    QCOMPARE(fileLocation(path, homes), location);
}

void PetLocationTest::firstStartGetsTheFreshPetAndLaterStartsKeepTheirs() {
    QTemporaryDir dir;
    const QString installed = dir.filePath(QStringLiteral("Pets.pets"));
    QFile fresh(installed);
    QVERIFY(fresh.open(QIODevice::WriteOnly));
    fresh.write("fresh");
    fresh.close();
    // The package's file is read-only; the user's copy must still be writable.
    QVERIFY(fresh.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadOther));

    const QString folder = dir.filePath(QStringLiteral("home/share/app/G"));
    seedPetFolder(folder, installed);
    QFile pet(folder + QStringLiteral("/Pets.pets"));
    QVERIFY(pet.open(QIODevice::ReadWrite));
    QCOMPARE(pet.readAll(), QByteArray("fresh"));
    pet.resize(0);
    pet.write("cared for");
    pet.close();

    seedPetFolder(folder, installed);
    QVERIFY(pet.open(QIODevice::ReadOnly));
    QCOMPARE(pet.readAll(), QByteArray("cared for"));
}

QTEST_GUILESS_MAIN(PetLocationTest)
#include "pet_location_test.moc"
