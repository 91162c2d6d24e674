#include "framework/SystemPrintDialogs.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>

namespace rp {

bool SystemPrintDialogs::print(QPrinter& printer) {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, 32767);  // the page range offered: every page a job can have
    return dialog.exec() == QDialog::Accepted;
}

bool SystemPrintDialogs::setup(QPrinter& printer) {
    QPageSetupDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace rp
