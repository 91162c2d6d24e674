#pragma once
// An address file of three records (one marked DELETED in PREFIX) in a temporary folder, for
// ravenpost-batch commands that change or copy it, run as a process with their own data folder.
#include <QDir>
#include <QFile>
#include <QProcess>

#include "BatchFixture.h"
#include "xbase/DateUtil.h"

namespace rp {

class UtilityCommandFixture : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        addThreeAddresses([this] {
            table->setText("NOTES", "vip");
            table->setDate("DATE", xbase::julianDay(2024, 3, 15));
            table->setMemo("MEMO", "Met at the fair");
            table->post();
        });
        handOver();
    }

    static QByteArray bytesOf(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The field of every record, in record order, read after the run.
    std::vector<std::string> column(const char* field) {
        table.open(QString::fromStdString(dir.path()), QStringLiteral("BROWSE.DBF"));
        table->setOrder(0);
        std::vector<std::string> values;
        for (std::uint32_t r = 1; r <= table->recordCount(); ++r) {
            table->go(r);
            values.push_back(table->text(field));
        }
        table.close();
        return values;
    }
};

}  // namespace rp
