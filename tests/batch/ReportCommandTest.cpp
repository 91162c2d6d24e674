// ravenpost-batch report on a generated address file of 1,000 records: each layout to a PDF
// holding every chosen record once, in its layout's order, without the records whose key sorts
// before "0" in layouts 1 to 3; the codes and memo under their records; the paper --paper
// names; the option errors.
#include <gtest/gtest.h>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <string>
#include <vector>

#include "BatchFixture.h"
#include "PdfInfo.h"
#include "data/RecordText.h"

namespace rp {
namespace {

constexpr int kRecords = 1000;

struct Person {
    std::string name;  // LNAME as stored
    std::string org;   // ORG as stored
};

QString number(int n) {
    return QStringLiteral("%1").arg(n, 3, 10, QChar(u'0'));
}

class ReportCommandTest : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        table->deleteIndexes();
        for (int i = 0; i < kRecords; ++i) {
            const int n = (i * 7919) % kRecords;  // appended out of order
            Person p;
            // A leading blank sorts before "0": left out of layouts 1 and 2.
            p.name = (n % 100 == 0 ? " Name" : "Name") + number(n).toStdString();
            // No organization: left out of layout 3.
            p.org = n % 100 == 50 ? "" : "Org" + number((n * 37) % kRecords).toStdString();
            table->appendBlank();
            table->setText("LNAME", p.name);
            table->setText("FNAME", "Pat");
            table->setText("ORG", p.org);
            table->setText("CITY", "Boise");
            if (n == 7) {
                table->setText("NOTES", "VIP");
                setMemoText(table.table(), "MEMO",
                            QStringLiteral("Met at the fair\r\nCall in May"));
            }
            table->post();
            people.push_back(p);
        }
        ASSERT_TRUE(createAddressTags(table));
        handOver();
        pdf = QString::fromStdString(dir.file("report.pdf"));
    }

    static std::string upper(std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        return text;
    }

    // The names ("NameNNN") a layout prints, in its tag's order.
    QStringList expectedNames(int layout) const {
        std::vector<std::pair<std::string, std::string>> keyed;
        for (const Person& p : people) {
            const std::string key = upper(layout == 3 ? p.org : p.name);
            if (layout != 4 && key < "0") continue;
            std::string name = p.name;
            name.erase(0, name.find_first_not_of(' '));
            keyed.emplace_back(key, name);
        }
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        QStringList names;
        for (const auto& [key, name] : keyed) names << QString::fromStdString(name);
        return names;
    }

    // The names as the PDF's text holds them, in drawn order.
    static QStringList drawnNames(const QString& text) {
        QStringList names;
        static const QRegularExpression name(QStringLiteral("Name\\d{3},"));
        for (auto it = name.globalMatch(text); it.hasNext();)
            names << it.next().captured().chopped(1);
        return names;
    }

    static QString drawnText(const QString& pdf) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
        text.waitForFinished(60000);
        return QString::fromUtf8(text.readAllStandardOutput());
    }

    std::vector<Person> people;
    QString pdf;
};

TEST_F(ReportCommandTest, EachLayoutPrintsEveryChosenRecordOnceInItsOrder) {
    for (const int layout : {1, 2, 3, 4}) {
        SCOPED_TRACE(layout);
        const BatchRun run = batch({"report", file, "--layout", QString::number(layout), "--title",
                                    "Member List", "--output", pdf, "--quiet"});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const QString text = drawnText(pdf);
        EXPECT_TRUE(text.contains(QStringLiteral("Member List")));
        EXPECT_TRUE(text.contains(QStringLiteral("Page 2")));
        const QStringList expected = expectedNames(layout);
        EXPECT_EQ(expected.size(), layout == 4 ? kRecords : kRecords - 10);
        EXPECT_EQ(drawnNames(text), expected);
        // Codes and memo only when asked.
        EXPECT_FALSE(text.contains(QStringLiteral("Met at the fair")));
    }
}

TEST_F(ReportCommandTest, CodesAndMemoUnderTheirRecord) {
    const BatchRun run = batch({"report", file, "--layout", "2", "--title", "With memo", "--memo",
                                "--codes", "--output", pdf, "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString text = drawnText(pdf);
    const qsizetype name = text.indexOf(QStringLiteral("Name007,"));
    const qsizetype codes = text.indexOf(QStringLiteral("Codes: VIP"));
    const qsizetype memo = text.indexOf(QStringLiteral("Met at the fair"));
    const qsizetype next = text.indexOf(QStringLiteral("Name008,"));
    ASSERT_GE(name, 0);
    EXPECT_GT(codes, name);
    EXPECT_GT(memo, codes);
    EXPECT_GT(text.indexOf(QStringLiteral("Call in May")), memo);
    EXPECT_GT(next, text.indexOf(QStringLiteral("Call in May")));
}

TEST_F(ReportCommandTest, PaperNamesTheSheetAndABadOneIsRefused) {
    const struct {
        QString paper;
        QString size;
    } sheets[] = {
        {"Letter", "612 x 792 pts"},
        {"A4", "595 x 842 pts"},
        {"letter", "612 x 792 pts"},
        {"8x10", "576 x 720 pts"},
    };
    for (const auto& c : sheets) {
        SCOPED_TRACE(c.paper.toStdString());
        QFile::remove(pdf);
        const BatchRun run = batch({"report", file, "--layout", "1", "--title", "Members",
                                    "--output", pdf, "--paper", c.paper, "--quiet"});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_TRUE(pdfInfo(pdf, "Page size").startsWith(c.size))
            << pdfInfo(pdf, "Page size").toStdString();
    }

    const struct {
        QString paper;
        QString err;
    } refused[] = {
        {"Legal",
         "ravenpost-batch report: --paper must be Letter, A4 or WIDTHxHEIGHT in inches, not "
         "\"Legal\"\n"},
        {"8.5x201",
         "ravenpost-batch report: --paper: a page can be at most 200 inches (508 cm) a side.\n"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.paper.toStdString());
        QFile::remove(pdf);
        const BatchRun run = batch({"report", file, "--layout", "1", "--title", "Members",
                                    "--output", pdf, "--paper", c.paper, "--quiet"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, c.err);
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

TEST_F(ReportCommandTest, StartRecordAndOptionErrors) {
    // Record 2 holds Name919 (the second appended): the report starts there.
    BatchRun run = batch({"report", file, "--layout", "1", "--title", "From", "--start-record", "2",
                          "--output", pdf, "--quiet"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList all = expectedNames(1);
    EXPECT_EQ(drawnNames(drawnText(pdf)), all.mid(all.indexOf(QStringLiteral("Name919"))));

    run = batch({"report", file, "--title", "T", "--output", pdf});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--layout 1..4 is needed")))
        << run.err.toStdString();
    run = batch({"report", file, "--layout", "5", "--title", "T", "--output", pdf});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--layout takes 1, 2, 3 or 4")))
        << run.err.toStdString();
    run = batch({"report", file, "--layout", "1", "--output", pdf});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--title TEXT is needed")))
        << run.err.toStdString();
    run = batch({"report", file, "--layout", "1", "--title", "T", "--copies", "2"});
    EXPECT_EQ(run.status, 1);
}

}  // namespace
}  // namespace rp
