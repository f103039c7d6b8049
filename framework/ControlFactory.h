#pragma once

#include <functional>
#include <vector>

#include "base/Types.h"

struct DialogTemplate;
class QWidget;

// Makes the Qt controls of a dialog template, in template order (so tab
// order): push buttons, edit boxes that filter what the user types, list
// boxes and static texts or icons, each with its control id, its styles,
// its mnemonic buddy and the name a screen reader speaks for it. Places are
// left to DialogLayout.
class ControlFactory
{
public:
    // Reports a control's click or list notification: its id and the code.
    using Notify = std::function<void(int nId, UINT nCode)>;

    static std::vector<QWidget*> Create(const DialogTemplate& dialogTemplate, QWidget* pParent, const Notify& notify);
};
