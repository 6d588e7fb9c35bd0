#pragma once

#include <QString>

#include "files/register_lock.h"

namespace vindelkast {

class Dialogs;

// The lock file a running window keeps in its working folder.
inline constexpr const char* kFolderLockName = "vindelkast.lock";

// One window per working folder: two would delete each other's recovery file, offer to
// bring back each other's live contest and hand out the same identity numbers. The lock
// lasts as long as this object and is held through its open file, so a program that crashed
// holds nothing, whatever process number the next one gets.
class FolderLock {
public:
    explicit FolderLock(const QString& folder);

    // Takes the lock. When another running window holds it, says so and asks whether to
    // end; true when the program is to go on (without the lock if the director chose so).
    // A folder where no lock can be made at all is not asked about.
    bool claim(Dialogs& dialogs);
    bool held() const { return m_lock.held(); }

private:
    HeldLock m_lock;
};

}  // namespace vindelkast
