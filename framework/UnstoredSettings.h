#pragma once
// The settings the program stores on its own while the user works (the printer remembered for
// a setup, the recent files, the folder of the last PDF, a report's title, the dialer's
// numbers, the next serial of the Intelligent Mail barcode) go to the preferences file. When
// that file cannot be written, the user is told once in a run, in a message of its own with the
// cause under it; the stores that fail after that say nothing, and the work that stored them
// goes on as if they had been stored.
#include <QString>
#include <exception>

#include "framework/Messages.h"

namespace rp {

// The message for a preferences file that cannot be written, the cause on its second line.
QString unstoredSettingsText(const QString& file, const QString& cause);

// Shows unstoredSettingsText through messages() the first time in the run; nothing after that.
void reportUnstoredSettings(const QString& file, const QString& cause);

// Runs a store of settings into file. A failure is reported (reportUnstoredSettings) and goes no
// further; false then.
template <class Store>
bool storeSettings(const QString& file, Store&& store) {
    try {
        store();
        return true;
    } catch (const std::exception& e) {
        reportUnstoredSettings(file, errorText(e));
        return false;
    }
}

// A run in which the unstored settings are told once. The program is one run from start to
// end; an object of this class starts a new one for its life (a test case, say), and the one
// before goes on when it ends.
class UnstoredSettingsRun {
  public:
    UnstoredSettingsRun();
    ~UnstoredSettingsRun();
    UnstoredSettingsRun(const UnstoredSettingsRun&) = delete;
    UnstoredSettingsRun& operator=(const UnstoredSettingsRun&) = delete;

  private:
    friend void reportUnstoredSettings(const QString& file, const QString& cause);

    bool told_ = false;
    UnstoredSettingsRun* previous_;
};

}  // namespace rp
