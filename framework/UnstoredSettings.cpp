#include "framework/UnstoredSettings.h"

#include <QCoreApplication>
#include <QDir>

namespace rp {
namespace {

// The run a scope started; none for the program's own.
UnstoredSettingsRun*& currentRun() {
    static UnstoredSettingsRun* current = nullptr;
    return current;
}

// Whether the program's own run has told.
bool& programTold() {
    static bool told = false;
    return told;
}

}  // namespace

QString unstoredSettingsText(const QString& file, const QString& cause) {
    return withCause(QCoreApplication::translate(
                         "UnstoredSettings",
                         "Your settings cannot be saved in %1, so printer choices, recent files "
                         "and other settings you change will not be remembered.")
                         .arg(QDir::toNativeSeparators(file)),
                     cause);
}

void reportUnstoredSettings(const QString& file, const QString& cause) {
    bool& told = currentRun() ? currentRun()->told_ : programTold();
    if (told) return;
    told = true;
    showInformation(unstoredSettingsText(file, cause));
}

UnstoredSettingsRun::UnstoredSettingsRun() : previous_(currentRun()) {
    currentRun() = this;
}

UnstoredSettingsRun::~UnstoredSettingsRun() {
    currentRun() = previous_;
}

}  // namespace rp
