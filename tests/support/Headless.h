#pragma once

#include <QtGlobal>

// Runs Qt on its offscreen platform unless the caller chose one: test and
// benchmark programs need no display (and test discovery runs them outside
// ctest's environment). Call before creating the QApplication.
inline void UseOffscreenPlatformUnlessChosen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
