#pragma once
// Every window of the framework, the preview showing a page of one line, for the tests that
// look at each of them.
#include <functional>
#include <stdexcept>
#include <vector>

#include "framework/HelpViewer.h"
#include "framework/PreviewWindow.h"
#include "framework/PrintStatusDialog.h"
#include "framework/RecordedPages.h"
#include "framework/ReportCanvas.h"
#include "framework/StartScreen.h"
#include "support/KeyboardChecks.h"
#include "support/ReportLog.h"

namespace rp {

// pages with one page holding the line "x".
inline RecordedPages& onePageOfOneLine(RecordedPages& pages) {
    ReportCanvas canvas(pages);
    if (!canvas.start()) throw std::runtime_error("the recorded pages would not start");
    canvas.println(QStringLiteral("x"));
    canvas.finish();
    return pages;
}

struct FrameworkWindows {
    // The windows a user moves about in by keys; the start screen and the print status only
    // show how far something has come.
    std::vector<NamedWindow> used() {
        return {{"Preview", &preview}, {"Help", &help}, {"About", &about}};
    }
    std::vector<NamedWindow> shown() {
        return {{"Start screen", &start}, {"Print Status", &status}};
    }

    RecordedPages pages;
    PreviewWindow preview{onePageOfOneLine(pages)};
    HelpViewer help;
    StartScreen start{StartScreen::Kind::StartScreen};
    StartScreen about{StartScreen::Kind::About};
    ReportLog log;
    PrintStatusDialog status{log, [](ReportCanvas&, const std::function<bool()>&) {}, false};
};

}  // namespace rp
