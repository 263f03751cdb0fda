#pragma once

#include <QString>
#include <QStringEncoder>
#include <QStringList>

// Text as the pet file stores it.
inline QByteArray cp1251(const QString& text) {
    return QStringEncoder("windows-1251").encode(text);
}

// A one-line record as the program writes it: the eight fields quoted, joined
// by commas, then CR LF.
inline QString recordLine(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields)
        quoted << QLatin1Char('"') + field + QLatin1Char('"');
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

// A new pet's needs: hunger, thirst, mood, sleepiness, health.
inline const QStringList kFreshNeeds = {"5", "5", "5", "0", "10"};

// The same line from the name, age, date and the five needs.
inline QString petLine(const QString& name, const QString& age, const QString& savedOn,
                       const QStringList& needs = kFreshNeeds) {
    return recordLine(QStringList{name, age, savedOn} + needs);
}

// The pet most window suites start with: four days old, never saved, needs as new.
inline const QString kFreshPet =
    petLine(QStringLiteral("Уголёк"), QStringLiteral("4"), QStringLiteral("00.00.0000"));
