#include "support/as_user.h"
#include "support/pet_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QDate kToday(2026, 12, 7);

QString savedDaysAgo(int days) {
    return kToday.addDays(-days).toString(QStringLiteral("dd.MM.yyyy"));
}

const QString kOldAgeText = QStringLiteral(
    "Мне очень жаль, но Ваш питомец умер из-за старости :-((((((. Хотите завести нового?");
const QString kNeglectText =
    QStringLiteral("Мне очень жаль, но Ваш питомец погиб :-((((((. Хотите завести нового?");

// Files start-up meets where it expects a pet file or a picture.
enum class OddFile {
    PetFileFifo,
    PetFileFolder,
    PetFileLinkToItself,
    PetFileUnreadable,
    PictureNoPicture,
    PictureUnreadable
};

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void showsThePetAgedByTheDaysAway_data();
    void showsThePetAgedByTheDaysAway();
    void announcesDeath_data();
    void announcesDeath();
    void yesAfterOldAgeStartsAFreshPet();
    void yesAfterNeglectStartsAFreshPet();
    void reportsWhatItCannotRead_data();
    void reportsWhatItCannotRead();
    void reportsAnOddFileAtOnceInRussian_data();
    void reportsAnOddFileAtOnceInRussian();
    void takesEverythingFromTheProgramFolder();
};

void StartupTest::showsThePetAgedByTheDaysAway_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QStringList>("needs");
    QTest::newRow("fresh pet shown as stored, even at 25 days")
        << petLine("Мурка", "25", "00.00.0000") << "25" << kFreshNeeds;
    QTest::newRow("fresh pet with needs out of range, unchecked")
        << petLine("Мурка", "3", "00.00.0000", {"12", "12", "-1", "12", "-1"}) << "3"
        << QStringList{"12", "12", "-1", "12", "-1"};
    QTest::newRow("saved today: needs as stored")
        << petLine("Мурка", "4", savedDaysAgo(0), {"6", "3", "8", "2", "9"}) << "4"
        << QStringList{"6", "3", "8", "2", "9"};
    QTest::newRow("clock set back three days: age drops, needs stay")
        << petLine("Мурка", "10", savedDaysAgo(-3), {"6", "3", "8", "2", "9"}) << "7"
        << QStringList{"6", "3", "8", "2", "9"};
    QTest::newRow("one day away: 5 5 5 0 10 becomes 7 8 3 3 8")
        << petLine("Мурка", "2", savedDaysAgo(1)) << "3" << QStringList{"7", "8", "3", "3", "8"};
    QTest::newRow("18 saved one day ago lives at 19")
        << petLine("Мурка", "18", savedDaysAgo(1), {"1", "1", "9", "0", "10"}) << "19"
        << QStringList{"3", "4", "7", "3", "8"};
    QTest::newRow("hunger 10 and health 0 but thirst 9: lives")
        << petLine("Мурка", "5", savedDaysAgo(0), {"10", "9", "0", "10", "0"}) << "5"
        << QStringList{"10", "9", "0", "10", "0"};
}

void StartupTest::showsThePetAgedByTheDaysAway() {
    QFETCH(QString, file);
    QFETCH(QString, age);
    QFETCH(QStringList, needs);
    PetWindow pet(file, kToday);
    frmForm& form = pet.open();
    QCOMPARE(pet.services.boxes().size(), 0);
    QCOMPARE(form.windowTitle(), QStringLiteral("Мурка"));
    QCOMPARE(form.lblaD->text(), age);
    QCOMPARE(shownNeeds(form), needs);
    QVERIFY(form.tmrM->isTicking());
    QCOMPARE(form.tmrM->interval(), 500);
    QVERIFY(!form.tmrMove->isTicking());
}

void StartupTest::announcesDeath_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("18 saved two days ago: old age at 20")
        << petLine("Мурка", "18", savedDaysAgo(2)) << kOldAgeText;
    QTest::newRow("hunger 8, thirst 7, health 2, one day: 10, 10, 0")
        << petLine("Мурка", "3", savedDaysAgo(1), {"8", "7", "5", "0", "2"}) << kNeglectText;
    QTest::newRow("parched, miserable and exhausted on the day of the save")
        << petLine("Мурка", "3", savedDaysAgo(0), {"0", "10", "0", "10", "10"}) << kNeglectText;
    QTest::newRow("old and neglected: only old age is told")
        << petLine("Мурка", "30", savedDaysAgo(5), {"10", "10", "0", "10", "0"}) << kOldAgeText;
}

// No: the program ends at once, nothing is saved, the next start tells the same.
void StartupTest::announcesDeath() {
    QFETCH(QString, file);
    QFETCH(QString, text);
    PetWindow pet(file, kToday);
    pet.services.answerYesNo({kAnswerNo});
    const QByteArray before = pet.folder.petFileBytes();
    frmForm& form = pet.open();
    QCOMPARE(pet.services.boxes().size(), 1);
    QCOMPARE(pet.services.boxes()[0].text, text);
    QCOMPARE(pet.services.boxes()[0].title, QStringLiteral(":-((((("));
    QCOMPARE(pet.services.boxes()[0].style, kStyleExclamationYesNo);
    QVERIFY(pet.services.ended());
    form.close();
    QCOMPARE(pet.folder.petFileBytes(), before);
}

void StartupTest::yesAfterOldAgeStartsAFreshPet() {
    PetWindow pet(petLine("Мурка", "19", savedDaysAgo(1), {"2", "3", "4", "5", "6"}), kToday);
    pet.services.answerYesNo({kAnswerYes});
    frmForm& form = pet.open();
    QVERIFY(!pet.services.ended());
    QCOMPARE(form.windowTitle(), QStringLiteral("Мурка"));
    QCOMPARE(form.lblaD->text(), QStringLiteral("0"));
    QCOMPARE(shownNeeds(form), kFreshNeeds);
    QCOMPARE(pet.folder.petFileBytes(), cp1251(petLine("Мурка", "0", "00.00.0000")));
}

void StartupTest::yesAfterNeglectStartsAFreshPet() {
    PetWindow pet(petLine("Мурка", "3", savedDaysAgo(1), {"8", "7", "5", "0", "2"}), kToday);
    pet.services.answerYesNo({kAnswerYes});
    frmForm& form = pet.open();
    QCOMPARE(pet.services.boxes().size(), 1);
    QCOMPARE(form.windowTitle(), QStringLiteral("Мурка"));
    QCOMPARE(form.lblaD->text(), QStringLiteral("0"));
    QCOMPARE(shownNeeds(form), kFreshNeeds);
    QCOMPARE(pet.folder.petFileBytes(), cp1251(petLine("Мурка", "0", "00.00.0000")));
    // Closing saves the new pet with today's date in place of the marker.
    form.close();
    QCOMPARE(pet.folder.petFileBytes(), cp1251(petLine("Мурка", "0", "07.12.2026")));
}

void StartupTest::reportsWhatItCannotRead_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("missingPicture");
    QTest::addColumn<QString>("reportHas");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("hunger");
    // What the window shows after the report: its title, the age and the hunger.
    const auto row = [](const char* name, const QString& file, const char* missingPicture,
                        const char* reportHas, const QStringList& shown) {
        QTest::newRow(name) << file << QString::fromUtf8(missingPicture)
                            << QString::fromUtf8(reportHas) << shown[0] << shown[1] << shown[2];
    };
    const QString healthy = petLine("Мурка", "4", savedDaysAgo(1));
    const QStringList unread = {"Pet", "0", "0"};
    const QStringList nameOnly = {"Мурка", "0", "0"};
    row("missing pet file", QString(), "", "Pets.pets", unread);
    row("seven items", QStringLiteral("\"Мурка\",\"4\",\"06.12.2026\",\"5\",\"5\",\"5\",\"0\"\r\n"),
        "", "кончился раньше времени", unread);
    row("missing background: the file is not read", healthy, "Bg.gif", "Bg.gif", unread);
    row("missing panel picture", healthy, "BgUP.gif", "BgUP.gif", unread);
    row("missing idle picture", healthy, "p0.gif", "p0.gif", unread);
    row("saved on no date: the name is already shown", petLine("Мурка", "4", "вчера"), "",
        "не является датой", nameOnly);
    row("age no number", petLine("Мурка", "много", savedDaysAgo(1)), "", "не является числом",
        nameOnly);
    row("a need no number: the age and the stored texts are shown",
        petLine("Мурка", "4", savedDaysAgo(1), {"сыт", "5", "5", "0", "10"}), "",
        "не является числом", {"Мурка", "5", "сыт"});
}

void StartupTest::reportsWhatItCannotRead() {
    QFETCH(QString, file);
    QFETCH(QString, missingPicture);
    QFETCH(QString, reportHas);
    QFETCH(QString, title);
    QFETCH(QString, age);
    QFETCH(QString, hunger);
    PetWindow pet(file, kToday);
    if (!missingPicture.isEmpty())
        pet.folder.removePicture(missingPicture);
    frmForm& form = pet.open();
    QCOMPARE(pet.services.boxes().size(), 1);
    const auto& report = pet.services.boxes()[0];
    QVERIFY2(report.text.startsWith(QStringLiteral("Ошибка в программе! ")),
             qPrintable(report.text));
    QVERIFY2(report.text.contains(reportHas), qPrintable(report.text));
    QCOMPARE(report.style, kStyleExclamationOk);
    QCOMPARE(report.title, QStringLiteral("Ошибка"));
    QVERIFY(!pet.services.ended());
    QVERIFY(form.isVisible());
    QCOMPARE(form.windowTitle(), title);
    QCOMPARE(form.lblaD->text(), age);
    QCOMPARE(form.lblSH->text(), hunger);
    QVERIFY(form.tmrM->isTicking());
}

void StartupTest::reportsAnOddFileAtOnceInRussian_data() {
    QTest::addColumn<OddFile>("odd");
    QTest::addColumn<QString>("words");
    QTest::newRow("pet file a FIFO: no waiting for a writer")
        << OddFile::PetFileFifo << "Не удалось открыть файл питомца «%1»: это не обычный файл.";
    QTest::newRow("pet file a folder")
        << OddFile::PetFileFolder << "Не удалось открыть файл питомца «%1»: это папка, а не файл.";
    QTest::newRow("pet file a link to itself")
        << OddFile::PetFileLinkToItself
        << "Не удалось открыть файл питомца «%1»: слишком много ссылок.";
    QTest::newRow("pet file unreadable")
        << OddFile::PetFileUnreadable << "Не удалось открыть файл питомца «%1»: нет прав доступа.";
    QTest::newRow("background no picture")
        << OddFile::PictureNoPicture
        << "Не удалось прочитать рисунок «%1»: файл повреждён или это не рисунок.";
    QTest::newRow("background unreadable")
        << OddFile::PictureUnreadable << "Не удалось прочитать рисунок «%1»: нет прав доступа.";
}

void StartupTest::reportsAnOddFileAtOnceInRussian() {
    QFETCH(OddFile, odd);
    QFETCH(QString, words);
    PetWindow pet(petLine("Мурка", "4", savedDaysAgo(1)), kToday);
    const QString petFile = pet.folder.petFilePath();
    const QByteArray petFileBytes = QFile::encodeName(petFile);
    const QString background = QDir(pet.folder.pictureFolder()).filePath("Bg.gif");
    bool unreadable = false;
    switch (odd) {
    case OddFile::PetFileFifo:
        QVERIFY(QFile::remove(petFile));
        QVERIFY(::mkfifo(petFileBytes.constData(), 0644) == 0);
        break;
    case OddFile::PetFileFolder:
        QVERIFY(QFile::remove(petFile));
        QVERIFY(QDir().mkdir(petFile));
        break;
    case OddFile::PetFileLinkToItself:
        QVERIFY(QFile::remove(petFile));
        QVERIFY(::symlink("Pets.pets", petFileBytes.constData()) == 0);
        break;
    case OddFile::PetFileUnreadable:
        QVERIFY(::chmod(petFileBytes.constData(), 0) == 0);
        unreadable = true;
        break;
    case OddFile::PictureNoPicture: {
        QFile picture(background);
        QVERIFY(picture.open(QIODevice::WriteOnly | QIODevice::Truncate));
        picture.write("GIF89a, or so it says");
        break;
    }
    case OddFile::PictureUnreadable:
        QVERIFY(::chmod(QFile::encodeName(background).constData(), 0) == 0);
        unreadable = true;
        break;
    }
    {
        // Root reads through permission bits: an ordinary user starts the pet.
        std::optional<AsUser> user;
        if (unreadable && ::geteuid() == 0) {
            QVERIFY(::chmod(QFile::encodeName(pet.folder.path()).constData(), 0755) == 0);
            user.emplace(kNobody);
            if (!user->active())
                QSKIP("running as root without the right to change the effective user");
        }
        pet.open();
    }
    QCOMPARE(pet.services.boxes().size(), 1);
    const QString report = pet.services.boxes()[0].text;
    const bool picture = odd == OddFile::PictureNoPicture || odd == OddFile::PictureUnreadable;
    // What follows tells where the pet file as it was is kept, or why it is not.
    QVERIFY2(report.startsWith(QStringLiteral("Ошибка в программе! ") +
                               words.arg(picture ? background : petFile)),
             qPrintable(report));
    QVERIFY(pet.form->isVisible());
    // A pet file that could not be read is not copied.
    if (!picture)
        QVERIFY(!QFileInfo::exists(pet.folder.backupPath()));
}

// Started from anywhere, with the folder given with or without its separator.
void StartupTest::takesEverythingFromTheProgramFolder() {
    for (const bool trailing : {false, true}) {
        ProgramFolder folder;
        folder.writePetFile(petLine("Мурка", "4", "00.00.0000"));
        ScriptedServices services(folder.path() + (trailing ? "/" : ""), kToday);
        frmForm form(services);
        form.load();
        QCOMPARE(services.boxes().size(), 0);
        QCOMPARE(form.AppFolder, folder.path() + "/");
        QCOMPARE(form.windowTitle(), QStringLiteral("Мурка"));
    }
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
