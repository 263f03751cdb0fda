// Starts as the window does and closes it once: reads the pet file, keeps a
// copy of one it cannot read, then saves changing record 1 over it. "start"
// and "closed" on standard output mark where that begins and ends, "read"
// between them a pet file the start could read; the error
// reports follow on standard error, one a line, and make the exit code 1.
#include "changing_record.h"
#include "core/runtime_error.h"
#include "pet/pet_file.h"

#include <QStringList>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pet_start_and_close PET_FILE\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    QStringList reports;
    std::fputs("start\n", stdout);
    std::fflush(stdout);
    try {
        readPetFile(path);
        std::fputs("read\n", stdout);
        std::fflush(stdout);
    } catch (const RuntimeError& error) {
        // As the window's start: the report says where the file is kept.
        const QString kept = keepPetFileBackup(path);
        reports << (kept.isEmpty() ? error.description() : error.description() + ' ' + kept);
    }
    try {
        writePetFile(path, changingRecord(1));
    } catch (const RuntimeError& error) {
        reports << error.description();
    }
    std::fputs("closed\n", stdout);
    std::fflush(stdout);
    for (const QString& report : reports)
        std::fprintf(stderr, "%s\n", qUtf8Printable(report));
    return reports.isEmpty() ? 0 : 1;
}
