#pragma once
// Open-file and new-file choosers go through one installed FileChooser: the program shows
// the system dialogs, tests install a ScriptedFileChooser that answers from a queue.
#include <QString>
#include <optional>

namespace rp {

struct FileRequest {
    QString caption;
    QString filter;          // "Ravenpost Files|*.dbf": description and pattern, bar-separated
    QString folder;          // where the chooser starts
    QString proposedName;    // file name offered for a new file
    QString defaultSuffix;   // added when the typed name has no extension
    bool mustExist = false;  // open: the folder and the file must exist
    bool confirmOverwrite = false;  // new: ask before choosing an existing file
};

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> openFile(const FileRequest& request) = 0;
    virtual std::optional<QString> newFile(const FileRequest& request) = 0;
};

FileChooser& fileChooser();

class FileChooserScope {
  public:
    explicit FileChooserScope(FileChooser& chooser);
    ~FileChooserScope();
    FileChooserScope(const FileChooserScope&) = delete;
    FileChooserScope& operator=(const FileChooserScope&) = delete;

  private:
    FileChooser* previous_;
};

}  // namespace rp
