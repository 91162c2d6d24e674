#include "support/ScriptedFileChooser.h"

#include <stdexcept>

namespace rp {

std::optional<QString> ScriptedFileChooser::next(const FileRequest& request) {
    requests_.push_back(request);
    if (answers_.empty())
        throw std::logic_error("unexpected file chooser: " + request.caption.toStdString());
    auto path = answers_.front();
    answers_.pop_front();
    return path;
}

std::optional<QString> ScriptedFileChooser::openFile(const FileRequest& request) {
    return next(request);
}

std::optional<QString> ScriptedFileChooser::newFile(const FileRequest& request) {
    return next(request);
}

}  // namespace rp
