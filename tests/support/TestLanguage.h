#pragma once
// The languages a window check runs in: English as written, the marking translation, and the
// languages named in RAVENPOST_TEST_LANGUAGES ("es,de"), read from the ravenpost_<code>.qm
// files in RAVENPOST_QM_DIR; without those, every translation the build made.
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <string>
#include <vector>

#include "support/MarkingTranslator.h"

namespace rp {

inline QString testTranslationFolder() {
    const QString folder = qEnvironmentVariable("RAVENPOST_QM_DIR");
    return folder.isEmpty() ? QStringLiteral(RAVENPOST_BUILT_QM_DIR) : folder;
}

inline std::vector<std::string> testLanguages() {
    std::vector<std::string> codes{"en", "marking"};
    QStringList named = qEnvironmentVariable("RAVENPOST_TEST_LANGUAGES")
                            .split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (!qEnvironmentVariableIsSet("RAVENPOST_TEST_LANGUAGES")) {
        const QStringList files = QDir(testTranslationFolder())
                                      .entryList({QStringLiteral("ravenpost_*.qm")}, QDir::Files);
        for (const QString& file : files)
            named << file.mid(10, file.size() - 13);  // ravenpost_<code>.qm
    }
    for (const QString& code : named) codes.push_back(code.trimmed().toStdString());
    return codes;
}

// Installs the translation of code for its lifetime; loaded() is false when its file is not
// there.
class TestLanguageScope {
  public:
    explicit TestLanguageScope(const std::string& code) {
        if (code == "en") return;
        if (code == "marking") {
            translator_ = std::make_unique<MarkingTranslator>();
            return;
        }
        auto file = std::make_unique<QTranslator>();
        if (!file->load(QLocale(QString::fromStdString(code)), QStringLiteral("ravenpost"),
                        QStringLiteral("_"), testTranslationFolder())) {
            loaded_ = false;
            return;
        }
        QCoreApplication::installTranslator(file.get());
        translator_ = std::move(file);
        installed_ = true;
    }
    ~TestLanguageScope() {
        if (installed_) QCoreApplication::removeTranslator(translator_.get());
    }
    TestLanguageScope(const TestLanguageScope&) = delete;
    TestLanguageScope& operator=(const TestLanguageScope&) = delete;

    bool loaded() const { return loaded_; }

  private:
    std::unique_ptr<QTranslator> translator_;
    bool loaded_ = true;
    bool installed_ = false;  // the marking translation installs and removes itself
};

}  // namespace rp
