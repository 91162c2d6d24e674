#include "framework/FileChooser.h"

#include "framework/DialogFileChooser.h"

namespace rp {
namespace {

FileChooser*& current() {
    static DialogFileChooser dialogs;
    static FileChooser* c = &dialogs;
    return c;
}

}  // namespace

FileChooser& fileChooser() {
    return *current();
}

FileChooserScope::FileChooserScope(FileChooser& chooser) : previous_(current()) {
    current() = &chooser;
}

FileChooserScope::~FileChooserScope() {
    current() = previous_;
}

}  // namespace rp
