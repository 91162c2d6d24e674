#pragma once
// ravenpost-batch run as a process on the address file a test filled in a temporary folder,
// with its own data folder; the run's status and what it wrote.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <functional>

#include "support/AddressFileFixture.h"

namespace rp {

// Has the process press Ctrl+C for itself once a pass has done records records (the batch
// program's test hook), so that the stop always comes at that record.
inline void stopAfterRecords(QProcess& process, int records) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("RAVENPOST_BATCH_STOP_AFTER"), QString::number(records));
    process.setProcessEnvironment(environment);
}

struct BatchRun {
    int status = -1;
    QString out;
    QString err;
};

class BatchFixture : public AddressFileFixture {
  protected:
    // Ann Young of Boise, Bob Adams of Reno, and Cy Baker of Boise marked DELETED, in that
    // order; withYoung may fill in more of Young's record while it is current.
    void addThreeAddresses(const std::function<void()>& withYoung = {}) {
        add({{"LNAME", "Young"},
             {"FNAME", "Ann"},
             {"STREET", "1 Elm St"},
             {"CITY", "Boise"},
             {"STATE", "ID"},
             {"ZIP", "83702"}});
        if (withYoung) withYoung();
        add({{"LNAME", "Adams"},
             {"FNAME", "Bob"},
             {"STREET", "2 Oak Ave"},
             {"CITY", "Reno"},
             {"STATE", "NV"},
             {"ZIP", "89501"}});
        add({{"LNAME", "Baker"},
             {"FNAME", "Cy"},
             {"STREET", "3 Pine Rd"},
             {"CITY", "Boise"},
             {"STATE", "ID"},
             {"ZIP", "83706"},
             {"PREFIX", "DELETED"}});
    }

    // count readers at one Boise street with a ZIP+4 (postal barcodes for each), handed over
    // to the process with the data folder made.
    void addBarcodeReaders(int count) {
        for (int i = 0; i < count; ++i)
            add({{"LNAME", "Reader" + std::to_string(i)},
                 {"STREET", "12 Main St"},
                 {"CITY", "Boise"},
                 {"STATE", "ID"},
                 {"ZIP", "83702-1234"}});
        handOver();
        QDir().mkpath(home);
    }

    // Closes the address file the test filled, so that the process can open it.
    void handOver() {
        table.close();
        file = QString::fromStdString(dir.file("BROWSE.DBF"));
        home = QString::fromStdString(dir.file("home"));
    }

    BatchRun batch(QStringList arguments) {
        arguments << QStringLiteral("--home") << home;
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(QString::fromStdString(dir.path()));
        process.start(QStringLiteral(RAVENPOST_BATCH_PATH), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    static QString pdfText(const QString& pdf) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        text.waitForFinished(30000);
        return QString::fromUtf8(text.readAllStandardOutput());
    }

    // Every file of the address file (table, memo, index) with its bytes.
    QMap<QString, QByteArray> addressFiles() const {
        QMap<QString, QByteArray> files;
        const QDir folder = QFileInfo(file).dir();
        for (const QString& name :
             folder.entryList({QFileInfo(file).completeBaseName() + ".*"}, QDir::Files)) {
            QFile f(folder.filePath(name));
            EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
            files[name] = f.readAll();
        }
        return files;
    }

    QString file;  // the address file
    QString home;  // the data folder
    // The environment the runs get.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

}  // namespace rp
