#pragma once
// What the import commands share: the address field a name on the command line stands for, and
// the close of an import as the import window has it: its messages, the tags built afresh, the
// status.
#include <QString>
#include <QStringList>

namespace rp {

class BatchJob;

// The match caption of the address field named by its field name (LNAME) or its caption (Last),
// in any letter case, among the captions given; empty when none is.
template <class Rows>
QString captionNamed(const Rows& rows, const QString& name) {
    for (const auto& row : rows)
        if (name.compare(QLatin1String(row.field), Qt::CaseInsensitive) == 0 ||
            name.compare(QLatin1String(row.caption), Qt::CaseInsensitive) == 0)
            return QLatin1String(row.caption);
    return {};
}

// Tells each message on standard error as a line, builds every tag of the address file and
// answers the exit status: stopped when the import was cancelled, an error when it failed or
// the tags could not be built, else done.
int closeImport(BatchJob& job, const QStringList& messages, bool cancelled, bool failed);

}  // namespace rp
