#include "framework/BoxMessages.h"

#include <QApplication>
#include <QMessageBox>

namespace rp {

void BoxMessages::information(const QString& caption, const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), caption, text);
}

void BoxMessages::error(const QString& caption, const QString& text) {
    QMessageBox::critical(QApplication::activeWindow(), caption, text);
}

bool BoxMessages::question(const QString& caption, const QString& text, bool defaultYes) {
    const auto answer = QMessageBox::question(QApplication::activeWindow(), caption, text,
                                              QMessageBox::Yes | QMessageBox::No,
                                              defaultYes ? QMessageBox::Yes : QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void BoxMessages::beep() {
    QApplication::beep();
}

}  // namespace rp
