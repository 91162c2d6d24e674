// ravenpost-batch: the printing and checking jobs of Ravenpost from the command line. It needs
// no display: without one it draws on Qt's offscreen platform.
#include <QApplication>
#include <cstdio>

#include "batch/BatchCommands.h"
#include "batch/BatchJob.h"
#include "framework/PrintingMemory.h"
#include "framework/Resources.h"
#include "xbase/FileSizeLimit.h"

namespace {

// Standard error carries the job's own lines; Qt's notes about the platform (no runtime folder,
// no display) are left out, its critical errors kept.
void keepQtCriticalOnly(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char** argv) {
    xbase::failWritesPastFileSizeLimit();
    rp::keepFreedMemoryForReuse();
    qInstallMessageHandler(keepQtCriticalOnly);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    rp::loadFrameworkResources();
    rp::installStopHandler();
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    return rp::runBatch(arguments, QApplication::applicationDirPath());
}
