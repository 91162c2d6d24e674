#include "labels/LabelProductCatalog.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>
#include <set>

namespace rp {
namespace {

const QString kPaperFile = QStringLiteral("paper-sizes.xml");

// The two papers most templates name, for a machine whose paper-sizes.xml is missing.
std::map<QString, PaperSheet> commonPapers() {
    return {{QStringLiteral("US-Letter"), {QStringLiteral("US Letter"), 8.5, 11.0}},
            {QStringLiteral("A4"), {QStringLiteral("A4"), 210 / 25.4, 297 / 25.4}}};
}

QString key(const QString& brand, const QString& part) {
    return (brand + QLatin1Char(' ') + part).simplified().toCaseFolded();
}

QStringList filesIn(const QString& folder, const QString& pattern) {
    QStringList files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({pattern}, QDir::Files, QDir::Name))
        files << dir.filePath(name);
    return files;
}

// The papers of the installed paper-sizes.xml over the common ones; a file that cannot be read
// is noted and the common ones stay.
std::map<QString, PaperSheet> readPapers(const QString& folder, QStringList& problems) {
    std::map<QString, PaperSheet> papers = commonPapers();
    const QString path = QDir(folder).filePath(kPaperFile);
    if (!QFile::exists(path)) return papers;
    try {
        for (auto& [id, sheet] : readPaperSheets(path)) papers[id] = sheet;
    } catch (const LabelTemplateError& e) {
        problems << QString::fromStdString(e.what());
    }
    return papers;
}

std::vector<LabelTemplate> readFiles(const QStringList& files, QStringList& problems) {
    std::vector<LabelTemplate> templates;
    for (const QString& file : files) {
        try {
            for (LabelTemplate& t : readLabelTemplates(file)) templates.push_back(std::move(t));
        } catch (const LabelTemplateError& e) {
            problems << QString::fromStdString(e.what());
        }
    }
    return templates;
}

// Product numbers with their runs of digits compared as numbers (5160 before 15160), the rest
// ignoring letter case.
int comparePartNumbers(const QString& a, const QString& b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype startA = i, startB = j;
            while (i < a.size() && a[i].isDigit()) ++i;
            while (j < b.size() && b[j].isDigit()) ++j;
            const QString runA = a.mid(startA, i - startA), runB = b.mid(startB, j - startB);
            if (runA.size() != runB.size()) return runA.size() < runB.size() ? -1 : 1;
            if (const int c = runA.compare(runB); c != 0) return c;
            continue;
        }
        const int c = QString::compare(a.mid(i, 1), b.mid(j, 1), Qt::CaseInsensitive);
        if (c != 0) return c;
        ++i, ++j;
    }
    return (a.size() - i > 0) - (b.size() - j > 0);
}

}  // namespace

LabelProductFolders systemLabelProductFolders() {
    const QString home = QDir::homePath();
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty()) config = QDir(home).filePath(QStringLiteral(".config"));
    return {QStringLiteral("/usr/share/libglabels-3.0/templates"),
            {QDir(config).filePath(QStringLiteral("libglabels/templates")),
             QDir(home).filePath(QStringLiteral(".glabels"))}};
}

LabelProductCatalog LabelProductCatalog::fromFolders(const LabelProductFolders& folders) {
    LabelProductCatalog catalog;
    QStringList files;
    for (const QString& folder : folders.userFolders)
        files << filesIn(folder, QStringLiteral("*.template"));
    files << filesIn(folders.installed, QStringLiteral("*-templates.xml"));
    const std::vector<LabelTemplate> templates = readFiles(files, catalog.problems_);
    catalog.add(templates, templates, readPapers(folders.installed, catalog.problems_));
    catalog.sort();
    return catalog;
}

LabelProductCatalog LabelProductCatalog::fromFile(const QString& path,
                                                  const LabelProductFolders& folders) {
    LabelProductCatalog catalog;
    std::vector<LabelTemplate> known = readLabelTemplates(path);
    const std::vector<LabelTemplate> own = known;
    for (LabelTemplate& t : readFiles(filesIn(folders.installed, QStringLiteral("*-templates.xml")),
                                      catalog.problems_))
        known.push_back(std::move(t));
    catalog.add(own, known, readPapers(folders.installed, catalog.problems_));
    catalog.sort();
    return catalog;
}

// Turns each template into a product, an equivalent taking the geometry, paper and (when it
// has none) the description of the template of known with its brand and part: the one of its
// own file, else the first.
void LabelProductCatalog::add(const std::vector<LabelTemplate>& templates,
                              const std::vector<LabelTemplate>& known,
                              const std::map<QString, PaperSheet>& papers) {
    std::map<QString, const LabelTemplate*> geometries;
    for (const LabelTemplate& t : known) {
        if (!t.equivalentPart.isEmpty()) continue;
        geometries.emplace(key(t.brand, t.part), &t);
        geometries.emplace(t.file + QLatin1Char('\n') + key(t.brand, t.part), &t);
    }
    std::set<QString> taken;
    for (const LabelTemplate& t : templates) {
        if (!taken.insert(key(t.brand, t.part)).second) continue;
        const LabelTemplate* geometry = &t;
        if (!t.equivalentPart.isEmpty()) {
            auto found =
                geometries.find(t.file + QLatin1Char('\n') + key(t.brand, t.equivalentPart));
            if (found == geometries.end()) found = geometries.find(key(t.brand, t.equivalentPart));
            geometry = found == geometries.end() ? nullptr : found->second;
        }
        std::optional<PaperSheet> paper;
        if (geometry) {
            if (geometry->paperWidth && geometry->paperHeight)
                paper =
                    PaperSheet{geometry->paperId, *geometry->paperWidth, *geometry->paperHeight};
            else if (const auto p = papers.find(geometry->paperId); p != papers.end())
                paper = p->second;
        }
        LabelProduct product{
            t.brand,
            t.part,
            t.description.isEmpty() && geometry ? geometry->description : t.description,
            paper ? paper->name : QString(),
            {}};
        const QString name = product.name() + QLatin1Char(' ') + product.description;
        const auto stock = paper ? labelStockOf(*geometry, *paper, name) : std::nullopt;
        if (!stock) {
            ++skipped_;
            continue;
        }
        product.stock = *stock;
        products_.push_back(std::move(product));
    }
}

void LabelProductCatalog::sort() {
    std::stable_sort(products_.begin(), products_.end(),
                     [](const LabelProduct& a, const LabelProduct& b) {
                         const int brand = QString::compare(a.brand, b.brand, Qt::CaseInsensitive);
                         if (brand != 0) return brand < 0;
                         return comparePartNumbers(a.part, b.part) < 0;
                     });
}

std::vector<const LabelProduct*> LabelProductCatalog::search(const QString& text) const {
    const QStringList words = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<const LabelProduct*> found;
    for (const LabelProduct& p : products_) {
        const QString haystack =
            QStringList{p.name(), p.description, p.paperName}.join(QLatin1Char('\n'));
        if (std::all_of(words.begin(), words.end(), [&](const QString& w) {
                return haystack.contains(w, Qt::CaseInsensitive);
            }))
            found.push_back(&p);
    }
    return found;
}

const LabelProduct* LabelProductCatalog::find(const QString& name) const {
    const QString wanted = name.simplified().toCaseFolded();
    for (const LabelProduct& p : products_)
        if (key(p.brand, p.part) == wanted) return &p;
    return nullptr;
}

}  // namespace rp
