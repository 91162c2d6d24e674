#pragma once
// Reading a vCard file of version 2.1, 3.0 or 4.0: the cards it holds, each a list of
// properties with their parameters and their value as text. Folded lines are joined (and the
// soft line breaks of 2.1's quoted-printable values), quoted-printable values decoded and each
// value's character set honoured; backslash escapes stay in the value for VcardValue.h.
#include <QByteArray>
#include <QString>
#include <vector>

namespace rp {

struct VcardParameter {
    QString name;   // upper case; a bare parameter of 2.1 (TEL;WORK;FAX) is named TYPE
    QString value;  // without surrounding double quotes
};

struct VcardProperty {
    QString name;  // upper case, without its group ("item1.")
    std::vector<VcardParameter> parameters;
    QString value;  // decoded text, escapes kept

    // Whether a TYPE parameter holds type, in any letter case (TYPE=work,fax; several TYPE
    // parameters; 2.1's bare WORK).
    bool hasType(const QString& type) const;
    // The rank of preference, lower first: PREF=n of 4.0, 1 for TYPE=pref, 101 otherwise.
    int preference() const;
};

struct VcardCard {
    int line = 0;  // the line of its BEGIN:VCARD
    std::vector<VcardProperty> properties;

    // The properties of that name, in file order.
    std::vector<const VcardProperty*> all(const QString& name) const;
};

struct VcardFile {
    std::vector<VcardCard> cards;
    QString error;  // why the file cannot be imported, naming it; empty when it can
};

// The cards of a file's bytes; fileName names the file in an error.
VcardFile readVcards(const QByteArray& bytes, const QString& fileName);
VcardFile readVcardFile(const QString& path);

}  // namespace rp
