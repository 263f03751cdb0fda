// Random pets, as many as a seed makes: what the program writes is exactly the
// line the file format prescribes, and reads back field for field, through the
// file functions and through closing and reopening the window.
#include "pet/life_check.h"
#include "pet/pet_file.h"
#include "pet/pet_record.h"
#include "pet/saved_on.h"
#include "support/environment.h"
#include "support/pet_window.h"
#include "support/record_fields.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

QString randomName(QRandomGenerator& random) {
    static const QString letters = [] {
        QString s = QStringLiteral("ЁёABCXYZabcxyz0123456789 ,,");
        for (char16_t c = u'А'; c <= u'я'; ++c)
            s += QChar(c);
        return s;
    }();
    QString name;
    const int length = 1 + int(random.bounded(30));
    for (int i = 0; i < length; ++i)
        name += letters[random.bounded(letters.size())];
    return name;
}

// Negative, single- and two-digit values, as care outcomes leave them.
QString randomNeed(QRandomGenerator& random) {
    return QString::number(int(random.bounded(-25, 100)));
}

// The line as the format describes it: quoted fields, commas, CR LF, Windows-1251.
QByteArray expectedLine(const QStringList& fields) {
    return cp1251(recordLine(fields));
}

// Needs in the window's order: hunger, thirst, mood, sleepiness, health.
bool diesOfNeglect(const QStringList& needs) {
    return diedOfNeglect(needs[0].toInt(), needs[1].toInt(), needs[4].toInt(), needs[2].toInt(),
                         needs[3].toInt());
}

} // namespace

class RoundTripTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qInfo("seed %u", seedFromEnvironment()); }
    void fileFunctionsKeepEveryByte();
    void windowReopensWhatItClosedWith();
};

void RoundTripTest::fileFunctionsKeepEveryByte() {
    QRandomGenerator random(seedFromEnvironment());
    QTemporaryDir dir;
    const QString path = dir.filePath("Pets.pets");
    for (int i = 0; i < 500; ++i) {
        const PetRecord record{randomName(random),
                               QString::number(random.bounded(0, 40)),
                               savedOnText(QDate(2020, 1, 1).addDays(random.bounded(3000))),
                               randomNeed(random),
                               randomNeed(random),
                               randomNeed(random),
                               randomNeed(random),
                               randomNeed(random)};
        writePetFile(path, record);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expectedLine(recordFields(record)));
        QCOMPARE(readPetFile(path), record);
    }
}

void RoundTripTest::windowReopensWhatItClosedWith() {
    QRandomGenerator random(seedFromEnvironment() + 1);
    PetWindow pet(petLine("Pet", "0", "00.00.0000"));
    for (int i = 0; i < 40; ++i) {
        const QString name = randomName(random);
        const QString age = QString::number(random.bounded(0, 20));
        QStringList needs;
        do {
            needs.clear();
            for (int n = 0; n < 5; ++n)
                needs << randomNeed(random);
        } while (diesOfNeglect(needs));

        frmForm& form = pet.open();
        form.setWindowTitle(name);
        form.lblaD->setText(age);
        showNeeds(form, needs);
        pet.close();
        QCOMPARE(pet.folder.petFileBytes(),
                 expectedLine(QStringList{name, age, "07.12.2026"} + needs));

        // Reopened the same day: the pet is shown exactly as it was saved.
        frmForm& again = pet.open();
        QCOMPARE(again.windowTitle(), name);
        QCOMPARE(again.lblaD->text(), age);
        QCOMPARE(shownNeeds(again), needs);
    }
    QCOMPARE(pet.services.boxes().size(), 0);
}

QTEST_MAIN(RoundTripTest)
#include "round_trip_test.moc"
