#include "core/conversions.h"
#include "core/runtime_error.h"
#include "core/system_error_text.h"

#include <QTest>
#include <cerrno>

class ConversionsTest : public QObject {
    Q_OBJECT
private slots:
    void numericValue_data();
    void numericValue();
    void notANumber_data();
    void notANumber();
    void decimalText_data();
    void decimalText();
    void checkedAddition();
    void errorOutlivesItsText();
    void systemErrorsInRussian_data();
    void systemErrorsInRussian();
};

void ConversionsTest::numericValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "7" << 7.0;
    QTest::newRow("negative") << "-2" << -2.0;
    QTest::newRow("spaces around") << " 5 " << 5.0;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("decimal comma") << "2,5" << 2.5;
    QTest::newRow("decimal point") << "2.5" << 2.5;
    QTest::newRow("no whole part") << ",5" << 0.5;
    QTest::newRow("no fraction digits") << "5." << 5.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("signed exponent after a comma") << "2,5E-1" << 0.25;
    QTest::newRow("tab and carriage return") << "\t7\r" << 7.0;
}

void ConversionsTest::numericValue() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(::numericValue(text), value);
}

void ConversionsTest::notANumber_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("word") << "пять";
    QTest::newRow("number and word") << "5 кг";
    QTest::newRow("inf") << "inf";
    QTest::newRow("nan") << "nan";
    QTest::newRow("too big") << "1e999";
    QTest::newRow("point alone") << ".";
    QTest::newRow("sign alone") << "-";
    QTest::newRow("two signs") << "+-1";
    QTest::newRow("exponent without digits") << "1e";
    QTest::newRow("two numbers") << "5 5";
    QTest::newRow("two points") << "1.2.3";
    QTest::newRow("Arabic-Indic digit") << QString(QChar(0x0665));
    QTest::newRow("no-break space") << QString(QChar(0x00A0)) + "5";
}

void ConversionsTest::notANumber() {
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, ::numericValue(text));
}

void ConversionsTest::decimalText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("five") << 5.0 << "5";
    QTest::newRow("ten") << 10.0 << "10";
    QTest::newRow("negative") << -2.0 << "-2";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("fraction, Russian style") << 3.5 << "3,5";
}

void ConversionsTest::decimalText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(::decimalText(value), text);
    QCOMPARE(::numericValue(text), value);
}

void ConversionsTest::checkedAddition() {
    QCOMPARE(addChecked16(2, 1), qint16(3));
    QCOMPARE(addChecked16(32766, 1), qint16(32767));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, addChecked16(32767, 1));
}

void ConversionsTest::errorOutlivesItsText() {
    const RuntimeError error(QStringLiteral("Файл не найден"));
    const RuntimeError copy = error;
    QCOMPARE(QString::fromUtf8(copy.what()), QStringLiteral("Файл не найден"));
}

// The common failures each have words of their own; no system text, which
// is English, comes through, and any other error at least gives its number.
void ConversionsTest::systemErrorsInRussian_data() {
    QTest::addColumn<QList<int>>("errors");
    QTest::addColumn<QString>("words");
    QTest::newRow("no such file") << QList<int>{ENOENT} << "нет такого файла или папки";
    QTest::newRow("permission denied") << QList<int>{EACCES, EPERM} << "нет прав доступа";
    QTest::newRow("read-only file system")
        << QList<int>{EROFS} << "файловая система доступна только для чтения";
    QTest::newRow("no space") << QList<int>{ENOSPC} << "на диске не осталось места";
    QTest::newRow("quota") << QList<int>{EDQUOT} << "превышена дисковая квота";
    QTest::newRow("a folder") << QList<int>{EISDIR} << "это папка, а не файл";
    QTest::newRow("too many links") << QList<int>{ELOOP, EMLINK} << "слишком много ссылок";
    QTest::newRow("input/output error") << QList<int>{EIO} << "ошибка ввода-вывода";
    QTest::newRow("any other, with its number")
        << QList<int>{EXDEV} << QString("системная ошибка номер %1").arg(EXDEV);
}

void ConversionsTest::systemErrorsInRussian() {
    QFETCH(QList<int>, errors);
    QFETCH(QString, words);
    for (const int error : errors)
        QCOMPARE(systemErrorText(error), words);
}

QTEST_GUILESS_MAIN(ConversionsTest)
#include "conversions_test.moc"
