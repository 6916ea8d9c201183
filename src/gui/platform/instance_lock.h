#pragma once

#include <QLockFile>
#include <QString>

namespace motivra {

// The single-instance lock of a user's desktop session: a lock file in the user's runtime folder, named after
// the display, held for the life of the object. A second copy on the same display finds it held and ends; a
// second desktop session of the same user has a display of its own and starts its own editor. A lock left by
// a copy that died is taken over.
class InstanceLock {
public:
    static constexpr const char* kName = "TESTAPP_MUTEX_NAME";

    // The lock `name`.lock in `folder`; by default the user's runtime folder and this display's name.
    explicit InstanceLock(const QString& folder = RuntimeFolder(), const QString& name = DisplayLockName());

    // False only when another running copy holds the lock. Any other failure (a folder that cannot be
    // written, say) lets this copy run, as if it held the lock.
    bool TryLock();

    // The user's runtime folder ($XDG_RUNTIME_DIR on Linux), or the temporary folder where there is none.
    static QString RuntimeFolder();
    // kName, followed by the display ($WAYLAND_DISPLAY, else $DISPLAY) where there is one, with every
    // character but letters, digits, '.' and '-' as '_': "TESTAPP_MUTEX_NAME-_0".
    static QString DisplayLockName();

private:
    QLockFile file_;
};

}  // namespace motivra
