#include "framework/DialogFileChooser.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace rp {
namespace {

std::optional<QString> run(const FileRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(QApplication::activeWindow(), request.caption, request.folder);
    dialog.setAcceptMode(mode);
    dialog.setNameFilter(qtNameFilter(request.filter));
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

}  // namespace

QString qtNameFilter(const QString& barFilter) {
    const QStringList parts = barFilter.split(QLatin1Char('|'));
    if (parts.size() < 2) return barFilter;
    return parts[0] + QStringLiteral(" (") + parts[1] + QLatin1Char(')');
}

std::optional<QString> DialogFileChooser::openFile(const FileRequest& request) {
    return run(request, QFileDialog::AcceptOpen);
}

std::optional<QString> DialogFileChooser::newFile(const FileRequest& request) {
    return run(request, QFileDialog::AcceptSave);
}

}  // namespace rp
