// The list report as drawn: the page heading with its column headings, the cells of each
// layout cut at their columns, layout 4's rules, page breaks, the codes and memo bands, and
// the records the choices and the start leave.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/AddressLayout.h"
#include "data/RecordText.h"
#include "framework/ReportCanvas.h"
#include "framework/ReportTextMetrics.h"
#include "reports/ListReport.h"
#include "support/AddressFileFixture.h"
#include "support/QtPrinting.h"
#include "support/ReportLog.h"

namespace rp {
namespace {

constexpr double kTiny = 1e-9;
constexpr double kAreaTop = 1.5;
constexpr double kAreaBottom = 10.0;  // on 11-inch paper

const ReportTextMetrics& body() {
    static const ReportTextMetrics metrics(ReportFont{QStringLiteral("Arial"), 9, false, false});
    return metrics;
}

// The baseline of line n (from 0) of the rows' area.
double rowBaseline(int n) {
    return kAreaTop + body().ascent() + n * body().lineHeight();
}

int linesPerPage() {
    return static_cast<int>(std::floor((kAreaBottom - kAreaTop) / body().lineHeight() + kTiny));
}

class ListReportJobTest : public AddressFileFixture {
  protected:
    using Fields = std::map<std::string, std::string>;

    void SetUp() override {
        AddressFileFixture::SetUp();
        engine.settings.hideDeleted = true;
        table->setFilter(kStandingCondition.toStdString());
    }

    std::uint32_t addRecord(const Fields& values, const QString& memo = {},
                            xbase::JulianDay date = 0) {
        table->appendBlank();
        for (const auto& [field, value] : values) table->setText(field, value);
        if (date) table->setDate("DATE", date);
        if (!memo.isEmpty()) setMemoText(table.table(), "MEMO", memo);
        table->post();
        return table->recNo();
    }

    // n records "Name000".."Name(n-1)" with organizations "Org000".., tags built afterwards.
    void addNumbered(int n) {
        table->deleteIndexes();
        for (int i = 0; i < n; ++i) {
            const std::string number =
                QStringLiteral("%1").arg(i, 3, 10, QChar(u'0')).toStdString();
            addRecord({{"LNAME", "Name" + number}, {"FNAME", "Pat"}, {"ORG", "Org" + number}});
        }
        ASSERT_TRUE(createAddressTags(table));
        table->setOrder("LNAME");
    }

    ListReportRequest request(int layout) const {
        ListReportRequest r;
        r.layout = layout;
        r.title = QStringLiteral("Members");
        r.records = ReportRecords::All;
        return r;
    }

    ReportLog& draw(
        const ListReportRequest& r, std::uint32_t current = 1,
        const std::function<bool()>& keepGoing = [] { return true; },
        const ReportPaper& paper = ReportPaper()) {
        chooseReportRecords(table.table(), r, current);
        log = std::make_unique<ReportLog>();
        ReportCanvas canvas(*log);
        if (paper.kind() == PaperKind::Custom)
            canvas.setCustomPaper(paper.width(), paper.length());
        else
            canvas.setPaper(paper.kind());
        listReportJob(table.table(), r)(canvas, keepGoing);
        canvas.finish();
        return *log;
    }

    // The texts below the area's top edge on that page (0: all pages): the records' rows.
    QStringList rowTexts(int page = 0) const {
        QStringList texts;
        for (const TextRun& run : log->texts(page))
            if (run.baseline > kAreaTop) texts << run.text;
        return texts;
    }

    std::vector<RectOp> shades(int percent) const {
        std::vector<RectOp> found;
        for (const RectOp& rect : log->rects())
            if (rect.shade == percent) found.push_back(rect);
        return found;
    }

    std::unique_ptr<ReportLog> log;
};

TEST_F(ListReportJobTest, HeadingTitlePageNumberTimeAndRulesAroundTheRows) {
    addRecord({{"LNAME", "Smith"}});
    draw(request(1));
    ASSERT_TRUE(log->ended());
    ASSERT_EQ(log->pages(), 1);
    const ReportTextMetrics heading(ReportFont{QStringLiteral("Times New Roman"), 14, true, false});

    const TextRun title = log->text("Members");
    EXPECT_NEAR(title.x, 1.0, kTiny);
    EXPECT_NEAR(title.baseline, 0.5 + heading.ascent(), kTiny);
    EXPECT_EQ(title.font, (ReportFont{QStringLiteral("Times New Roman"), 14, true, false}));

    const TextRun page = log->text("Page 1");
    EXPECT_EQ(page.align, TextAlign::Right);
    EXPECT_NEAR(page.x + page.width, 8.0, kTiny);
    EXPECT_NEAR(page.baseline, title.baseline, kTiny);

    // The time of day on the next line, right-aligned at the same edge.
    const std::vector<TextRun> texts = log->texts(1);
    ASSERT_GE(texts.size(), 3u);
    EXPECT_FALSE(texts[2].text.isEmpty());
    EXPECT_EQ(texts[2].align, TextAlign::Right);
    EXPECT_NEAR(texts[2].x + texts[2].width, 8.0, kTiny);
    EXPECT_NEAR(texts[2].baseline, title.baseline + heading.lineHeight(), kTiny);

    const std::vector<LineOp> lines = log->lines(1);
    ASSERT_EQ(lines.size(), 2u);
    for (const auto& [line, y] :
         {std::pair{lines[0], kAreaTop}, std::pair{lines[1], kAreaBottom}}) {
        EXPECT_NEAR(line.from.x(), 1.0, kTiny);
        EXPECT_NEAR(line.to.x(), 8.0, kTiny);
        EXPECT_NEAR(line.from.y(), y, kTiny);
        EXPECT_NEAR(line.to.y(), y, kTiny);
        EXPECT_EQ(line.pen.colour, QColor(Qt::black));
    }
    // The rows are in Arial 9, neither bold nor italic.
    EXPECT_EQ(log->text("Smith,  ").font, (ReportFont{QStringLiteral("Arial"), 9, false, false}));
}

TEST_F(ListReportJobTest, ALongTitleEndsInAnEllipsisABlankShortOfThePageNumber) {
    addRecord({{"LNAME", "Smith"}});
    const ReportTextMetrics heading(ReportFont{QStringLiteral("Times New Roman"), 14, true, false});
    QString title;
    while (title.size() < 200) title += QStringLiteral("Members of the county association, ");
    title.truncate(200);
    ListReportRequest r = request(1);
    r.title = title;
    draw(r);
    const TextRun page = log->text("Page 1");
    const TextRun drawn = log->texts(1).front();
    ASSERT_TRUE(drawn.text.endsWith(QChar(0x2026))) << drawn.text.toStdString();
    const QString kept = drawn.text.chopped(1);
    EXPECT_TRUE(title.startsWith(kept));
    EXPECT_NEAR(drawn.x, 1.0, kTiny);
    EXPECT_NEAR(drawn.baseline, page.baseline, kTiny);
    const double room = page.x - heading.width(QStringLiteral(" "));
    EXPECT_LE(drawn.x + drawn.width, room + kTiny);
    // As long as it can be: one more character would not fit.
    EXPECT_GT(1.0 + heading.width(title.left(kept.size() + 1) + QChar(0x2026)), room);
    EXPECT_GT(drawn.x + drawn.width, room - 0.2);

    // A title that fits is printed whole.
    r.title = title.left(40);
    draw(r);
    EXPECT_EQ(log->texts(1).front().text, title.left(40));
}

TEST_F(ListReportJobTest, LineBreaksInTheTitlePrintAsBlanks) {
    addRecord({{"LNAME", "Smith"}});
    const QString titles[] = {"Members\r\nof 2026", "Members\nof 2026", "Members\rof 2026",
                              QStringLiteral("Members\u2028of 2026"),
                              QStringLiteral("Members\u2029of 2026")};
    for (const QString& title : titles) {
        SCOPED_TRACE(title.toStdString());
        ListReportRequest r = request(1);
        r.title = title;
        draw(r);
        const TextRun drawn = log->texts(1).front();
        EXPECT_EQ(drawn.text, "Members of 2026");
        EXPECT_NEAR(drawn.x, 1.0, kTiny);
    }
}

TEST_F(ListReportJobTest, ColumnHeadingsAtTheirTabStops) {
    struct Heading {
        const char* text;
        double x;
        int line;
    };
    struct Case {
        int layout;
        double top;  // where the headings start, before their first line
        std::vector<Heading> headings;
    };
    const Case cases[] = {
        {1,
         1.3,
         {{"Name", 1, 0}, {"Address", 2.75, 0}, {"City/St/Zip", 4.9, 0}, {"Phone", 6.9, 0}}},
        {2, 1.3, {{"Name", 1, 0}, {"Organization", 3, 0}, {"Phone", 5.5, 0}, {"Fax", 7, 0}}},
        {3, 1.3, {{"Organization", 1, 0}, {"Name", 3.5, 0}, {"Phone", 5.5, 0}, {"Fax", 7, 0}}},
        {4,
         1.0,
         {{"Name", 1, 0},
          {"Title and Organization", 3.75, 0},
          {"Street", 1.5, 1},
          {"City/State/Zip", 3.75, 1},
          {"Country", 6.75, 1},
          {"Phone,Fax", 1.5, 2},
          {"Email", 3.75, 2},
          {"Date", 6.75, 2}}},
    };
    const ReportTextMetrics bold(ReportFont{QStringLiteral("Arial"), 9, true, false});
    addRecord({{"LNAME", "Smith"}, {"ORG", "Acme"}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        draw(request(c.layout));
        std::vector<TextRun> headings;
        for (const TextRun& run : log->texts(1))
            if (run.font.bold && run.font.family == QStringLiteral("Arial"))
                headings.push_back(run);
        ASSERT_EQ(headings.size(), c.headings.size());
        for (std::size_t i = 0; i < headings.size(); ++i) {
            EXPECT_EQ(headings[i].text, QString::fromLatin1(c.headings[i].text));
            EXPECT_NEAR(headings[i].x, c.headings[i].x + 0.02, kTiny);
            EXPECT_NEAR(headings[i].baseline, c.top + (1 + c.headings[i].line) * bold.lineHeight(),
                        kTiny);
        }
    }
}

TEST_F(ListReportJobTest, EachLayoutsCellsFromTheColumnEdgeCutShortOfTheNext) {
    addRecord({{"LNAME", "Smith"},
               {"FNAME", "John"},
               {"MIDDLE", "Q"},
               {"PREFIX", "Dr."},
               {"TITLE", "CEO"},
               {"ORG", "Acme"},
               {"STREET", "12 Main St"},
               {"CITY", "Boise"},
               {"STATE", "ID"},
               {"ZIP", "83702"},
               {"COUNTRY", "USA"},
               {"PHONE", "555-1234"},
               {"FAX", "555-9876"},
               {"EMAIL", "js@acme.com"}},
              {}, xbase::julianDay(2024, 3, 15));
    struct Cell {
        QString text;
        double x;
        double clip;
        int line;
    };
    struct Case {
        int layout;
        std::vector<Cell> cells;
    };
    const QString name = QStringLiteral("Smith, John Q.");
    const Case cases[] = {
        {1,
         {{name, 1, 1.55, 0},
          {"12 Main St", 2.75, 1.95, 0},
          {"Boise, ID  83702 ", 4.9, 1.8, 0},
          {"555-1234", 6.9, 1.3, 0}}},
        {2,
         {{name, 1, 1.8, 0},
          {"Acme", 3, 2.3, 0},
          {"555-1234", 5.5, 1.3, 0},
          {"555-9876", 7, 1.15, 0}}},
        {3,
         {{"Acme", 1, 2.3, 0},
          {name, 3.5, 1.8, 0},
          {"555-1234", 5.5, 1.3, 0},
          {"555-9876", 7, 1.15, 0}}},
        {4,
         {{"Smith, Dr. John Q.", 1, 2.55, 0},
          {"CEO, Acme", 3.75, 4.3, 0},
          {"12 Main St", 1.5, 2.05, 1},
          {"Boise, ID, 83702", 3.75, 2.8, 1},
          {"USA", 6.75, 1.3, 1},
          {"Ph: 555-1234  Fax: 555-9876  ", 1.5, 2.05, 2},
          {"js@acme.com", 3.75, 2.8, 2},
          {"03/15/2024", 6.75, 1.3, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        draw(request(c.layout));
        std::vector<TextRun> rows;
        for (const TextRun& run : log->texts())
            if (run.baseline > kAreaTop) rows.push_back(run);
        ASSERT_EQ(rows.size(), c.cells.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(c.cells[i].text.toStdString());
            EXPECT_EQ(rows[i].text, c.cells[i].text);
            EXPECT_NEAR(rows[i].x, c.cells[i].x, kTiny);
            EXPECT_TRUE(rows[i].clipped);
            EXPECT_NEAR(rows[i].box.left(), c.cells[i].x, kTiny);
            EXPECT_NEAR(rows[i].box.width(), c.cells[i].clip, kTiny);
            EXPECT_NEAR(rows[i].baseline, rowBaseline(c.cells[i].line), kTiny);
            EXPECT_FALSE(rows[i].font.bold);
        }
    }
}

TEST_F(ListReportJobTest, OnPaperNarrowerThanLetterTheColumnsShrinkToEndAtTheRightRule) {
    addRecord({{"LNAME", "Smith"},
               {"FNAME", "John"},
               {"TITLE", "CEO"},
               {"ORG", "Acme"},
               {"STREET", "12 Main St"},
               {"CITY", "Boise"},
               {"COUNTRY", "USA"},
               {"PHONE", "555-1234"},
               {"FAX", "555-9876"},
               {"EMAIL", "js@acme.com"}},
              {}, xbase::julianDay(2024, 3, 15));
    struct Placed {
        int column;  // from 0
        int span;    // columns the text may run across
    };
    struct Layout {
        int layout;
        std::array<double, 4> widths;  // on Letter
        std::vector<Placed> headings, cells;
    };
    const std::vector<Placed> fourInARow{{0, 1}, {1, 1}, {2, 1}, {3, 1}};
    const Layout layouts[] = {
        {1, {1.75, 2.15, 2.0, 1.5}, fourInARow, fourInARow},
        {2, {2.0, 2.5, 1.5, 1.35}, fourInARow, fourInARow},
        {3, {2.5, 2.0, 1.5, 1.35}, fourInARow, fourInARow},
        {4,
         {0.5, 2.25, 3.0, 1.5},
         {{0, 1}, {2, 1}, {1, 1}, {2, 1}, {3, 1}, {1, 1}, {2, 1}, {3, 1}},
         {{0, 2}, {2, 2}, {1, 1}, {2, 1}, {3, 1}, {1, 1}, {2, 1}, {3, 1}}},
    };
    struct Paper {
        const char* name;
        ReportPaper paper;
        bool shrinks;
    };
    const Paper papers[] = {
        {"A4", ReportPaper::standard(PaperKind::A4), true},
        {"Letter", ReportPaper(), false},
        {"11 inches wide", ReportPaper::custom(11, 8.5), false},
    };
    for (const Paper& p : papers) {
        const double paperWidth = p.paper.pageSize().width();
        for (const Layout& l : layouts) {
            SCOPED_TRACE(std::string(p.name) + ", layout " + std::to_string(l.layout));
            const double total = l.widths[0] + l.widths[1] + l.widths[2] + l.widths[3];
            const double scale = p.shrinks ? (paperWidth - 1.5) / total : 1.0;
            std::array<double, 5> edges{1.0};  // each column's left edge, then the last's right
            for (std::size_t i = 0; i < 4; ++i) edges[i + 1] = edges[i] + l.widths[i] * scale;
            if (p.shrinks) {
                EXPECT_NEAR(edges[4], paperWidth - 0.5, kTiny);
            }
            draw(
                request(l.layout), 1, [] { return true; }, p.paper);

            std::vector<TextRun> headings, cells;
            for (const TextRun& run : log->texts(1)) {
                if (run.font.family != QStringLiteral("Arial")) continue;
                (run.font.bold ? headings : cells).push_back(run);
            }
            ASSERT_EQ(headings.size(), l.headings.size());
            for (std::size_t i = 0; i < headings.size(); ++i) {
                SCOPED_TRACE(headings[i].text.toStdString());
                EXPECT_NEAR(headings[i].x, edges[l.headings[i].column] + 0.02, kTiny);
            }
            ASSERT_EQ(cells.size(), l.cells.size());
            for (std::size_t i = 0; i < cells.size(); ++i) {
                SCOPED_TRACE(cells[i].text.toStdString());
                const Placed& placed = l.cells[i];
                EXPECT_NEAR(cells[i].box.left(), edges[placed.column], kTiny);
                EXPECT_NEAR(cells[i].box.width(),
                            edges[placed.column + placed.span] - edges[placed.column] - 0.2, kTiny);
                EXPECT_EQ(cells[i].font, (ReportFont{QStringLiteral("Arial"), 9, false, false}));
            }
            // The rules still run from the left margin to half an inch from the paper's edge.
            for (const LineOp& line : log->lines(1)) {
                EXPECT_NEAR(line.from.x(), 1.0, kTiny);
                EXPECT_NEAR(line.to.x(), paperWidth - 0.5, kTiny);
            }
        }
    }
}

TEST_F(ListReportJobTest, LongTextIsCutAtTheColumnNotWrapped) {
    const std::string wide(30, 'W');
    addRecord({{"LNAME", wide}, {"STREET", "1 Elm"}});
    draw(request(1));
    const QString name = QString::fromStdString(wide) + QStringLiteral(",  ");
    const TextRun cut = log->text(name);
    EXPECT_GT(cut.width, 1.55);  // wider than its room
    EXPECT_TRUE(cut.clipped);
    EXPECT_NEAR(cut.box.right(), 1 + 1.75 - 0.2, kTiny);
    // Still one line: the street stands beside it, and nothing goes to a second line.
    EXPECT_NEAR(log->text("1 Elm").baseline, cut.baseline, kTiny);
    for (const TextRun& run : log->texts()) EXPECT_LE(run.baseline, rowBaseline(0) + kTiny);
}

TEST_F(ListReportJobTest, LayoutFourRulesASilverLineUnderEachRecordThenLeavesALine) {
    addRecord({{"LNAME", "Adams"}});
    addRecord({{"LNAME", "Baker"}});
    draw(request(4));
    std::vector<LineOp> silver;
    for (const LineOp& line : log->lines())
        if (line.pen.colour == QColor(192, 192, 192)) silver.push_back(line);
    ASSERT_EQ(silver.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(silver[i].from.x(), 1.0, kTiny);
        EXPECT_NEAR(silver[i].to.x(), 8.0, kTiny);
        EXPECT_NEAR(silver[i].from.y(), rowBaseline(3 + 4 * i), kTiny);
        EXPECT_NEAR(silver[i].to.y(), silver[i].from.y(), kTiny);
        EXPECT_NEAR(silver[i].pen.width, 0.01, kTiny);
    }
    EXPECT_NEAR(log->text("Adams,  ").baseline, rowBaseline(0), kTiny);
    EXPECT_NEAR(log->text("Baker,  ").baseline, rowBaseline(4), kTiny);
    // The pen is black again for the next page's rules.
    addNumbered(30);
    draw(request(4));
    ASSERT_GT(log->pages(), 1);
    for (const LineOp& line : log->lines(2))
        if (line.from.y() == kAreaTop) {
            EXPECT_EQ(line.pen.colour, QColor(Qt::black));
        }
}

TEST_F(ListReportJobTest, PagesBreakWithTheHeadingAgainAndNoRowLeavesTheArea) {
    addNumbered(linesPerPage() + 3);
    for (const int layout : {1, 2, 3, 4}) {
        SCOPED_TRACE(layout);
        draw(request(layout));
        ASSERT_GT(log->pages(), 1);
        for (int page = 1; page <= log->pages(); ++page) {
            EXPECT_TRUE(log->textStrings(page).contains(QStringLiteral("Page %1").arg(page)));
            EXPECT_TRUE(log->textStrings(page).contains(QStringLiteral("Members")));
            for (const TextRun& run : log->texts(page))
                if (run.baseline > kAreaTop) {
                    EXPECT_LE(run.box.bottom(), kAreaBottom + kTiny) << run.text.toStdString();
                }
        }
        // Every record once, in the layout's order.
        QStringList names;
        for (const QString& text : rowTexts())
            if (text.startsWith(QStringLiteral("Name"))) names << text;
        ASSERT_EQ(names.size(), linesPerPage() + 3);
        EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    }
    // Layouts 1 to 3 fill every line of a page; the rest go on the next.
    draw(request(1));
    EXPECT_EQ(log->pages(), 2);
    int onFirst = 0;
    for (const QString& text : rowTexts(1)) onFirst += text.startsWith(QStringLiteral("Name"));
    EXPECT_EQ(onFirst, linesPerPage());
    EXPECT_NEAR(log->texts(2).back().baseline, rowBaseline(2), kTiny);
    // Layout 4 starts a record on a new page unless its three lines fit.
    draw(request(4));
    for (int page = 1; page <= log->pages(); ++page) {
        const std::vector<TextRun> runs = log->texts(page);
        for (const TextRun& run : runs)
            if (run.text.startsWith(QStringLiteral("Name"))) {
                EXPECT_LE(run.baseline + 2 * body().lineHeight() + body().descent(),
                          kAreaBottom + kTiny);
            }
    }
}

TEST_F(ListReportJobTest, CodesInAFivePercentBandWhenAskedAndPresent) {
    addRecord({{"LNAME", "Adams"}, {"NOTES", "VIP GOLD"}});
    addRecord({{"LNAME", "Baker"}});
    ListReportRequest r = request(1);
    draw(r);
    EXPECT_TRUE(shades(5).empty());
    EXPECT_FALSE(log->textStrings().contains(QStringLiteral("Codes: VIP GOLD")));

    r.codes = true;
    draw(r);
    const std::vector<RectOp> bands = shades(5);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_NEAR(bands[0].rect.left(), 1.0, kTiny);
    EXPECT_NEAR(bands[0].rect.right(), 8.0, kTiny);
    EXPECT_NEAR(bands[0].rect.top(), rowBaseline(1) - body().ascent(), kTiny);
    EXPECT_NEAR(bands[0].rect.height(), body().lineHeight(), kTiny);
    const TextRun codes = log->text("Codes: VIP GOLD");
    EXPECT_NEAR(codes.x, 1.02, kTiny);
    EXPECT_NEAR(codes.baseline, rowBaseline(1), kTiny);
    // The columns are back for the next record.
    EXPECT_NEAR(log->text("Baker,  ").baseline, rowBaseline(2), kTiny);
    EXPECT_NEAR(log->text("Baker,  ").x, 1.0, kTiny);
}

TEST_F(ListReportJobTest, MemoInATenPercentBandLineByLine) {
    addRecord({{"LNAME", "Adams"}}, QStringLiteral("First line\r\nSecond line"));
    addRecord({{"LNAME", "Baker"}}, QStringLiteral("   "));
    addRecord({{"LNAME", "Clark"}});
    ListReportRequest r = request(2);
    draw(r);
    EXPECT_TRUE(shades(10).empty());

    r.memo = true;
    draw(r);
    const std::vector<RectOp> bands = shades(10);
    ASSERT_EQ(bands.size(), 2u);  // the blank memo counts as none
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(bands[i].rect.left(), 1.0, kTiny);
        EXPECT_NEAR(bands[i].rect.width(), 7.0, kTiny);
        EXPECT_NEAR(bands[i].rect.top(), rowBaseline(1 + i) - body().ascent(), kTiny);
    }
    EXPECT_NEAR(log->text("First line").x, 1.02, kTiny);
    EXPECT_NEAR(log->text("Second line").baseline, rowBaseline(2), kTiny);
    EXPECT_NEAR(log->text("Baker,  ").baseline, rowBaseline(3), kTiny);
    EXPECT_NEAR(log->text("Clark,  ").baseline, rowBaseline(4), kTiny);
}

TEST_F(ListReportJobTest, AMemoLongerThanAPageGoesOnUnderANewHeading) {
    QStringList memo;
    const int total = linesPerPage() + 20;
    for (int i = 0; i < total; ++i) memo << QStringLiteral("Memo line %1").arg(i);
    addRecord({{"LNAME", "Adams"}}, memo.join(QStringLiteral("\r\n")));
    addRecord({{"LNAME", "Baker"}});
    ListReportRequest r = request(1);
    r.memo = true;
    draw(r);
    ASSERT_EQ(log->pages(), 2);
    // The record's line and as many memo lines as fit; the rest under page 2's heading.
    const int first = linesPerPage() - 1;
    EXPECT_EQ(rowTexts(1).filter(QStringLiteral("Memo line")).size(), first);
    const QStringList second = rowTexts(2);
    EXPECT_EQ(second.filter(QStringLiteral("Memo line")).size(), total - first);
    EXPECT_TRUE(log->textStrings(2).contains(QStringLiteral("Page 2")));
    EXPECT_TRUE(log->textStrings(2).contains(QStringLiteral("Address")));
    EXPECT_NEAR(log->text(QStringLiteral("Memo line %1").arg(first)).baseline, rowBaseline(0),
                kTiny);
    EXPECT_EQ(shades(10).size(), static_cast<std::size_t>(total));
    EXPECT_NEAR(log->text("Baker,  ").baseline, rowBaseline(total - first), kTiny);
    EXPECT_NEAR(log->text("Baker,  ").x, 1.0, kTiny);
}

TEST_F(ListReportJobTest, CityCellOnlyWhenThereIsACityStateOrZip) {
    struct Case {
        const char *city, *state, *zip;
        QString cell;  // empty: nothing in the column
    };
    const Case cases[] = {
        {"", "", "", ""},
        {"", "", "83702", "83702 "},
        {"", "ID", "", "ID  "},
        {"Boise", "", "", "Boise, "},
    };
    for (const Case& c : cases) {
        const std::uint32_t record =
            addRecord({{"LNAME", "Smith"}, {"CITY", c.city}, {"STATE", c.state}, {"ZIP", c.zip}});
        ListReportRequest r = request(1);
        r.records = ReportRecords::Current;
        draw(r, record);
        ASSERT_EQ(rowTexts().first(), QStringLiteral("Smith,  "));
        int inColumn = 0;
        for (const TextRun& run : log->texts())
            if (run.baseline > kAreaTop && std::abs(run.x - 4.9) < kTiny) {
                ++inColumn;
                EXPECT_EQ(run.text, c.cell);
            }
        EXPECT_EQ(inColumn, c.cell.isEmpty() ? 0 : 1) << c.city << c.state << c.zip;
    }
}

TEST_F(ListReportJobTest, LayoutThreeLeavesOutRecordsWithoutAnOrganization) {
    addRecord({{"LNAME", "Adams"}, {"ORG", "Zeta"}});
    addRecord({{"LNAME", "Baker"}});
    addRecord({{"LNAME", "Clark"}, {"ORG", "Alpha"}});
    addRecord({{"LNAME", "Dunn"}, {"ORG", "(Group)"}});
    draw(request(3));
    EXPECT_EQ(rowTexts().filter(QStringLiteral(", ")), QStringList({"Clark,  ", "Adams,  "}));
    EXPECT_EQ(rowTexts(), QStringList({"Alpha", "Clark,  ", "Zeta", "Adams,  "}));
    // Layout 4 keeps them all, in name order.
    draw(request(4));
    EXPECT_EQ(rowTexts().filter(QStringLiteral(",  ")),
              QStringList({"Adams,  ", "Baker,  ", "Clark,  ", "Dunn,  "}));
}

TEST_F(ListReportJobTest, TheCurrentRecordFromItselfPrintsExactlyThatRecord) {
    addRecord({{"LNAME", "Adams"}});
    const std::uint32_t baker = addRecord({{"LNAME", "Baker"}});
    addRecord({{"LNAME", "Clark"}});
    ListReportRequest r = request(1);
    r.records = ReportRecords::Current;
    r.startFromCurrent = true;
    draw(r, baker);
    EXPECT_EQ(rowTexts(), QStringList({"Baker,  "}));

    // From the current record, all records: Baker and those after it.
    r.records = ReportRecords::All;
    table->setFilter(kStandingCondition.toStdString());
    draw(r, baker);
    EXPECT_EQ(rowTexts().filter(QStringLiteral(",")), QStringList({"Baker,  ", "Clark,  "}));
}

TEST_F(ListReportJobTest, StopsAsSoonAsToldAfterARecord) {
    addNumbered(5);
    int asked = 0;
    draw(request(2), 1, [&] { return ++asked < 2; });
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(rowTexts().filter(QStringLiteral("Name")),
              QStringList({"Name000, Pat ", "Name001, Pat "}));
}

TEST_F(ListReportJobTest, PaperNarrowerThanTheMemoMarginsStillEnds) {
    addRecord({{"LNAME", "Adams"}}, QStringLiteral("ab cd"));
    ListReportRequest r = request(1);
    r.memo = true;
    draw(
        r, 1, [] { return true; }, ReportPaper::custom(2.0, 11));
    ASSERT_TRUE(log->ended());
    EXPECT_EQ(rowTexts().mid(rowTexts().size() - 4), QStringList({"a", "b", "c", "d"}));
}

}  // namespace
}  // namespace rp
