#pragma once
// The label products of the gLabels template files on this system: the installed ones
// (/usr/share/libglabels-3.0/templates/*-templates.xml, with paper-sizes.xml beside them) and
// the user's own (*.template in $XDG_CONFIG_HOME/libglabels/templates/ and ~/.glabels/), or
// those of one template file the user picks. An equiv= entry takes the geometry of the product
// of the same brand it names. Products the label stock model cannot hold are counted as
// skipped; files that cannot be read are listed with their cause and the rest is read.
#include <QString>
#include <QStringList>
#include <vector>

#include "labels/LabelProduct.h"

namespace rp {

struct LabelProductFolders {
    QString installed;        // the *-templates.xml files and paper-sizes.xml
    QStringList userFolders;  // *.template files
};

// The folders gLabels uses on this system.
LabelProductFolders systemLabelProductFolders();

class LabelProductCatalog {
  public:
    // Every product of the folders, sorted by brand and part (numbers in numeric order); a product
    // of the user's files hides an installed one of the same brand and part.
    static LabelProductCatalog fromFolders(const LabelProductFolders& folders);
    // The products of one template file; its equiv= entries may also name installed products,
    // and its papers are those of the installed paper-sizes.xml. Throws LabelTemplateError when
    // the file cannot be read.
    static LabelProductCatalog fromFile(const QString& path, const LabelProductFolders& folders);

    const std::vector<LabelProduct>& products() const { return products_; }
    int skipped() const { return skipped_; }
    // One line per file that could not be read: the file and the cause.
    const QStringList& problems() const { return problems_; }

    // The products whose brand, part, "BRAND PART", description or paper contains every word of
    // text, letter case ignored; all of them for an empty text.
    std::vector<const LabelProduct*> search(const QString& text) const;
    // The product named "BRAND PART" (letter case and extra blanks ignored); null when none.
    const LabelProduct* find(const QString& name) const;

  private:
    void add(const std::vector<LabelTemplate>& templates, const std::vector<LabelTemplate>& known,
             const std::map<QString, PaperSheet>& papers);
    void sort();

    std::vector<LabelProduct> products_;
    int skipped_ = 0;
    QStringList problems_;
};

}  // namespace rp
