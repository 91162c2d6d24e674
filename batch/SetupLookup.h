#pragma once
// Finding a setup or a letter by its description: the label setups of RVPLSU.DBF, the envelope
// setups of RVPESU.DBF and the letters of RVPLTRS.DBF, matched whole, ignoring letter case and
// trailing blanks.
#include <QString>
#include <QStringList>
#include <cstddef>

#include "envelopes/EnvelopeSetup.h"
#include "labels/LabelSetup.h"

namespace xbase {
class Table;
}

namespace rp {

// The position in descriptions of the one that matches wanted; throws BatchError naming the
// option ("--setup") and what it names ("label setup", "letter") and listing the descriptions
// there are when none or more than one matches.
std::size_t findDescribed(const QStringList& descriptions, const QString& wanted,
                          const QString& option, const QString& what);

// The setup whose description matches, read from the setup file; throws as findDescribed.
LabelSetup findLabelSetup(xbase::Table& setups, const QString& description);
EnvelopeSetup findEnvelopeSetup(xbase::Table& setups, const QString& description);

}  // namespace rp
