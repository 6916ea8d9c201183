#pragma once

#include <QLockFile>
#include <QString>

namespace motivra {

// The per-user single-instance lock: a lock file in the user's runtime folder, held for the life of the
// object. A second copy of the program finds it held and ends; a lock left by a copy that died is taken over.
class InstanceLock {
public:
    static constexpr const char* kName = "TESTAPP_MUTEX_NAME";

    // The lock `name`.lock in `folder`; by default the user's runtime folder.
    explicit InstanceLock(const QString& folder = RuntimeFolder(),
                          const QString& name = QString::fromLatin1(kName));

    // False only when another running copy holds the lock. Any other failure (a folder that cannot be
    // written, say) lets this copy run, as if it held the lock.
    bool TryLock();

    // The user's runtime folder ($XDG_RUNTIME_DIR on Linux), or the temporary folder where there is none.
    static QString RuntimeFolder();

private:
    QLockFile file_;
};

}  // namespace motivra
