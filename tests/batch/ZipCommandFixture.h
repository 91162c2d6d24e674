#pragma once
// An address file of a few records in a temporary folder for the ZIP commands of
// ravenpost-batch, run as a process with its own data folder.
#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>

#include "BatchFixture.h"

namespace rp {

class ZipCommandFixture : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        add({{"LNAME", "Young"}, {"FNAME", "Ann"}, {"STATE", "ID"}, {"ZIP", "83702"}});  // 1
        add({{"LNAME", "Adams"}, {"FNAME", "Bob"}, {"STATE", "NV"}, {"ZIP", "89501"}});  // 2
        add({{"LNAME", "Baker"},
             {"FNAME", "Cy"},
             {"STATE", "ZZ"},
             {"ZIP", "83702"},
             {"PREFIX", "DELETED"}});                                                     // 3
        add({{"LNAME", "Cruz"}, {"FNAME", "Dee"}, {"STATE", "ID"}, {"ZIP", "97201"}});    // 4
        add({{"LNAME", "Diaz"}, {"FNAME", "Eve"}, {"STATE", "XX"}, {"ZIP", "12345"}});    // 5
        add({{"LNAME", "Evans"}, {"FNAME", "Flo"}, {"STATE", ""}, {"ZIP", "83702"}});     // 6
        add({{"LNAME", "Ford"}, {"FNAME", "Gus"}, {"STATE", "IL"}, {"ZIP", ""}});         // 7
        add({{"LNAME", "Abel"}, {"FNAME", "Hal"}, {"STATE", "ON"}, {"ZIP", "M5V 2T6"}});  // 8
        handOver();
    }

    static QByteArray bytesOf(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
};

}  // namespace rp
