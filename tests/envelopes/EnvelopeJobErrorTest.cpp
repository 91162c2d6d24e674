// An envelope job whose drawing meets an engine error: the cause is told, the job ends as a
// cancelled one with the envelope's own text, and the output is abandoned.
#include <gtest/gtest.h>
#include <QApplication>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include "envelopes/EnvelopePrinting.h"
#include "support/ReportLog.h"
#include "support/ScriptedMessages.h"
#include "xbase/Error.h"

namespace rp {
namespace {

const std::string kCause = "/data/RAVENP1.DBF: a record runs past the end of the file";

// The test log, failing as the engine does at the third drawing operation.
class FailingLog : public ReportLog {
  public:
    void draw(const ReportOp& op) override {
        if (++drawn_ == 3) throw xbase::Error(kCause);
        ReportLog::draw(op);
    }

  private:
    int drawn_ = 0;
};

TEST(EnvelopeJobError, IsToldAndEndsTheJobCanceled) {
    ScriptedMessages shown;
    MessagesScope scope(shown);
    QPrinter printer;
    AddressValues address;
    address.last = "Public";
    address.street = "123 MAIN ST";

    const struct {
        bool preview;
        QString final;
    } cases[] = {{false, "\rEnvelope Print Canceled!"}, {true, "\rEnvelope Preview Canceled!"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.final.toStdString());
        shown.clear();
        FailingLog output;
        QString final;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&final] {
            auto* status = qobject_cast<PrintStatusDialog*>(QApplication::activeModalWidget());
            if (!status || status->outcome() == PrintOutcome::Pending) return;
            final = status->statusText();
            status->button()->click();
        });
        closer.start(1);
        EXPECT_EQ(
            runEnvelopeJob(output, printer, defaultEnvelopeSetup(), address, c.preview, nullptr),
            PrintOutcome::Cancelled);
        EXPECT_EQ(final, c.final);
        EXPECT_EQ(shown.texts(), QStringList{QString::fromStdString(kCause)});
        EXPECT_TRUE(output.aborted());
        EXPECT_FALSE(output.ended());
    }
}

}  // namespace
}  // namespace rp
