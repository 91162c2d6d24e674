// Drawing the list report: the page heading with its column headings, one line (three for
// layout 4) per record, and under each record its codes and memo in shaded bands.
#include <QCoreApplication>
#include <QLocale>
#include <QTime>
#include <algorithm>
#include <array>

#include "data/DateText.h"
#include "data/FieldText.h"
#include "framework/ReportCanvas.h"
#include "reports/ListReport.h"
#include "reports/MemoWrap.h"
#include "reports/ReportTexts.h"
#include "reports/ReportTitle.h"
#include "xbase/Table.h"

namespace rp {
namespace {

constexpr double kMargin = 0.5;
constexpr double kLeft = 1.0;
constexpr double kFontPoints = 9;
constexpr double kCellMargin = 0.02;
// Text in a column stops this much short of the column's right edge.
constexpr double kClipAllowance = 0.2;
constexpr int kCodesShade = 5;
constexpr int kMemoShade = 10;
constexpr int kLayoutFourLines = 3;

struct Column {
    const char* heading;
    double width;
};

using Columns = std::array<Column, 4>;

const Columns& layoutColumns(int layout) {
    static const Columns kColumns[] = {{{{QT_TRANSLATE_NOOP("ListReport", "Name"), 1.75},
                                         {QT_TRANSLATE_NOOP("ListReport", "Address"), 2.15},
                                         {QT_TRANSLATE_NOOP("ListReport", "City/St/Zip"), 2.0},
                                         {QT_TRANSLATE_NOOP("ListReport", "Phone"), 1.5}}},
                                       {{{QT_TRANSLATE_NOOP("ListReport", "Name"), 2.0},
                                         {QT_TRANSLATE_NOOP("ListReport", "Organization"), 2.5},
                                         {QT_TRANSLATE_NOOP("ListReport", "Phone"), 1.5},
                                         {QT_TRANSLATE_NOOP("ListReport", "Fax"), 1.35}}},
                                       {{{QT_TRANSLATE_NOOP("ListReport", "Organization"), 2.5},
                                         {QT_TRANSLATE_NOOP("ListReport", "Name"), 2.0},
                                         {QT_TRANSLATE_NOOP("ListReport", "Phone"), 1.5},
                                         {QT_TRANSLATE_NOOP("ListReport", "Fax"), 1.35}}},
                                       {{{"", 0.5}, {"", 2.25}, {"", 3.0}, {"", 1.5}}}};
    return kColumns[std::clamp(layout, 1, 4) - 1];
}

// The three heading lines of layout 4, column by column (an empty one stays empty).
const std::array<std::array<const char*, 4>, 3> kLayoutFourHeadings{
    {{QT_TRANSLATE_NOOP("ListReport", "Name"), "",
      QT_TRANSLATE_NOOP("ListReport", "Title and Organization"), ""},
     {"", QT_TRANSLATE_NOOP("ListReport", "Street"),
      QT_TRANSLATE_NOOP("ListReport", "City/State/Zip"),
      QT_TRANSLATE_NOOP("ListReport", "Country")},
     {"", QT_TRANSLATE_NOOP("ListReport", "Phone,Fax"), QT_TRANSLATE_NOOP("ListReport", "Email"),
      QT_TRANSLATE_NOOP("ListReport", "Date")}}};

QString columnHeading(const char* text) {
    return *text ? QCoreApplication::translate("ListReport", text) : QString();
}

// On paper narrower than Letter the columns shrink in proportion so that the last ends at the
// right rule (paper width less 0.5), as the first starts at the left margin; on Letter and
// wider paper they keep their widths.
double columnScale(int layout, double paperWidth) {
    constexpr double kLetterWidth = 8.5;
    if (paperWidth >= kLetterWidth) return 1.0;
    double total = 0;
    for (const Column& column : layoutColumns(layout)) total += column.width;
    return std::max(0.0, paperWidth - kLeft - kMargin) / total;
}

ReportFont arial(bool bold) {
    return ReportFont{QStringLiteral("Arial"), kFontPoints, bold, false};
}

class ListReportDrawing {
  public:
    ListReportDrawing(xbase::Table& table, const ListReportRequest& request, ReportCanvas& canvas)
        : table_(table),
          request_(request),
          canvas_(canvas),
          layout_(std::clamp(request.layout, 1, 4)),
          scale_(columnScale(layout_, canvas.pageWidth())),
          wrap_(canvas.pageWidth() - 2.25) {}

    void run(const std::function<bool()>& keepGoing);

  private:
    double areaRight() const { return canvas_.pageWidth() - kMargin; }
    void defineColumns();
    void fullWidthTab(int shade);
    void heading();
    void newPage() { canvas_.newPage(); }
    // Into column (from 0) from its left edge, cut at width (as on Letter paper) less the
    // allowance; an empty text draws nothing.
    void cell(int column, const QString& text, double width);
    void record();
    void codesAndMemo(const ReportFields& fields);

    xbase::Table& table_;
    const ListReportRequest& request_;
    ReportCanvas& canvas_;
    int layout_;
    double scale_;  // of the columns' positions and widths
    MemoWrap wrap_;
};

void ListReportDrawing::defineColumns() {
    canvas_.clearTabs();
    bool first = true;
    for (const Column& column : layoutColumns(layout_)) {
        TabStop stop;
        if (first) stop.position = kLeft;
        first = false;
        stop.width = column.width * scale_;
        stop.margin = kCellMargin;
        canvas_.addTab(stop);
    }
}

void ListReportDrawing::fullWidthTab(int shade) {
    canvas_.clearTabs();
    TabStop stop;
    stop.position = kLeft;
    stop.width = areaRight() - kLeft;
    stop.margin = kCellMargin;
    stop.shade = shade;
    canvas_.addTab(stop);
}

void ListReportDrawing::heading() {
    const double width = canvas_.pageWidth();
    const double height = canvas_.pageHeight();
    canvas_.setSection(QRectF(QPointF(kLeft, kMargin), QPointF(width - kMargin, height - kMargin)));
    canvas_.setFont(ReportFont{QStringLiteral("Times New Roman"), 14, true, false});
    canvas_.home();
    // The title stops a blank short of the page number.
    const QString pageText =
        QCoreApplication::translate("ListReport", "Page %1").arg(canvas_.pageNumber());
    const double pageLeft = canvas_.section().right() - canvas_.textWidth(pageText);
    const double titleRoom = pageLeft - canvas_.textWidth(QStringLiteral(" ")) - kLeft;
    canvas_.printLeft(titleInRoom(canvas_, request_.title, titleRoom), kLeft);
    canvas_.printRight(pageText, canvas_.section().right());
    canvas_.newLine();
    canvas_.printRight(QLocale().toString(QTime::currentTime(), QLocale::ShortFormat),
                       canvas_.section().right());

    canvas_.setFont(arial(true));
    canvas_.gotoXY(kLeft, kMargin + (layout_ == 4 ? 0.5 : 0.8));
    canvas_.newLine();
    if (layout_ == 4) {
        for (std::size_t line = 0; line < kLayoutFourHeadings.size(); ++line) {
            if (line > 0) canvas_.newLine();
            for (const char* text : kLayoutFourHeadings[line])
                canvas_.printTab(columnHeading(text));
        }
    } else {
        for (const Column& column : layoutColumns(layout_))
            canvas_.printTab(columnHeading(column.heading));
    }

    canvas_.setFont(arial(false));
    const QRectF area(QPointF(kLeft, kMargin + 1),
                      QPointF(width - kMargin, height - kMargin - 0.5));
    canvas_.setSection(area);
    canvas_.line(area.left(), area.top(), area.right(), area.top());
    canvas_.line(area.left(), area.bottom(), area.right(), area.bottom());
    canvas_.home();
}

void ListReportDrawing::cell(int column, const QString& text, double width) {
    if (text.isEmpty()) return;  // nothing to see, nothing sent
    const double left = canvas_.tabs().left(column);
    const double clip = std::max(0.0, width * scale_ - kClipAllowance);
    canvas_.printClipped(text, QRectF(left, canvas_.lineTop(), clip, canvas_.lineHeight()));
}

void ListReportDrawing::run(const std::function<bool()>& keepGoing) {
    canvas_.setMarginLeft(kMargin);
    canvas_.setMarginTop(kMargin);
    canvas_.setMarginRight(kMargin);
    canvas_.setMarginBottom(kMargin);
    canvas_.setMarginLeft(kLeft);
    canvas_.setFont(arial(false));
    defineColumns();
    canvas_.setPageStartHandler([this](ReportCanvas&) { heading(); });
    if (!canvas_.start()) return;
    canvas_.home();

    while (!table_.eof()) {
        const int needed = layout_ == 4 ? kLayoutFourLines : 1;
        if (canvas_.linesLeft() < needed) newPage();
        record();
        if (layout_ == 4 && canvas_.linesLeft() > kLayoutFourLines) {
            canvas_.setPen(QColor(192, 192, 192), Qt::SolidLine, 1);
            canvas_.line(kLeft, canvas_.y(), areaRight(), canvas_.y());
            canvas_.setPen(Qt::black, Qt::SolidLine, 1);
            canvas_.newLine();
        }
        if (!keepGoing()) return;
        table_.skip();
    }
}

void ListReportDrawing::record() {
    const ReportFields f = ReportFields::read(table_, layout_);
    // A new font drops the canvas's measures of the old one: set only when it changes.
    if (canvas_.font().bold) canvas_.setBold(false);
    switch (layout_) {
        case 1: {
            cell(0, reportName(f), 1.75);
            cell(1, withoutLeadingBlanks(f.street), 2.15);
            cell(2, reportCityLine(f), 2.0);
            cell(3, withoutLeadingBlanks(f.phone), 1.5);
            break;
        }
        case 2:
            cell(0, reportName(f), 2.0);
            cell(1, withoutLeadingBlanks(f.org), 2.5);
            cell(2, withoutLeadingBlanks(f.phone), 1.5);
            cell(3, withoutLeadingBlanks(f.fax), 1.35);
            break;
        case 3:
            cell(0, withoutLeadingBlanks(f.org), 2.5);
            cell(1, reportName(f), 2.0);
            cell(2, withoutLeadingBlanks(f.phone), 1.5);
            cell(3, withoutLeadingBlanks(f.fax), 1.35);
            break;
        default: {
            cell(0, reportFullName(f), 2.75);
            cell(2, reportTitleAndOrg(f), 4.5);
            canvas_.newLine();
            cell(1, withoutLeadingBlanks(f.street), 2.25);
            cell(2, reportCityStateZip(f), 3.0);
            cell(3, withoutLeadingBlanks(f.country), 1.5);
            canvas_.newLine();
            cell(1, reportPhoneAndFax(f), 2.25);
            cell(2, withoutLeadingBlanks(f.email), 3.0);
            cell(3, formatDate(table_.date("DATE"), request_.dateFormat), 1.5);
            break;
        }
    }
    canvas_.newLine();
    codesAndMemo(f);
}

void ListReportDrawing::codesAndMemo(const ReportFields& f) {
    if (request_.codes && !f.notes.isEmpty()) {
        if (canvas_.linesLeft() == 0) newPage();
        canvas_.saveTabs();
        fullWidthTab(kCodesShade);
        canvas_.printTab(QCoreApplication::translate("ListReport", "Codes: %1").arg(f.notes));
        canvas_.newLine();
        canvas_.restoreTabs();
    }
    if (!request_.memo) return;
    QStringList lines = wrap_.wrap(fromFieldBytes(table_.memo("MEMO")));
    if (lines.size() == 1 && lines.front().trimmed().isEmpty()) lines.clear();
    canvas_.saveTabs();
    fullWidthTab(kMemoShade);
    for (const QString& line : lines) {
        if (canvas_.linesLeft() == 0) {
            canvas_.restoreTabs();
            newPage();
            canvas_.saveTabs();
            fullWidthTab(kMemoShade);
        }
        canvas_.printTab(line);
        canvas_.newLine();
    }
    canvas_.restoreTabs();
}

}  // namespace

ReportJob listReportJob(xbase::Table& table, const ListReportRequest& request) {
    return [&table, request](ReportCanvas& canvas, const std::function<bool()>& keepGoing) {
        ListReportDrawing drawing(table, request, canvas);
        drawing.run(keepGoing);
    };
}

}  // namespace rp
