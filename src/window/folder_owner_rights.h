#pragma once

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
    // For the folder that holds `file`. A run-time error when the owner's
    // rights cannot be taken: nothing there is touched then.
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
