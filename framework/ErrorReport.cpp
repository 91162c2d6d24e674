#include "framework/ErrorReport.h"

#include <exception>

#include "framework/Messages.h"

namespace rp {

QString CurrentErrorText() {
    try {
        throw;
    } catch (const std::exception& e) {
        return ErrorText(e);
    } catch (...) {
        return QStringLiteral("An unknown error occurred.");
    }
}

void ReportCurrentError() {
    messages().error(kErrorCaption, CurrentErrorText());
}

}  // namespace rp
