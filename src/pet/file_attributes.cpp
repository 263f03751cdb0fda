#include "file_attributes.h"

#include <QFile>
#include <QList>

#include <cerrno>
#include <functional>
#include <optional>
#include <sys/xattr.h>

namespace {

// Where the system does not tell the umask, a new file is its owner's alone.
constexpr mode_t kStrictestUmask = 077;

// The umask as the system tells it. Setting it, the only other way to learn
// it, would change it for every thread of the program meanwhile.
mode_t currentUmask() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return kStrictestUmask;
    const QByteArray key("Umask:");
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (!line.startsWith(key))
            continue;
        bool ok = false;
        const uint mask = line.mid(key.size()).trimmed().toUInt(&ok, 8);
        return ok ? mode_t(mask & 0777) : kStrictestUmask;
    }
    return kStrictestUmask;
}

// What a listing or a value call gives: the size it needs, or -1.
using AttributeCall = std::function<ssize_t(char* buffer, size_t size)>;

// The whole of what the call gives, asked again if it grew in between.
std::optional<QByteArray> wholeAnswer(const AttributeCall& call) {
    for (;;) {
        const ssize_t size = call(nullptr, 0);
        if (size < 0)
            return std::nullopt;
        QByteArray answer(size, '\0');
        const ssize_t got = call(answer.data(), size_t(answer.size()));
        if (got >= 0) {
            answer.truncate(got);
            return answer;
        }
        if (errno != ERANGE)
            return std::nullopt;
    }
}

// The names of a file's extended attributes; none where the file system
// keeps none.
std::optional<QList<QByteArray>> attributeNames(const AttributeCall& list) {
    std::optional<QByteArray> names = wholeAnswer(list);
    if (!names)
        return errno == ENOTSUP ? std::optional(QList<QByteArray>()) : std::nullopt;
    QList<QByteArray> split = names->split('\0');
    split.removeAll(QByteArray());
    return split;
}

} // namespace

mode_t newFileMode() {
    return 0666 & ~currentUmask();
}

bool copyExtendedAttributes(const QByteArray& from, int to) {
    const auto wanted = attributeNames(
        [&](char* buffer, size_t size) { return ::listxattr(from.constData(), buffer, size); });
    const auto present =
        attributeNames([&](char* buffer, size_t size) { return ::flistxattr(to, buffer, size); });
    if (!wanted || !present)
        return false;
    for (const QByteArray& name : *present)
        if (!wanted->contains(name) && ::fremovexattr(to, name.constData()) != 0 &&
            errno != ENODATA)
            return false;
    for (const QByteArray& name : *wanted) {
        const std::optional<QByteArray> value = wholeAnswer([&](char* buffer, size_t size) {
            return ::getxattr(from.constData(), name.constData(), buffer, size);
        });
        if (!value ||
            ::fsetxattr(to, name.constData(), value->constData(), size_t(value->size()), 0) != 0)
            return false;
    }
    return true;
}
