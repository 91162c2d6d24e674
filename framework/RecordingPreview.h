#pragma once
// The preview window on a report that records while the window is open: the window opens at
// once, the print status window stands over it counting the pages (its Stop ends the recording,
// keeping the pages made so far), and each page can be viewed as soon as it is complete, the
// counter reading "Page n of m+" until the last is known. Closing the window stops the
// recording; a recording that fails closes the window once its status has been seen.
#include "framework/PreviewWindow.h"
#include "framework/PrintStatusDialog.h"

namespace rp {

class RecordedPages;

class RecordingPreview : public PreviewWindow {
    Q_OBJECT
  public:
    RecordingPreview(RecordedPages& pages, ReportJob job, PrintStatusTexts texts,
                     const QString& caption, QWidget* parent = nullptr);
    ~RecordingPreview() override;

    PrintOutcome outcome() const { return status_->outcome(); }
    PrintStatusDialog* statusWindow() const { return status_; }

    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    RecordedPages& recording_;
    PrintStatusDialog* status_;
};

// Records job into pages for a preview under caption. With no hooks the recording preview above
// shows the pages while they are made. With hooks (tests), the status window (showStatus, or
// modally) records the whole report first and showPreview then gets the pages, unless the
// recording was cancelled.
struct PreviewHooks {
    std::function<void(PrintStatusDialog&)> showStatus;
    std::function<void(const RecordedPages& pages, const QString& caption)> showPreview;
};
PrintOutcome previewJob(RecordedPages& pages, const ReportJob& job, const QString& caption,
                        const PrintStatusTexts& texts, QWidget* parent,
                        const PreviewHooks& hooks = {});

}  // namespace rp
