// Any bytes at all may stand in the pet file: the reader must give eight
// fields or a RuntimeError, and never crash, hang or grow without bound.
#include "core/runtime_error.h"
#include "pet/pet_record.h"

#include <QByteArrayView>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PetRecord record;
    try {
        record = parsePetRecord(QByteArrayView(data, qsizetype(size)));
    } catch (const RuntimeError& error) {
        // The report shows the description; an empty one would tell the user nothing.
        if (error.description().isEmpty())
            std::abort();
        return 0;
    }
    // Whatever was read decodes from Windows-1251, so the writer can store it
    // again, and the stored line reads back the same.
    QByteArray line;
    try {
        line = petRecordBytes(record);
    } catch (const RuntimeError&) {
        std::abort();
    }
    if (!line.endsWith("\r\n"))
        std::abort();
    try {
        if (!(parsePetRecord(line) == record))
            std::abort();
    } catch (const RuntimeError&) {
        std::abort();
    }
    return 0;
}
