#pragma once

#include "framework/Dialog.h"

// The About box: icon, name and version, publisher texts and OK.
class CAboutDlg : public CDialog
{
public:
    CAboutDlg();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
