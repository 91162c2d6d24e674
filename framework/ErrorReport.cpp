#include "framework/ErrorReport.h"

#include <QCoreApplication>
#include <exception>

#include "framework/Messages.h"

namespace rp {

QString currentErrorText() {
    try {
        throw;
    } catch (const std::exception& e) {
        return errorText(e);
    } catch (...) {
        // Something that is not an exception class carries no text to show.
        return QCoreApplication::translate("ErrorReport", "An unknown error occurred.");
    }
}

QString errorCaption() {
    return QCoreApplication::translate("ErrorReport", "Error");
}

void showError(const QString& text) {
    messages().error(errorCaption(), text);
}

void showError(const std::exception& e) {
    showError(errorText(e));
}

void reportCurrentError() {
    showError(currentErrorText());
}

}  // namespace rp
