#pragma once
// ravenpost-batch run as a process on the address file a test filled in a temporary folder,
// with its own data folder; the run's status and what it wrote.
#include <gtest/gtest.h>
#include <QProcess>

#include "app/AddressFileFixture.h"

namespace rp {

struct BatchRun {
    int status = -1;
    QString out;
    QString err;
};

class BatchFixture : public AddressFileFixture {
  protected:
    // Closes the address file the test filled, so that the process can open it.
    void handOver() {
        table.close();
        file = QString::fromStdString(dir.file("BROWSE.DBF"));
        home = QString::fromStdString(dir.file("home"));
    }

    BatchRun batch(QStringList arguments) {
        arguments << QStringLiteral("--home") << home;
        QProcess process;
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

    QString file;  // the address file
    QString home;  // the data folder
};

}  // namespace rp
