#include "core/runtime_error.h"
#include "pet/pet_record.h"
#include "support/pet_line.h"
#include "support/record_fields.h"

#include <QBuffer>
#include <QStringDecoder>
#include <QTest>

namespace {

// Counts what the reader takes from the device, to see that it stops early.
class CountingBuffer : public QBuffer {
public:
    using QBuffer::QBuffer;
    qint64 taken = 0;

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 n = QBuffer::readData(data, maxSize);
        taken += qMax<qint64>(n, 0);
        return n;
    }
};

} // namespace

class PetRecordTest : public QObject {
    Q_OBJECT
private slots:
    void readsItems_data();
    void readsItems();
    void failsBeforeTheEighthItem_data();
    void failsBeforeTheEighthItem();
    void freshPetOfPetIs45Bytes();
    void roundTrips_data();
    void roundTrips();
    void nameWithQuoteKeepsItsLetters();
    void unencodableNameIsAnError();
    void overlongItemIsAnError();
    void stopsReadingAfterTheEighthItem();
    void everyByteReadsAsTheConverterReadsItAndWritesBack();
};

void PetRecordTest::readsItems_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    const QStringList fresh = QStringList{"Pet", "0", "00.00.0000"} + kFreshNeeds;
    const auto named = [&](const QString& name) { return QStringList{name} + fresh.mid(1); };
    QTest::newRow("one line, CR LF")
        << QByteArray("\"Pet\",\"0\",\"00.00.0000\",\"5\",\"5\",\"5\",\"0\",\"10\"\r\n") << fresh;
    QTest::newRow("no line end")
        << QByteArray("\"Pet\",\"0\",\"00.00.0000\",\"5\",\"5\",\"5\",\"0\",\"10\"") << fresh;
    QTest::newRow("LF only") << QByteArray(
                                    "\"Pet\",\"0\",\"00.00.0000\",\"5\",\"5\",\"5\",\"0\",\"10\"\n")
                             << fresh;
    QTest::newRow("several lines")
        << QByteArray("\"Pet\",\"0\"\r\n\"00.00.0000\"\r\n\"5\",\"5\",\"5\"\r\n\"0\",\"10\"\r\n")
        << fresh;
    QTest::newRow("one item per line, blank lines")
        << QByteArray("\"Pet\"\r\n\r\n0\r\n00.00.0000\r\n5\r\n5\r\n5\r\n0\r\n10\r\n") << fresh;
    QTest::newRow("line breaks right after commas, as typed by hand")
        << (cp1251("\"Кузя\",\r\n\"2\",\r\n\"06.12.2026\", \r\n") +
            "\"5\",\"4\",\n\"7\",\"1\",\r\n\r\n\"9\"\r\n")
        << QStringList{"Кузя", "2", "06.12.2026", "5", "4", "7", "1", "9"};
    QTest::newRow("further lines ignored")
        << QByteArray("\"Pet\",\"0\",\"00.00.0000\",\"5\",\"5\",\"5\",\"0\",\"10\"\r\n\"Old\","
                      "\"9\"\r\nrubbish")
        << fresh;
    QTest::newRow("unquoted items") << QByteArray("Pet,0,00.00.0000,5,5,5,0,10\r\n") << fresh;
    QTest::newRow("spaces before items skipped")
        << QByteArray("  \"Pet\", \"0\",\t\"00.00.0000\",  5,5,5,0,10") << fresh;
    QTest::newRow("comma inside quotes")
        << QByteArray("\"Pet, the cat\",\"0\",\"00.00.0000\",\"5\",\"5\",\"5\",\"0\",\"10\"")
        << named("Pet, the cat");
    QTest::newRow("text after closing quote skipped")
        << QByteArray("\"Pet\"xyz,\"0\"  ,\"00.00.0000\",\"5\",\"5\",\"5\",\"0\",\"10\"") << fresh;
    QTest::newRow("quoted line end kept")
        << QByteArray("\"Two\r\nlines\",0,00.00.0000,5,5,5,0,10") << named("Two\r\nlines");
    QTest::newRow("empty item between commas")
        << QByteArray("\"\",,00.00.0000,5,5,5,0,10")
        << QStringList{"", "", "00.00.0000", "5", "5", "5", "0", "10"};
    QTest::newRow("negative and two-digit needs")
        << QByteArray("\"Pet\",\"4\",\"06.12.2026\",\"-2\",\"13\",\"-10\",\"11\",\"-1\"\r\n")
        << QStringList{"Pet", "4", "06.12.2026", "-2", "13", "-10", "11", "-1"};
    QTest::newRow("Windows-1251 name")
        << (cp1251("\"Уголёк\"") + "," + "0,00.00.0000,5,5,5,0,10") << named("Уголёк");
    QTest::newRow("unclosed quote at the end")
        << QByteArray("Pet,0,00.00.0000,5,5,5,0,\"10") << fresh;
}

void PetRecordTest::readsItems() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QCOMPARE(recordFields(parsePetRecord(bytes)), expected);
}

void PetRecordTest::failsBeforeTheEighthItem_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("seven items") << QByteArray(
        "\"Pet\",\"0\",\"00.00.0000\",\"5\",\"5\",\"5\",\"0\"\r\n");
    QTest::newRow("seven items and a trailing comma")
        << QByteArray("\"Pet\",\"0\",\"00.00.0000\",\"5\",\"5\",\"5\",\"0\",");
    QTest::newRow("seven items, a trailing comma and a line end")
        << QByteArray("\"Pet\",\"0\",\"00.00.0000\",\"5\",\"5\",\"5\",\"0\",\r\n");
    QTest::newRow("only line ends") << QByteArray("\r\n\r\n\n\n");
    QTest::newRow("one quote") << QByteArray("\"");
}

void PetRecordTest::failsBeforeTheEighthItem() {
    QFETCH(QByteArray, bytes);
    try {
        parsePetRecord(bytes);
        QFAIL("a short file was read as a whole record");
    } catch (const RuntimeError& error) {
        QVERIFY2(error.description().contains(QStringLiteral("кончился раньше времени")),
                 qPrintable(error.description()));
    }
}

void PetRecordTest::freshPetOfPetIs45Bytes() {
    const QByteArray bytes = petRecordBytes(freshPetRecord(QStringLiteral("Pet")));
    QCOMPARE(bytes, QByteArray("\"Pet\",\"0\",\"00.00.0000\",\"5\",\"5\",\"5\",\"0\",\"10\"\r\n"));
    QCOMPARE(bytes.size(), 45);
}

void PetRecordTest::roundTrips_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("Latin") << QStringLiteral("Pet");
    QTest::newRow("Cyrillic with ё") << QStringLiteral("Уголёк");
    QTest::newRow("comma and spaces") << QStringLiteral("Мурка, 2 года");
    QTest::newRow("empty") << QString();
    QTest::newRow("all of Windows-1251's letters")
        << QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя№");
}

void PetRecordTest::roundTrips() {
    QFETCH(QString, name);
    const PetRecord record{name, "17", "06.12.2026", "-3", "12", "0", "10", "-1"};
    QCOMPARE(parsePetRecord(petRecordBytes(record)), record);
}

// A double quote would end a stored field: one written into the file by hand
// reads, shows and is saved as the typographic quote, and reads back whole.
void PetRecordTest::nameWithQuoteKeepsItsLetters() {
    const PetRecord read = parsePetRecord(cp1251("Том \"Кот\",1,06.12.2026,1,2,3,4,5\r\n"));
    QCOMPARE(read.PetName, QStringLiteral("Том «Кот»"));
    QCOMPARE(parsePetRecord(petRecordBytes(read)), read);
    const PetRecord given{"\"Кот\" Бегемот", "1", "06.12.2026", "1", "2", "3", "4", "5"};
    QCOMPARE(parsePetRecord(petRecordBytes(given)).PetName, QStringLiteral("«Кот» Бегемот"));
}

void PetRecordTest::unencodableNameIsAnError() {
    for (const QString& name : {QStringLiteral("猫"), QStringLiteral("Müller"),
                                QStringLiteral("Кот 😺"), QStringLiteral("Ґав\u0099")})
        QVERIFY_THROWS_EXCEPTION(RuntimeError, petRecordBytes(freshPetRecord(name)));
}

void PetRecordTest::overlongItemIsAnError() {
    QByteArray bytes = "\"" + QByteArray(kLongestPetField + 1, 'a') + "\",0,00.00.0000,5,5,5,0,10";
    QVERIFY_THROWS_EXCEPTION(RuntimeError, parsePetRecord(bytes));
    // One just within the limit is read.
    bytes = "\"" + QByteArray(kLongestPetField, 'a') + "\",0,00.00.0000,5,5,5,0,10";
    QCOMPARE(parsePetRecord(bytes).PetName.size(), kLongestPetField);
}

void PetRecordTest::stopsReadingAfterTheEighthItem() {
    QByteArray bytes = "\"Pet\",\"0\",\"00.00.0000\",\"5\",\"5\",\"5\",\"0\",\"10\"\r\n";
    bytes += QByteArray(10 * 1024 * 1024, 'x');
    CountingBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QCOMPARE(readPetRecord(buffer).Health, QStringLiteral("10"));
    QVERIFY2(buffer.taken <= 64 * 1024, qPrintable(QString::number(buffer.taken)));
}

// The program's own code-page table against Qt's converter, byte by byte; 0x98,
// the byte without a letter, included.
void PetRecordTest::everyByteReadsAsTheConverterReadsItAndWritesBack() {
    for (int code = 1; code < 256; ++code) {
        if (code == '"' || code == ',' || code == '\r' || code == '\n')
            continue;
        const QByteArray byte(1, char(code));
        const QByteArray bytes = "\"" + byte + "\",0,00.00.0000,5,5,5,0,10";
        const PetRecord record = parsePetRecord(bytes);
        QCOMPARE(record.PetName, QStringDecoder("windows-1251").decode(byte));
        QCOMPARE(petRecordBytes(record).mid(1, 1), byte);
    }
}

QTEST_GUILESS_MAIN(PetRecordTest)
#include "pet_record_test.moc"
