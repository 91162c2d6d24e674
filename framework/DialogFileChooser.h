#pragma once
// FileChooser over the system's file dialogs.
#include "framework/FileChooser.h"

namespace rp {

class DialogFileChooser : public FileChooser {
  public:
    std::optional<QString> openFile(const FileRequest& request) override;
    std::optional<QString> newFile(const FileRequest& request) override;
};

// "Ravenpost Files|*.dbf" as a Qt name filter: "Ravenpost Files (*.dbf)".
QString qtNameFilter(const QString& barFilter);

}  // namespace rp
