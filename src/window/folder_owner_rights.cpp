#include "folder_owner_rights.h"

#include "core/system_error_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <grp.h>
#include <pwd.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The C library's setgroups() changes every thread of the program; the
// system call itself changes only the calling one.
bool setThreadGroups(const std::vector<gid_t>& groups) {
    return ::syscall(SYS_setgroups, groups.size(), groups.data()) == 0;
}

// The calling thread's groups; false when the system does not tell them.
bool threadGroups(std::vector<gid_t>& groups) {
    const int size = ::getgroups(0, nullptr);
    if (size < 0)
        return false;
    groups.resize(size_t(size));
    const int count = ::getgroups(size, groups.data());
    if (count < 0)
        return false;
    groups.resize(size_t(count));
    return true;
}

struct Identity {
    uid_t user;
    gid_t group;
    std::vector<gid_t> groups;
};

// The user with the groups the system knows them in; a user the system does
// not know has only the folder's group. The error number when the system
// could not be asked.
Identity userIdentity(uid_t user, gid_t folderGroup, int& error) {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    error = ::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found);
    if (error != 0 || !found)
        return {user, folderGroup, {folderGroup}};
    std::vector<gid_t> groups(32);
    int count = int(groups.size());
    while (::getgrouplist(found->pw_name, found->pw_gid, groups.data(), &count) < 0) {
        groups.resize(size_t(count) > groups.size() ? size_t(count) : groups.size() * 2);
        count = int(groups.size());
    }
    groups.resize(size_t(count));
    return {user, found->pw_gid, groups};
}

// The file-system identity of this thread; -1 asks without changing it.
uid_t fileUser() {
    return uid_t(::setfsuid(uid_t(-1)));
}
gid_t fileGroup() {
    return gid_t(::setfsgid(gid_t(-1)));
}

// Setting them reports nothing: asking afterwards tells whether it worked.
bool setFileIdentity(uid_t user, gid_t group) {
    ::setfsgid(group);
    ::setfsuid(user);
    return fileGroup() == group && fileUser() == user;
}

} // namespace

FolderOwnerRights::FolderOwnerRights(const QString& file) {
    if (::geteuid() != 0)
        return;
    const QString folder = QFileInfo(file).absolutePath();
    struct stat info {};
    if (::stat(QFile::encodeName(folder).constData(), &info) != 0) {
        if (nothingThere(errno))
            return;
        throw FolderOwnerRightsError(folder, systemErrorText(errno));
    }
    if (info.st_uid == 0)
        return;
    int error = 0;
    const Identity owner = userIdentity(info.st_uid, info.st_gid, error);
    if (error != 0 || !threadGroups(ownGroups_))
        throw FolderOwnerRightsError(folder, systemErrorText(error != 0 ? error : errno));
    ownUser_ = fileUser();
    ownGroup_ = fileGroup();
    taken_ = true;
    if (!setThreadGroups(owner.groups)) {
        error = errno;
        giveBack();
        throw FolderOwnerRightsError(folder, systemErrorText(error));
    }
    // Setting the file identity reports no reason.
    if (!setFileIdentity(owner.user, owner.group)) {
        giveBack();
        throw FolderOwnerRightsError(folder, QString());
    }
}

FolderOwnerRightsError::FolderOwnerRightsError(const QString& folder, const QString& reason)
    : RuntimeError(
          reason.isEmpty()
              ? QCoreApplication::translate("FolderOwnerRights",
                                            "Не удалось перейти к правам владельца папки «%1».")
                    .arg(folder)
              : QCoreApplication::translate("FolderOwnerRights",
                                            "Не удалось перейти к правам владельца папки «%1»: %2.")
                    .arg(folder, reason)),
      reason_(reason) {}

FolderOwnerRights::~FolderOwnerRights() {
    giveBack();
}

void FolderOwnerRights::giveBack() {
    if (!taken_)
        return;
    setFileIdentity(ownUser_, ownGroup_);
    setThreadGroups(ownGroups_);
    taken_ = false;
}
