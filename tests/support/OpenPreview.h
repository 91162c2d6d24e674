#pragma once
// The recording preview window a command has open, found as the user sees it: the visible one
// among the application's windows, or none.
#include <QApplication>

#include "framework/RecordingPreview.h"

namespace rp {

inline RecordingPreview* openRecordingPreview() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* preview = qobject_cast<RecordingPreview*>(window);
            preview && preview->isVisible())
            return preview;
    return nullptr;
}

}  // namespace rp
