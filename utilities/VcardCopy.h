#pragma once
// Copying the records of an address file's view to a vCard file: one vCard 4.0 per record in
// UTF-8, for a phone, a contacts app or a mail program.
#include <QString>
#include <string>

#include "framework/BulkProgress.h"
#include "utilities/CopyOut.h"

namespace xbase {
class Table;
}

namespace rp {

// The vCard of the current record, lines ending in CR LF and folded at 75 bytes: FN (the name,
// else the organization), N, ORG, TITLE, ADR (of type work when there is an organization, else
// home), TEL for PHONE and for FAX, EMAIL, CATEGORIES for the codes and NOTE for the memo; an
// empty field gives no line.
std::string vcardRecord(const xbase::Table& source);

// Written as copyToAscii writes its file.
CopyResult copyToVcard(xbase::Table& source, const QString& target, const BulkHooks& hooks = {});

}  // namespace rp
