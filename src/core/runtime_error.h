#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The one kind of run-time error of the program. Its description is Russian,
// because the error report shows it to the user as it stands.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(QString description)
        : description_(std::move(description)), utf8_(description_.toUtf8()) {}

    const QString& description() const noexcept { return description_; }
    // Points into this object, so it lives as long as the error does.
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString description_;
    QByteArray utf8_;
};
