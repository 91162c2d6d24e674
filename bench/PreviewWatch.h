#pragma once
// Watches a command that opens the recording preview window (a dialog's Preview), as a user
// waiting on it would: the time until the first page is shown, the time until the recording has
// ended, then the last page through the window's own last-page button, and the memory the
// process took meanwhile. The window is closed once the last page has been read.
#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>

#include "framework/PrintStatusDialog.h"

namespace bench {

struct PreviewFigures {
    bool opened = false;          // a recording preview window opened
    double firstPageSeconds = 0;  // from the command to page 1 drawn in the window
    double recordedSeconds = 0;   // from the command to the end of the recording
    rp::PrintOutcome outcome = rp::PrintOutcome::Pending;
    QString lastCounter;         // the page counter after the last-page button
    int lastPage = 0;            // the page shown after the last-page button, from 1
    double lastPageSeconds = 0;  // from the last-page button to that page drawn
    std::int64_t residentBeforeKb = 0;
    std::int64_t residentPeakKb = 0;   // the resident peak while the command ran
    std::int64_t allocatedPeakKb = 0;  // the largest allocated (anonymous) size sampled
    std::int64_t filePeakKb = 0;       // the largest size of mapped files' pages sampled
    std::int64_t allocatedEndKb = 0;   // allocated and mapped when the recording has ended
    std::int64_t fileEndKb = 0;
};

// Runs command, which must open a rp::RecordingPreview modally, and returns when it returns.
// Memory is sampled every sampleEvery while the event loop runs.
PreviewFigures watchPreview(const std::function<void()>& command,
                            std::chrono::milliseconds sampleEvery = std::chrono::milliseconds(20));

}  // namespace bench
