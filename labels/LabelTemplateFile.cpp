#include "labels/LabelTemplateFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>

namespace rp {
namespace {

constexpr double kPointsPerInch = 72.0;

struct Unit {
    const char* name;
    double inches;
};

constexpr Unit kUnits[] = {{"pt", 1.0 / kPointsPerInch},
                           {"in", 1.0},
                           {"mm", 1.0 / 25.4},
                           {"cm", 1.0 / 2.54},
                           {"pc", 12.0 / kPointsPerInch}};

QString openFailure(const QFile& file) {
    return QCoreApplication::translate("LabelTemplateFile", "%1 cannot be read: %2")
        .arg(file.fileName(), file.errorString());
}

QString xmlFailure(const QString& path, const QXmlStreamReader& xml) {
    return QCoreApplication::translate("LabelTemplateFile", "%1, line %2: %3")
        .arg(path)
        .arg(xml.lineNumber())
        .arg(xml.errorString());
}

// Reads a length attribute into target; notes the attribute in unreadable when it is no length.
void readLength(const QXmlStreamAttributes& attributes, const char* name, double& target,
                QString& unreadable) {
    const QString text = attributes.value(QLatin1String(name)).toString();
    if (const auto inches = labelLengthInches(text))
        target = *inches;
    else if (unreadable.isEmpty())
        unreadable = QStringLiteral("%1=\"%2\"").arg(QLatin1String(name), text);
}

void readCount(const QXmlStreamAttributes& attributes, const char* name, int& target,
               QString& unreadable) {
    const QString text = attributes.value(QLatin1String(name)).toString();
    bool ok = false;
    target = text.trimmed().toInt(&ok);
    if (!ok && unreadable.isEmpty())
        unreadable = QStringLiteral("%1=\"%2\"").arg(QLatin1String(name), text);
}

LabelTemplate startTemplate(const QXmlStreamAttributes& a) {
    LabelTemplate t;
    t.brand = a.value(QLatin1String("brand")).toString().trimmed();
    t.part = a.value(QLatin1String("part")).toString().trimmed();
    t.equivalentPart = a.value(QLatin1String("equiv")).toString().trimmed();
    t.paperId = a.value(QLatin1String("size")).toString().trimmed();
    t.description = a.value(QLatin1String("_description")).toString().trimmed();
    if (t.description.isEmpty())
        t.description = a.value(QLatin1String("description")).toString().trimmed();
    if (a.hasAttribute(QLatin1String("width"))) {
        double width = 0, height = 0;
        readLength(a, "width", width, t.unreadable);
        readLength(a, "height", height, t.unreadable);
        t.paperWidth = width;
        t.paperHeight = height;
    }
    return t;
}

// Reads the inside of a <Template> up to its end.
void readTemplateBody(QXmlStreamReader& xml, LabelTemplate& t) {
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement) continue;
        ++depth;
        const auto name = xml.name();
        const QXmlStreamAttributes a = xml.attributes();
        if (name.startsWith(QLatin1String("Label-"))) {
            if (name == QLatin1String("Label-rectangle") && t.shapes.empty()) {
                readLength(a, "width", t.labelWidth, t.unreadable);
                readLength(a, "height", t.labelHeight, t.unreadable);
            }
            t.shapes.push_back(name.toString());
        } else if (name == QLatin1String("Layout")) {
            LabelGrid g;
            readCount(a, "nx", g.across, t.unreadable);
            readCount(a, "ny", g.down, t.unreadable);
            readLength(a, "x0", g.left, t.unreadable);
            readLength(a, "y0", g.top, t.unreadable);
            readLength(a, "dx", g.horizontalPitch, t.unreadable);
            readLength(a, "dy", g.verticalPitch, t.unreadable);
            t.grids.push_back(g);
        }
    }
}

}  // namespace

std::optional<double> labelLengthInches(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    while (end < trimmed.size() &&
           (trimmed[end].isDigit() || trimmed[end] == QLatin1Char('.') ||
            trimmed[end] == QLatin1Char('-') || trimmed[end] == QLatin1Char('+')))
        ++end;
    bool ok = false;
    const double number = trimmed.left(end).toDouble(&ok);
    if (!ok) return std::nullopt;
    const QString unit = trimmed.mid(end).trimmed();
    if (unit.isEmpty()) return number / kPointsPerInch;
    for (const Unit& u : kUnits)
        if (unit == QLatin1String(u.name)) return number * u.inches;
    return std::nullopt;
}

std::vector<LabelTemplate> readLabelTemplates(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw LabelTemplateError(openFailure(file));
    QXmlStreamReader xml(&file);
    std::vector<LabelTemplate> templates;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement ||
            xml.name() != QLatin1String("Template"))
            continue;
        LabelTemplate t = startTemplate(xml.attributes());
        t.file = path;
        readTemplateBody(xml, t);
        templates.push_back(std::move(t));
    }
    if (xml.hasError()) throw LabelTemplateError(xmlFailure(path, xml));
    return templates;
}

std::map<QString, PaperSheet> readPaperSheets(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw LabelTemplateError(openFailure(file));
    QXmlStreamReader xml(&file);
    std::map<QString, PaperSheet> sheets;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement ||
            xml.name() != QLatin1String("Paper-size"))
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        PaperSheet sheet;
        sheet.name = a.value(QLatin1String("_name")).toString();
        if (sheet.name.isEmpty()) sheet.name = a.value(QLatin1String("name")).toString();
        QString unreadable;
        readLength(a, "width", sheet.width, unreadable);
        readLength(a, "height", sheet.height, unreadable);
        if (unreadable.isEmpty()) sheets[a.value(QLatin1String("id")).toString()] = sheet;
    }
    if (xml.hasError()) throw LabelTemplateError(xmlFailure(path, xml));
    return sheets;
}

}  // namespace rp
