#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The pet file is written in the Windows Cyrillic code page. The program
// carries its own table of it: the file reads the same whatever codecs the
// Qt it runs on was built with, and starting up loads no codec library.

// Every byte has a character, so any file decodes.
QString fromCodePage1251(QByteArrayView bytes);

// Nothing when the text holds a character the code page lacks.
std::optional<QByteArray> toCodePage1251(QStringView text);
