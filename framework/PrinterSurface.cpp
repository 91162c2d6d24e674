#include "framework/PrinterSurface.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "framework/ErrorReport.h"
#include "framework/Messages.h"
#include "framework/ReportOpPainter.h"

namespace rp {
namespace {

void reportUnwritable(const QString& path, const QString& reason) {
    showError(QCoreApplication::translate("PrinterSurface", "The file %1 cannot be written: %2")
                  .arg(QDir::toNativeSeparators(path), reason));
}

QString systemCause() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Why the document in path is not whole on the disk, or nothing when it is. The printer's PDF
// writer does not tell a failed write, so the file is flushed and its last bytes looked at;
// when its end is missing, a write past it finds the cause (a full disk, a limit on the size
// of files).
QString unfinishedDocument(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) return file.errorString();
    if (::fsync(file.handle()) != 0) return systemCause();
    const qint64 size = file.size();
    constexpr qint64 kTail = 32;
    if (!file.seek(std::max<qint64>(0, size - kTail))) return file.errorString();
    if (file.read(kTail).trimmed().endsWith("%%EOF")) return {};
    const QByteArray probe(64 * 1024, '\0');
    if (::pwrite(file.handle(), probe.constData(), static_cast<std::size_t>(probe.size()),
                 static_cast<off_t>(size)) < 0)
        return systemCause();
    return QCoreApplication::translate("PrinterSurface", "the document was cut short");
}

}  // namespace

PrinterSurface::PrinterSurface(QPrinter& printer,
                               std::function<void(const QString& path)> fileWritten)
    : printer_(printer), fileWritten_(std::move(fileWritten)) {}

// A job that did not reach its end (a failure on the way) leaves the file as it was.
PrinterSurface::~PrinterSurface() {
    if (painter_.isActive()) painter_.end();
    finishFile(false);
}

bool PrinterSurface::begin(const ReportPaper& paper) {
    printer_.setFullPage(true);
    printer_.setPageLayout(paper.pageLayout());
    keepPages_ = printer_.copyCount() > 1 && !printer_.supportsMultipleCopies();
    kept_.clear();
    page_ = 1;
    pagesPrinted_ = 0;
    pageOpen_ = false;
    if (!startFile()) return false;
    if (!partial_.isEmpty() && printer_.outputFormat() == QPrinter::PdfFormat) {
        pdf_.emplace(partial_, paper.pageLayout().fullRectPoints().size(), printer_.docName(),
                     printer_.creator());
        if (inRange(page_)) startPrinterPage();
        return true;
    }
    if (!painter_.begin(&printer_)) {
        finishFile(false);
        return false;
    }
    ops_.emplace(painter_, printer_.resolution());
    if (inRange(page_)) startPrinterPage();
    return true;
}

bool PrinterSurface::inRange(int page) const {
    if (printer_.fromPage() == 0) return true;
    return page >= printer_.fromPage() && (printer_.toPage() == 0 || page <= printer_.toPage());
}

void PrinterSurface::startPrinterPage() {
    if (keepPages_) {
        kept_.emplace_back();
        return;
    }
    openPrinterPage();
}

void PrinterSurface::openPrinterPage() {
    // The printer opens its first page itself, as does the PDF document.
    if (pageOpen_) {
        if (pdf_)
            pdf_->newPage();
        else
            printer_.newPage();
    }
    pageOpen_ = true;
    ++pagesPrinted_;
}

void PrinterSurface::newPage() {
    ++page_;
    if (inRange(page_)) startPrinterPage();
}

void PrinterSurface::paint(const ReportOp& op) {
    if (pdf_)
        pdf_->draw(op);
    else
        ops_->paint(op);
}

void PrinterSurface::draw(const ReportOp& op) {
    if (!inRange(page_)) return;
    if (!keepPages_) {
        paint(op);
        return;
    }
    kept_.back().push_back(op);
    // A kept page holds its texts without their glyphs, which take far more memory than the
    // texts; they are shaped again when the copies are printed.
    if (auto* run = std::get_if<TextRun>(&kept_.back().back())) run->glyphs.reset();
}

void PrinterSurface::end() {
    if (keepPages_) {
        const int copies = printer_.copyCount();
        const bool collate = printer_.collateCopies();
        const int pages = static_cast<int>(kept_.size());
        for (int i = 0; i < copies * pages; ++i) {
            const int page = collate ? i % pages : i / copies;
            openPrinterPage();
            for (const ReportOp& op : kept_[static_cast<std::size_t>(page)]) paint(op);
        }
        kept_.clear();
    }
    if (pdf_) {
        const bool written = pdf_->finish();
        if (!written) reportUnwritable(file_, pdf_->error());
        pdf_.reset();
        finishFile(written);
        return;
    }
    const bool finished = painter_.end();
    if (!finished && !file_.isEmpty())
        reportUnwritable(file_, QCoreApplication::translate("PrinterSurface",
                                                            "the document could not be finished"));
    finishFile(finished);
}

void PrinterSurface::abort() {
    kept_.clear();
    pdf_.reset();
    printer_.abort();
    if (painter_.isActive()) painter_.end();
    finishFile(false);
}

// The job's output goes to ".NAME.part" beside its file, made here so that a folder that
// cannot take it is told before anything is drawn.
bool PrinterSurface::startFile() {
    file_ = printer_.outputFileName();
    if (file_.isEmpty()) return true;
    const QFileInfo info(file_);
    QFile partial(info.dir().filePath(QStringLiteral(".%1.part").arg(info.fileName())));
    if (!partial.open(QIODevice::WriteOnly)) {
        reportUnwritable(file_, partial.errorString());
        file_.clear();
        return false;
    }
    partial_ = partial.fileName();
    printer_.setOutputFileName(partial_);
    return true;
}

// A completed job's partial file replaces the file in one step (keeping the permissions the
// file had); otherwise it is removed. The printer is left set to the file.
void PrinterSurface::finishFile(bool completed) {
    if (partial_.isEmpty()) return;
    const QString file = std::exchange(file_, QString());
    const QString partial = std::exchange(partial_, QString());
    printer_.setOutputFileName(file);
    if (!completed) {
        QFile::remove(partial);
        return;
    }
    if (const QString problem = unfinishedDocument(partial); !problem.isEmpty()) {
        QFile::remove(partial);
        reportUnwritable(file, problem);
        return;
    }
    if (QFile::exists(file)) QFile::setPermissions(partial, QFile::permissions(file));
    std::error_code error;
    std::filesystem::rename(QFileInfo(partial).filesystemFilePath(),
                            QFileInfo(file).filesystemFilePath(), error);
    if (error) {
        QFile::remove(partial);
        reportUnwritable(file, QString::fromLocal8Bit(error.message()));
        return;
    }
    if (fileWritten_) fileWritten_(file);
}

QPointF PrinterSurface::unprintableMargins() const {
    QPageLayout layout = printer_.pageLayout();
    layout.setUnits(QPageLayout::Inch);
    return QPointF(layout.minimumMargins().left(), layout.minimumMargins().top());
}

double PrinterSurface::resolution() const {
    return printer_.resolution();
}

}  // namespace rp
