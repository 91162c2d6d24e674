#pragma once
// Reading the label product files of gLabels: the template files (a <Template> per product,
// with its label shape and the layouts of the labels on the sheet, or an equiv= naming the
// product of the same brand whose geometry it shares) and paper-sizes.xml. Lengths are turned
// into inches as gLabels reads them: a bare number is points, else a unit of pt, in, mm, cm or
// pc follows it. The files are read with QXmlStreamReader; nothing of them is kept but what is
// read here.
#include <QString>
#include <map>
#include <optional>
#include <stdexcept>
#include <vector>

namespace rp {

// A template or paper file that cannot be read or is not well-formed XML; the text names the
// file and the cause.
class LabelTemplateError : public std::runtime_error {
  public:
    explicit LabelTemplateError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// One regular grid of labels on the sheet (gLabels' <Layout>), in inches.
struct LabelGrid {
    int across = 0, down = 0;
    double left = 0, top = 0, horizontalPitch = 0, verticalPitch = 0;
};

// One <Template> as written: either a product of its own or an equivalent of another.
struct LabelTemplate {
    QString file;  // the file it was read from
    QString brand, part, description;
    QString equivalentPart;  // equiv=: the part of the same brand whose geometry this one has
    QString paperId;         // size=: a paper of paper-sizes.xml, or "Other"
    std::optional<double> paperWidth, paperHeight;  // inches, for size="Other"
    // Every label shape of the template by its element name ("Label-rectangle", "Label-round",
    // ...); only the first rectangle's size is read.
    std::vector<QString> shapes;
    double labelWidth = 0, labelHeight = 0;
    std::vector<LabelGrid> grids;
    // Empty while every length and count could be read; else what could not be.
    QString unreadable;
};

struct PaperSheet {
    QString name;
    double width = 0, height = 0;  // inches
};

// A gLabels length in inches ("2.625in", "63.5mm", "181.4" points); none when the text is not
// a number with one of the units.
std::optional<double> labelLengthInches(const QString& text);

// The templates of a template file, in file order. Throws LabelTemplateError naming the file
// when it cannot be opened or is not well-formed.
std::vector<LabelTemplate> readLabelTemplates(const QString& path);

// The paper sizes of a paper-sizes.xml by their id. Throws as readLabelTemplates.
std::map<QString, PaperSheet> readPaperSheets(const QString& path);

}  // namespace rp
