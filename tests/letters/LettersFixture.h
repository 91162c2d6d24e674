#pragma once
// A letters file of the test's own, created as the program creates it, with an engine to open
// it, and the message boxes recorded.
#include <gtest/gtest.h>

#include <QString>
#include <QTextDocument>
#include <memory>

#include "data/AddressTable.h"
#include "letters/LetterDocument.h"
#include "letters/LettersFile.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {

class LettersFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        engine.settings.hideDeleted = true;  // as the main window sets it
        createLettersFile(engine, path());
        letters = engine.open(enginePath(path()), xbase::OpenMode::Exclusive);
    }

    QString folder() const { return QString::fromStdString(dir.path()) + QLatin1Char('/'); }
    QString path() const { return folder() + QString::fromLatin1(kLettersFileName); }

    static std::unique_ptr<QTextDocument> letterOf(const QString& text) {
        auto letter = newLetterDocument();
        letter->setPlainText(text);
        return letter;
    }
    void addLetter(const QString& description, const QString& text) {
        storeLetter(*letters, LetterStore::Append, description, *letterOf(text));
    }
    QString storedText(std::uint32_t recno) {
        letters->go(recno);
        QTextDocument letter;
        EXPECT_FALSE(readLetter(*letters, letter).has_value());
        return letter.toPlainText();
    }

    TempDir dir;
    xbase::Engine engine;
    std::unique_ptr<xbase::Table> letters;
    ScriptedMessages shown;
    MessagesScope scope{shown};
};

}  // namespace rp
