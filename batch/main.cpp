// ravenpost-batch: the printing and checking jobs of Ravenpost from the command line. It needs
// no display: without one it draws on Qt's offscreen platform.
#include <QApplication>
#include <cstdio>

#include "batch/BatchCommands.h"
#include "batch/BatchJob.h"
#include "framework/PrintingMemory.h"
#include "framework/Resources.h"
#include "framework/Translations.h"
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
    rp::LanguageOption language = rp::takeLanguageOption(QApplication::arguments());
    const rp::InstalledTranslations translations(language.code, QApplication::applicationDirPath());
    language.otherArguments.removeFirst();  // the program's name
    return rp::runBatch(language.otherArguments, QApplication::applicationDirPath());
}
