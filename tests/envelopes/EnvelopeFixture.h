#pragma once
// A program folder of the test's own holding copies of the delivered envelope side tables
// (written by sidefile-build at build time), and an engine to open them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <memory>

#include "envelopes/EnvelopeLayouts.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {

class EnvelopeFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        engine.settings.hideDeleted = true;  // as the main window sets it
        for (const char* name : {"RVPENVS.DBF", "RVPENVS.CDX", "RVPESU.DBF", "RVPESU.CDX"})
            ASSERT_TRUE(QFile::copy(delivered(name), path(name))) << name;
        for (const char* name : {"RVPENVS.DBF", "RVPENVS.CDX", "RVPESU.DBF", "RVPESU.CDX"})
            QFile(path(name)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }

    static QString delivered(const char* name) {
        return QDir(QStringLiteral(RAVENPOST_SIDEFILE_DIR)).filePath(QString::fromLatin1(name));
    }
    QString folder() const { return QString::fromStdString(dir.path()) + QLatin1Char('/'); }
    QString path(const char* name) const { return folder() + QString::fromLatin1(name); }

    std::unique_ptr<xbase::Table> open(const char* name) {
        auto table = engine.open(path(name).toStdString());
        table->goTop();
        return table;
    }

    // An empty setup file of the program's layout, with its tag, replacing the delivered one.
    std::unique_ptr<xbase::Table> emptySetups() {
        const EnvelopeTableLayout& layout = envelopeSetupLayout();
        QFile::remove(path("RVPESU.CDX"));
        engine.create(path("RVPESU.DBF").toStdString(), layout.fields);
        auto table = engine.open(path("RVPESU.DBF").toStdString(), xbase::OpenMode::Exclusive);
        table->createTag(layout.tagName, layout.tagKey);
        table->goTop();
        return table;
    }

    TempDir dir;
    xbase::Engine engine;
    ScriptedMessages messages;
    MessagesScope scope{messages};
};

}  // namespace rp
