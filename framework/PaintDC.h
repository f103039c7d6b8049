#pragma once

#include <memory>

#include "base/Types.h"

class CWnd;

// A paint context for a window, open for the life of the object.
class CPaintDC
{
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const;
    BOOL DrawIcon(int x, int y, HICON hIcon);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
