#pragma once

#include "core/runtime_error.h"

#include <QString>
#include <sys/types.h>
#include <vector>

// Root, working in a folder that another user owns, touches the files there
// with that user's rights alone: a link the user put there reaches nothing
// the user could not read or write themselves. For any other user, and in
// root's own folders, nothing changes. Only the calling thread's file rights
// change, and only while this lives; the other threads keep theirs.
class FolderOwnerRights {
public:
    // For the folder that holds `file`. A FolderOwnerRightsError when the
    // owner's rights cannot be taken, or the owner cannot be known: nothing
    // there is touched then. A folder that is not there needs no rights.
    explicit FolderOwnerRights(const QString& file);
    ~FolderOwnerRights();
    FolderOwnerRights(const FolderOwnerRights&) = delete;
    FolderOwnerRights& operator=(const FolderOwnerRights&) = delete;

private:
    void giveBack();

    bool taken_ = false;
    uid_t ownUser_ = 0;
    gid_t ownGroup_ = 0;
    std::vector<gid_t> ownGroups_;
};

class FolderOwnerRightsError : public RuntimeError {
public:
    FolderOwnerRightsError(const QString& folder, const QString& reason);
    // The system's reason in words, empty when the system gave none.
    const QString& reason() const { return reason_; }

private:
    QString reason_;
};
