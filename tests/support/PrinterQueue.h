#pragma once
// A real printer queue for the printing tests: CUPS with cups-pdf, whose printer "PDF" (or the
// one RAVENPOST_TEST_QUEUE names) writes each job as a PDF file into ~/PDF
// (scripts/cups-pdf-printer.sh adds it). The files a job wrote, and where the ink of a page
// starts.
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLockFile>
#include <QPointF>
#include <QProcess>
#include <QThread>
#include <algorithm>

namespace rp {

inline QString testQueueName() {
    const QString named = qEnvironmentVariable("RAVENPOST_TEST_QUEUE");
    return named.isEmpty() ? QStringLiteral("PDF") : named;
}

// Whether CUPS runs and has the queue.
inline bool testQueueReady() {
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-p"), testQueueName()});
    return lpstat.waitForFinished(10000) && lpstat.exitStatus() == QProcess::NormalExit &&
           lpstat.exitCode() == 0;
}

inline QString testQueueSkipText() {
    return QStringLiteral(
               "no CUPS printer queue %1 (cupsd not running or the queue not added; "
               "scripts/cups-pdf-printer.sh adds it)")
        .arg(testQueueName());
}

// Held by a test while it prints on the queue: the suites run side by side, and a job's file is
// known only as the one that was not there before it, so one test prints at a time.
class TestQueueLock {
  public:
    TestQueueLock() : lock_(QDir::temp().filePath(QStringLiteral("ravenpost-test-queue.lock"))) {
        lock_.setStaleLockTime(0);
        lock_.lock();
    }

  private:
    QLockFile lock_;
};

// Where the queue writes its files.
inline QDir testQueueFolder() {
    return QDir(QDir::homePath() + QStringLiteral("/PDF"));
}

inline QStringList testQueueFiles() {
    return testQueueFolder().entryList({QStringLiteral("*.pdf")}, QDir::Files);
}

// The file a job started after before was listed writes, once it is whole; empty when none
// comes within half a minute.
inline QString awaitQueuedPdf(const QStringList& before) {
    const QDir folder = testQueueFolder();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 30000) {
        for (const QString& name : testQueueFiles())
            if (!before.contains(name)) {
                const QString path = folder.filePath(name);
                // cups-pdf writes the file and then hands it over; pdfinfo reads only a whole one.
                QProcess info;
                info.start(QStringLiteral("pdfinfo"), {path});
                if (info.waitForFinished(10000) && info.exitCode() == 0) return path;
            }
        QThread::msleep(100);
    }
    return {};
}

// The top-left corner of the ink on the first page at dpi dots per inch, in inches; the page is
// rendered to prefix.png.
inline QPointF inkCorner(const QString& pdf, const QString& prefix, int dpi = 100) {
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                       QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                       QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, prefix});
    const QImage page(prefix + QStringLiteral(".png"));
    int left = page.width();
    int top = page.height();
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
    return {double(left) / dpi, double(top) / dpi};
}

}  // namespace rp
