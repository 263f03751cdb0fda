// Saves the pet file over and over, each time with the next changing record,
// until it is killed or, given a count, that many times. Arguments: the pet
// file's path, the first number and the count. A failed save ends it with the
// error on standard error and exit code 1.
#include "changing_record.h"
#include "core/runtime_error.h"
#include "pet/pet_file.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: pet_save_loop PET_FILE FIRST_NUMBER [SAVES]\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int first = std::atoi(argv[2]);
    const int saves = argc == 4 ? std::atoi(argv[3]) : -1;
    // Started up: the killer's clock starts now, however slow the start was.
    std::puts("saving");
    std::fflush(stdout);
    for (int n = first; saves < 0 || n < first + saves; ++n) {
        try {
            writePetFile(path, changingRecord(n));
        } catch (const RuntimeError& error) {
            std::fprintf(stderr, "save %d: %s\n", n - first, qUtf8Printable(error.description()));
            return 1;
        }
    }
}
