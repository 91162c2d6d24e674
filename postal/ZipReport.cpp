#include "postal/ZipReport.h"

#include "framework/ReportCanvas.h"

#include <QCoreApplication>

namespace rp {
namespace {

constexpr double kColumnWidth = 1.875;
constexpr int kColumnsPerPage = 4;
constexpr double kMarginLeft = 0.5;
constexpr double kMarginRight = 0.5;
constexpr double kMarginTop = 1;
constexpr double kMarginBottom = 1;
constexpr int kRowShade = 5;

void defineCells(ReportCanvas& canvas) {
    constexpr double kWidth = 0.625;
    constexpr double kInner = 0.05;
    canvas.clearTabs();
    canvas.addTab(TabStop{0.0, TextAlign::Left, kWidth, kInner, BoxLine::None, 0});
    canvas.addTab(TabStop{std::nullopt, TextAlign::Right, kWidth, kInner, BoxLine::None, 0});
    canvas.addTab(TabStop{std::nullopt, TextAlign::Left, kWidth, kInner, BoxLine::None, 0});
}

// Column 0 to 3: the cells move with the origin; the cursor goes to the area's first line.
void startColumn(ReportCanvas& canvas, int column) {
    canvas.setOrigin(column * kColumnWidth + kMarginLeft, 0);
    canvas.home();
}

// The key in the first cell and the whole count ending at the second cell's inner right edge,
// however wide it is; the third cell stays empty.
void printRow(ReportCanvas& canvas, const QString& line, bool shaded) {
    const ReportTabStops& cells = canvas.tabs();
    if (shaded) {
        const double left = cells.left(0);
        canvas.shadeRectangle(
            QRectF(left, canvas.lineTop(), cells.right(2) - left, canvas.lineHeight()), kRowShade);
    }
    canvas.printTab(line.left(5));
    const QString count = line.mid(5).trimmed();
    if (!count.isEmpty()) canvas.printRight(count, cells.right(1) - cells.stop(1).margin);
    canvas.newLine();
}

}  // namespace

void headerFooter(ReportCanvas& canvas) {
    const QRectF area = canvas.section();
    canvas.setOrigin(0, 0);
    canvas.setBold(true);
    canvas.gotoXY(kMarginLeft, area.top() - 0.25);
    canvas.newLine();
    canvas.print(QCoreApplication::translate("ZipReport", "Zip Code Count Report"));
    canvas.setBold(false);
    canvas.gotoXY(kMarginLeft, area.bottom());
    canvas.newLine();
    canvas.print(QCoreApplication::translate("ZipReport", "Page %1").arg(canvas.pageNumber()));
    canvas.setBrush(QColor());
    canvas.rectangle(area);
    for (int column = 1; column < kColumnsPerPage; ++column) {
        const double x = area.left() + column * kColumnWidth;
        canvas.line(x, area.top(), x, area.bottom());
    }
}

bool printZipReport(ReportCanvas& canvas, const QStringList& lines,
                    const std::function<bool()>& keepGoing) {
    canvas.setLandscape(false);
    defineCells(canvas);
    canvas.setFont(ReportFont{QStringLiteral("Arial"), 10, false, false});
    canvas.setMarginLeft(kMarginLeft);
    canvas.setMarginRight(kMarginRight);
    canvas.setMarginTop(kMarginTop);
    canvas.setMarginBottom(kMarginBottom);
    if (!canvas.start()) return false;

    headerFooter(canvas);
    int column = 0;
    startColumn(canvas, column);
    int row = 0;
    for (const QString& line : lines) {
        if (canvas.linesLeft() == 0) {
            if (++column == kColumnsPerPage) {
                canvas.newPage();
                headerFooter(canvas);
                column = 0;
            }
            startColumn(canvas, column);
            row = 0;
        }
        ++row;
        printRow(canvas, line, row % 2 == 1);
        if (!keepGoing()) break;
    }
    return true;
}

}  // namespace rp
