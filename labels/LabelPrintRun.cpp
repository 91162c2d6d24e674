#include "labels/LabelPrintRun.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>

#include "data/Households.h"
#include "data/RecordText.h"
#include "data/TableRestore.h"
#include "framework/ReportCanvas.h"
#include "labels/LabelSheet.h"
#include "mailpiece/AddressBlock.h"
#include "mailpiece/Postnet.h"
#include "mailpiece/PostnetBars.h"
#include "postal/Presort.h"
#include "postal/ZipTally.h"
#include "xbase/Table.h"

namespace rp {
namespace {

// The presort key of the record the table stands on: the first five characters of its ZIP.
QString recordZipKey(const xbase::Table& table) {
    const std::string zip = table.text("ZIP");
    const std::string_view key = zipKey(zip);
    return QString::fromLatin1(key.data(), qsizetype(key.size()));
}

}  // namespace

QStringList loadPresortList(const QString& folder) {
    QFile file(presortFilePath(folder));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
    // The last line's CR LF leaves an empty piece behind it.
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

LabelPrintRun::LabelPrintRun(xbase::Table& table, const LabelSetup& setup, int copies,
                             PieceBarcoder* barcoder)
    : table_(table),
      setup_(setup),
      copies_(std::max(copies, 1)),
      barcoder_(barcoder ? *barcoder : postnet_) {}

void LabelPrintRun::usePresortList(QStringList lines) {
    presort_ = true;
    presortList_ = std::move(lines);
}

void LabelPrintRun::startAtLabel(int label) {
    startLabel_ = label >= 1 && label <= labelsPerSheet(setup_) ? label : 1;
}

void LabelPrintRun::printLabels(ReportCanvas& canvas, const std::function<bool()>& keepGoing) {
    // Presort keys are sought by their beginning: exact matching is off while the run lasts.
    const TableRestore settings(table_, TableRestore::Record::Leave);
    table_.engine().settings.exact = false;
    if (presort_) getNextSortedZip();
    canvas.setFont(
        ReportFont{setup_.fontName, double(setup_.fontSize), setup_.fontBold, setup_.fontItalic});
    canvas.setMarginLeft(0);
    canvas.setMarginTop(0);
    row_ = (startLabel_ - 1) / std::max(setup_.across, 1);
    column_ = (startLabel_ - 1) % std::max(setup_.across, 1);
    printedForRecord_ = 0;
    while (!table_.eof()) {
        if (!separator_ && householdPrinted()) {
            moveOn(false);
            if (!keepGoing()) break;
            continue;
        }
        bool wasSeparator = false;
        do {
            if (row_ >= setup_.down) {
                row_ = 0;
                column_ = 0;
                canvas.newPage();
            }
            wasSeparator = separator_;
            printLabel(canvas);
            if (++column_ >= setup_.across) {
                column_ = 0;
                ++row_;
            }
        } while (!wasSeparator && printedForRecord_ < copies_);
        if (household_ && !wasSeparator) household_->printed = true;
        moveOn(wasSeparator);
        printedForRecord_ = 0;
        if (!keepGoing()) break;
    }
}

void LabelPrintRun::printLabel(ReportCanvas& canvas) {
    const QPointF origin = labelOrigin(setup_, column_, row_);
    canvas.setOrigin(origin.x(), origin.y());
    canvas.setSectionBottom(double(setup_.labelHeight) - double(setup_.yOffset));
    canvas.home();
    if (separator_) {
        canvas.println(key_);
        return;
    }
    printAddress(canvas);
    const QString zip = fieldText(table_, "ZIP");
    if (barcodeEligible(setup_.barcode, zip)) {
        canvas.setOrigin(origin.x(), origin.y() - kBarcodeLift);
        canvas.gotoXY(0, 0);
        barcoder_.draw(canvas, zip, fieldText(table_, "STREET"));
    }
    ++printedForRecord_;
}

bool LabelPrintRun::householdPrinted() {
    household_ =
        households_ ? households_->shared(table_.text("STREET"), table_.text("ZIP")) : nullptr;
    return household_ && household_->printed;
}

void LabelPrintRun::printAddress(ReportCanvas& canvas) {
    QStringList lines;
    if (household_) {
        AddressValues values = readAddressValues(table_);
        if (household_->sameLastName) {
            values.prefix.clear();
            values.first.clear();
            values.middle.clear();
            values.title.clear();
            values.last =
                QCoreApplication::translate("LabelPrintRun", "The %1 Family").arg(values.last);
        }
        if (!household_->sameOrganization) values.org.clear();
        composeAddressBlock(lines, values, setup_.contents);
    } else {
        composeAddressBlock(lines, table_, setup_.contents);
    }
    for (QString line : lines) {
        if (!setup_.trimText) {
            canvas.println(line);
            continue;
        }
        while (!line.isEmpty() &&
               canvas.textWidth(line) + double(setup_.xOffset) > double(setup_.labelWidth))
            line.chop(1);
        if (canvas.linesLeft() > 0) canvas.println(line);
    }
}

void LabelPrintRun::moveOn(bool wasSeparator) {
    table_.skip();
    if (!presort_) return;
    if (wasSeparator) {
        separator_ = false;
        getNextSortedZip();
    } else if (table_.eof() || recordZipKey(table_) != key_) {
        getNextSortedZip();
    }
}

void LabelPrintRun::getNextSortedZip() {
    while (!presortList_.isEmpty()) {
        key_ = presortList_.takeFirst();
        if (key_.contains(QLatin1String("**"))) {
            table_.goTop();
            separator_ = true;
            return;
        }
        // The tag holds the ZIP in capitals; a short key must be the record's whole key, so
        // that "123" does not take the records of 12345 a second time.
        if (table_.seek(key_.toUpper().toStdString()) && recordZipKey(table_) == key_) return;
    }
    goPastEnd();
}

void LabelPrintRun::goPastEnd() {
    table_.goBottom();
    if (!table_.eof()) table_.skip();
}

}  // namespace rp
