// Saves the pet file over and over, each time with the next changing record,
// until it is killed. Arguments: the pet file's path and the first number.
#include "changing_record.h"
#include "pet/pet_file.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pet_save_loop PET_FILE FIRST_NUMBER\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    // Started up: the killer's clock starts now, however slow the start was.
    std::puts("saving");
    std::fflush(stdout);
    for (int n = std::atoi(argv[2]);; ++n)
        writePetFile(path, changingRecord(n));
}
