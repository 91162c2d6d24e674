// The Filter page: Set Now and Clear with their texts, Enter between the lines, the help on
// each line, and the lines placed over the record page's fields.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/FilterPage.h"
#include "app/RecordPage.h"
#include "data/AddressLayout.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

// The texts a label had each time it was painted.
class PaintedTexts : public QObject {
  public:
    explicit PaintedTexts(QLabel* label) : label_(label) { label->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) texts += label_->text();
        return false;
    }
    QStringList texts;

  private:
    QLabel* label_;
};

class FilterPageTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        engine.settings.hideDeleted = true;
        add({{"LNAME", "Brown"}});
        add({{"LNAME", "Browning"}, {"NOTES", "VIP"}});
        add({{"LNAME", "Green"}, {"NOTES", "vip"}});
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }
    void setNow() { page.setNow(table.table(), "mm/dd/yyyy", user); }

    FilterPage page;
    QString user;
};

TEST_F(FilterPageTest, SetNowShowsSearchingThenTheMatchesAndClearShowsAll) {
    PaintedTexts painted(page.countLabel());
    page.line(0)->setText("brown");
    page.line(13)->setText("$vip");
    setNow();
    EXPECT_EQ(painted.texts.value(0), "Searching...");
    EXPECT_EQ(page.countLabel()->text(), "1 matches");
    EXPECT_EQ(user, R"(UPPER(LNAME)="BROWN" and "VIP"$UPPER(NOTES))");

    // Nothing matches: the query stays, but no filter counts as set.
    page.line(0)->setText("zz");
    setNow();
    EXPECT_EQ(page.countLabel()->text(), "0 matches");
    EXPECT_EQ(user, "");
    EXPECT_EQ(table->filter(),
              joinedFilter(R"(UPPER(LNAME)="ZZ" and "VIP"$UPPER(NOTES))").toStdString());

    table->go(1);
    table->setText("PREFIX", "Deleted");
    table->post();
    QSignalSpy asked(&page, &FilterPage::setNowRequested);
    QObject::connect(&page, &FilterPage::setNowRequested, &page, [this] { setNow(); });
    QTest::mouseClick(page.clearButton(), Qt::LeftButton);
    EXPECT_EQ(asked.count(), 1);
    for (int i = 0; i < kFilterLineCount; ++i) EXPECT_TRUE(page.line(i)->text().isEmpty());
    EXPECT_EQ(page.countLabel()->text(), "2 matches (all records)");
    EXPECT_EQ(table->filter(), kStandingCondition.toStdString());
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(FilterPageTest, EnterMovesToTheNextLineAndEachLineExplainsItself) {
    QApplication::setActiveWindow(&page);
    page.line(0)->setFocus();
    QTest::keyClick(page.line(0), Qt::Key_Return);
    EXPECT_TRUE(page.line(1)->hasFocus());
    QTest::keyClick(page.line(1), Qt::Key_Enter);
    EXPECT_TRUE(page.line(2)->hasFocus());
    for (int i = 0; i < kFilterLineCount; ++i) {
        const QString help = page.line(i)->whatsThis();
        EXPECT_TRUE(help.contains(">=")) << i;
        EXPECT_EQ(help.contains("a;b"), !filterLineDefs()[static_cast<std::size_t>(i)].date) << i;
    }
}

// A record page and a Filter page over it in one window.
class FilterPageGeometry : public ::testing::Test {
  protected:
    void SetUp() override {
        record->setGeometry(0, 0, 760, 420);
        filter->setGeometry(0, 0, 760, 420);
        window.resize(760, 420);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void copyGeometry() {
        filter->copyGeometryFrom(
            [&](const QString& n) { return rectOnPage(record, record->field(n)); },
            [&](const QString& n) { return rectOnPage(record, buddyLabelOf(record->field(n))); });
    }

    QWidget window;
    RecordPage* record = new RecordPage(&window);
    FilterPage* filter = new FilterPage(&window);
};

TEST_F(FilterPageGeometry, LinesAndLabelsTakeTheRecordPagePlaces) {
    copyGeometry();
    for (int i = 0; i < kFilterLineCount; ++i) {
        const QString name = filterLineDefs()[static_cast<std::size_t>(i)].field;
        EXPECT_EQ(filter->line(i)->geometry(), rectOnPage(record, record->field(name))) << i;
        const QLabel* label = buddyLabelOf(record->field(name));
        ASSERT_NE(label, nullptr) << i;
        EXPECT_EQ(filter->label(i)->geometry(), rectOnPage(record, label)) << i;
    }
    EXPECT_GT(filter->setNowButton()->mapTo(filter, QPoint()).y(),
              filter->line(13)->geometry().bottom());
}

// The record page's date field fits a date ("01/15/1993"); the Filter page's date line is widened
// so that its placeholder, the date format, shows whole rather than cut to "mm/dd/y...".
TEST_F(FilterPageGeometry, TheDateLineShowsTheWholeDateFormat) {
    // As narrow as the main window makes it: a date and the line's margins.
    QWidget* dateField = record->field(QStringLiteral("DATE"));
    dateField->resize(dateField->fontMetrics().horizontalAdvance(QStringLiteral("01/15/1993")) + 8,
                      dateField->height());
    copyGeometry();
    filter->setDateFormat(QStringLiteral("mm/dd/yyyy"));
    int dateLine = 0;
    while (!filterLineDefs()[static_cast<std::size_t>(dateLine)].date) ++dateLine;
    QLineEdit* date = filter->line(dateLine);
    const QRect field = rectOnPage(record, dateField);
    EXPECT_EQ(date->geometry().topLeft(), field.topLeft());
    EXPECT_EQ(date->height(), field.height());
    EXPECT_GT(date->width(), field.width());

    // Painted as a line wide enough for anything, apart from the right end of the frame.
    auto* wide = new QLineEdit(filter);
    wide->setPlaceholderText(date->placeholderText());
    wide->setGeometry(0, 0, 400, date->height());
    const QRect inside(0, 0, date->width() - 4, date->height());
    EXPECT_EQ(date->grab(inside).toImage(), wide->grab(inside).toImage());
}

}  // namespace
}  // namespace rp
