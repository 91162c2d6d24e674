#pragma once
// Copies of the delivered label side tables (written by sidefile-build into the build's share
// folder) in a temporary program folder, opened in an engine that hides deleted records as
// the program's does.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

#include "data/AddressTable.h"
#include "framework/Messages.h"
#include "labels/LabelSetup.h"
#include "support/ScriptedMessages.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {

// The whole record on one line: name, title, company, street, city + state, zip, phone and
// country as the digits after "contents".
inline void PrintTo(const LabelSetup& s, std::ostream* os) {
    const AddressContents& c = s.contents;
    *os << '{' << s.description.toStdString() << '|' << s.printerType.toStdString() << '|'
        << s.fontName.toStdString() << ' ' << s.fontSize << (s.fontBold ? " bold" : "")
        << (s.fontItalic ? " italic" : "") << " off " << s.xOffset << ',' << s.yOffset << " bc "
        << s.barcode << " contents " << c.name << c.title << c.company << c.street << c.cityState
        << c.zip << c.phone << c.country << " zip@" << static_cast<int>(c.zipPlacement) << " uc "
        << c.uppercase << " label " << s.labelHeight << 'x' << s.labelWidth << ' ' << s.across
        << 'x' << s.down << " marg " << s.topMargin << ',' << s.leftMargin << " pitch "
        << s.horizontalPitch << ',' << s.verticalPitch << " sheet " << s.sheetWidth << 'x'
        << s.sheetDepth << ' ' << s.paperSize.toStdString() << " trim " << s.trimText << " type "
        << s.labelTypeName.toStdString() << '}';
}

class LabelSideTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        engine.settings.hideDeleted = true;
        const QDir delivered(QStringLiteral(RAVENPOST_SIDEFILE_DIR));
        for (const char* name : {"RVPLBLS.DBF", "RVPLBLS.CDX", "RVPLSU.DBF", "RVPLSU.CDX"})
            ASSERT_TRUE(QFile::copy(delivered.filePath(name), path(name))) << name;
    }

    QString folder() const { return dir.path() + '/'; }
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    std::unique_ptr<xbase::Table> open(const QString& name) {
        auto table = engine.open(enginePath(path(name)));
        table->goTop();
        return table;
    }
    static QString deliveredPath(const char* name) {
        return QDir(QStringLiteral(RAVENPOST_SIDEFILE_DIR)).filePath(name);
    }

    QTemporaryDir dir;
    xbase::Engine engine;
    ScriptedMessages messages;
    MessagesScope scope{messages};
};

}  // namespace rp
