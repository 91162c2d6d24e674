#include "framework/ErrorReport.h"

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
        return QStringLiteral("An unknown error occurred.");
    }
}

void showError(const QString& text) {
    messages().error(kErrorCaption, text);
}

void showError(const std::exception& e) {
    showError(errorText(e));
}

void reportCurrentError() {
    showError(currentErrorText());
}

}  // namespace rp
