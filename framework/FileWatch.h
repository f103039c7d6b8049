#pragma once

#include <functional>
#include <memory>

#include "base/CString.h"

// Tells its owner when a file may have changed on disk: a rename over it, a
// rewrite, its removal or its return. It watches the folder as well as the
// file, since a file replaced by a rename is a new file that a watch on the
// old one never sees. A burst of changes (a writer's temporary file, the
// rename, the lock file) is told once, a moment after it has settled.
//
// onChange returns false when its owner cannot look now (a dialog is open
// over it, say); it is then asked again a little later until it returns
// true, so a change is never dropped.
class CFileWatch
{
public:
    CFileWatch();
    ~CFileWatch();
    CFileWatch(const CFileWatch&) = delete;
    CFileWatch& operator=(const CFileWatch&) = delete;

    void Start(const CString& strFileName, std::function<bool()> onChange);
    void Stop();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
