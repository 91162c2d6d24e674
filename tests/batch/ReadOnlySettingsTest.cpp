// ravenpost-batch with its data folder on a read-only file system (a read-only bind in a mount
// namespace of its own, which root cannot write either): the labels print as they do with a
// writable folder, the Intelligent Mail serial that cannot be stored is told in one line on
// standard error, and the job succeeds.
#include <gtest/gtest.h>

#include <QProcess>

#include "BatchFixture.h"
#include "data/IniFile.h"

namespace rp {
namespace {

// Runs program with arguments after making folder read-only for it alone.
const QString kReadOnlyRun = QStringLiteral(
    "folder=$1; shift; mount --bind \"$folder\" \"$folder\" && "
    "mount -o remount,bind,ro \"$folder\" && exec \"$@\"");

class ReadOnlySettingsTest : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        addBarcodeReaders(3);
        IniFile settings(ini());
        settings.writeString("PostalBarcode", "BarcodeId", "00");
        settings.writeString("PostalBarcode", "ServiceType", "700");
        settings.writeString("PostalBarcode", "MailerId", "123456");
        settings.writeString("PostalBarcode", "NextSerial", "1000");
    }

    QString ini() const { return home + "/RAVENP.INI"; }

    // The batch run with the data folder read-only; nullopt where such a bind is not allowed.
    std::optional<BatchRun> batchReadOnly(QStringList arguments) {
        QProcess probe;
        probe.start("unshare", {"-m", "sh", "-c", kReadOnlyRun, "sh", home, "sh", "-c",
                                "! touch \"$0/probe\" 2>/dev/null", home});
        if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit ||
            probe.exitCode() != 0)
            return std::nullopt;
        arguments.prepend(QStringLiteral(RAVENPOST_BATCH_PATH));
        arguments << "--home" << home;
        QProcess process;
        process.setWorkingDirectory(QString::fromStdString(dir.path()));
        process.start("unshare",
                      QStringList{"-m", "sh", "-c", kReadOnlyRun, "sh", home} + arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return BatchRun{process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                        QString::fromLocal8Bit(process.readAllStandardError())};
    }
};

TEST_F(ReadOnlySettingsTest, ASerialThatCannotBeStoredIsToldInOneLineAndTheLabelsPrint) {
    const QString writablePdf = QString::fromStdString(dir.file("writable.pdf"));
    const QString readOnlyPdf = QString::fromStdString(dir.file("read-only.pdf"));
    const QStringList labels = {
        "labels",    file,  "--setup", "Shipping labels, 2 x 4 with barcode",
        "--barcode", "imb", "--quiet", "--output"};
    // A first run copies the side files into the data folder and stores the serial.
    const BatchRun writable = batch(QStringList(labels) << writablePdf);
    ASSERT_EQ(writable.status, 0) << writable.err.toStdString();
    ASSERT_EQ(IniFile(ini()).readString("PostalBarcode", "NextSerial"), "1003");

    const auto readOnly = batchReadOnly(QStringList(labels) << readOnlyPdf);
    if (!readOnly) GTEST_SKIP() << "a read-only bind mount is not allowed on this machine";
    EXPECT_EQ(readOnly->status, 0) << readOnly->err.toStdString();
    EXPECT_EQ(readOnly->err.toStdString(),
              ("Your settings cannot be saved in " + ini() +
               ", so printer choices, recent files and other settings you "
               "change will not be remembered. The file " +
               ini() + " cannot be written: Existing file " + ini() + " is not writable\n")
                  .toStdString());
    EXPECT_EQ(IniFile(ini()).readString("PostalBarcode", "NextSerial"), "1003");
    EXPECT_EQ(pdfText(readOnlyPdf), pdfText(writablePdf));
    EXPECT_FALSE(pdfText(readOnlyPdf).isEmpty());
}

}  // namespace
}  // namespace rp
