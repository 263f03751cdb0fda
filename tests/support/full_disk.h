#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Fills the file system that holds the folder to the last byte, with a file
// "filler" there.
inline void fillUp(const QString& folder) {
    QFile filler(folder + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly))
        return;
    const QByteArray chunk(4096, 'x');
    while (filler.write(chunk) == chunk.size() && filler.flush()) {
    }
    while (filler.write("x", 1) == 1 && filler.flush()) {
    }
}
