// Replays every file of the fuzzing corpus through the reader, as the fuzzer
// does, so that a crash the fuzzer once found stays fixed in the normal build.
// A file named "ok-..." must read as eight fields, one named "bad-..." must
// be refused with a run-time error; anything the fuzzer added is only required
// not to crash.
#include "core/runtime_error.h"
#include "pet/pet_record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

class CorpusReplayTest : public QObject {
    Q_OBJECT
private slots:
    void everyFileReadsOrIsRefused_data();
    void everyFileReadsOrIsRefused();
};

void CorpusReplayTest::everyFileReadsOrIsRefused_data() {
    QTest::addColumn<QString>("path");
    const QDir corpus(QStringLiteral(PET_CORPUS_DIR));
    const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
    // The seeds of both kinds must be there, or the replay proves nothing.
    QVERIFY(names.filter(QRegularExpression("^ok-")).size() >= 5);
    QVERIFY(names.filter(QRegularExpression("^bad-")).size() >= 5);
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << corpus.filePath(name);
}

void CorpusReplayTest::everyFileReadsOrIsRefused() {
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QString name = QFileInfo(path).fileName();

    bool read = false;
    QString error;
    PetRecord record;
    try {
        record = parsePetRecord(bytes);
        read = true;
    } catch (const RuntimeError& e) {
        error = e.description();
    }
    if (name.startsWith("ok-")) {
        QVERIFY2(read, qPrintable(error));
        // What was read can be written and reads back the same.
        QCOMPARE(parsePetRecord(petRecordBytes(record)), record);
        QVERIFY(!record.PetName.isEmpty());
    } else if (name.startsWith("bad-")) {
        QVERIFY2(!read, "a broken pet file was read as a pet");
        QVERIFY(!error.isEmpty());
    }
}

QTEST_APPLESS_MAIN(CorpusReplayTest)
#include "corpus_replay_test.moc"
