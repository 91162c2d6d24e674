// Reading vCard text: folded lines, quoted-printable values and their character sets, the
// escapes of structured values, parameters of each version, and the files that are refused
// with the line that stops them.
#include <gtest/gtest.h>

#include "import/VcardReader.h"
#include "import/VcardValue.h"

namespace rp {
namespace {

// The value of the first property of that name in the first card.
QString firstValue(const QByteArray& text, const char* name) {
    const VcardFile file = readVcards(text, QStringLiteral("in.vcf"));
    EXPECT_EQ(file.error, QString());
    if (file.cards.empty()) return QStringLiteral("(no card)");
    const auto found = file.cards.front().all(QLatin1String(name));
    return found.empty() ? QStringLiteral("(none)") : found.front()->value;
}

QByteArray utf16WithMark(const char16_t* text) {
    const QString s = QString::fromUtf16(text);
    return QByteArray("\xFF\xFE") +
           QByteArray(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
}

struct ValueCase {
    const char* what;
    QByteArray text;
    const char* property;
    QString value;
};

TEST(VcardReaderTest, JoinsFoldedLinesAndDecodesValues) {
    const ValueCase cases[] = {
        {"folded with a blank", "BEGIN:VCARD\r\nNOTE:one\r\n  two\r\nEND:VCARD\r\n", "NOTE",
         "one two"},
        {"folded with a tab", "BEGIN:VCARD\r\nNOTE:one\r\n\ttwo\r\nEND:VCARD\r\n", "NOTE",
         "onetwo"},
        {"line feeds alone", "BEGIN:VCARD\nNOTE:a\n b\nEND:VCARD\n", "NOTE", "ab"},
        {"quoted-printable soft break",
         "BEGIN:VCARD\r\nNOTE;ENCODING=QUOTED-PRINTABLE:Caf=E9 =\r\nnoir=3D\r\nEND:VCARD\r\n",
         "NOTE", QString::fromUtf8("Café noir=")},
        {"bare quoted-printable of 2.1, UTF-8",
         "BEGIN:VCARD\r\nN;QUOTED-PRINTABLE;CHARSET=UTF-8:=C5=81=C3=B3d=C5=BA\r\nEND:VCARD\r\n",
         "N", QString::fromUtf8("Łódź")},
        {"CHARSET Latin-1", "BEGIN:VCARD\r\nN;CHARSET=ISO-8859-1:M\xFCller\r\nEND:VCARD\r\n", "N",
         QString::fromUtf8("Müller")},
        {"CHARSET of Central Europe",
         "BEGIN:VCARD\r\nN;CHARSET=ISO-8859-2:\xA3\xF3"
         "d\xBC\r\nEND:VCARD\r\n",
         "N", QString::fromUtf8("Łódź")},
        {"CHARSET of Cyrillic, quoted-printable",
         "BEGIN:VCARD\r\nN;ENCODING=QUOTED-PRINTABLE;CHARSET=windows-1251:=D9=F3=EA=E8=ED\r\n"
         "END:VCARD\r\n",
         "N", QString::fromUtf8("Щукин")},
        {"no CHARSET, UTF-8", "BEGIN:VCARD\r\nN:\xC3\x98rsted\r\nEND:VCARD\r\n", "N",
         QString::fromUtf8("Ørsted")},
        {"no CHARSET, not UTF-8", "BEGIN:VCARD\r\nN:\x80 and \xE9\r\nEND:VCARD\r\n", "N",
         QString::fromUtf8("€ and é")},
        {"a stray = stays", "BEGIN:VCARD\r\nNOTE;ENCODING=QUOTED-PRINTABLE:1=2=G\r\nEND:VCARD\r\n",
         "NOTE", "1=2=G"},
        {"group left out", "BEGIN:VCARD\r\nitem1.EMAIL:a@b.example\r\nEND:VCARD\r\n", "EMAIL",
         "a@b.example"},
        {"colon inside a quoted parameter", "BEGIN:VCARD\r\nTEL;TYPE=\"a:b\":555\r\nEND:VCARD\r\n",
         "TEL", "555"},
        {"UTF-8 byte order mark",
         "\xEF\xBB\xBF"
         "BEGIN:VCARD\r\nFN:Ann\r\nEND:VCARD\r\n",
         "FN", "Ann"},
        {"UTF-16 with its mark", utf16WithMark(u"BEGIN:VCARD\nFN:Ann\nEND:VCARD\n"), "FN", "Ann"},
    };
    for (const ValueCase& c : cases) EXPECT_EQ(firstValue(c.text, c.property), c.value) << c.what;
}

TEST(VcardReaderTest, ReadsTheParametersOfEachVersion) {
    const VcardFile file = readVcards(
        "BEGIN:VCARD\r\nVERSION:2.1\r\nTEL;WORK;FAX:1\r\nTEL;HOME;PREF:2\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nTEL;TYPE=work,FAX:3\r\nTEL;TYPE=cell;TYPE=pref:4\r\n"
        "END:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:4.0\r\nTEL;TYPE=\"voice,fax\";PREF=3:5\r\nTEL:6\r\nEND:VCARD\r\n",
        QStringLiteral("in.vcf"));
    ASSERT_EQ(file.error, QString());
    ASSERT_EQ(file.cards.size(), 3u);
    struct Expected {
        bool fax;
        int preference;
    };
    const Expected expected[3][2] = {
        {{true, 101}, {false, 1}}, {{true, 101}, {false, 1}}, {{true, 3}, {false, 101}}};
    for (std::size_t c = 0; c < 3; ++c) {
        const auto tels = file.cards[c].all(QStringLiteral("TEL"));
        ASSERT_EQ(tels.size(), 2u);
        for (std::size_t t = 0; t < 2; ++t) {
            EXPECT_EQ(tels[t]->hasType(QStringLiteral("fax")), expected[c][t].fax) << c << t;
            EXPECT_EQ(tels[t]->preference(), expected[c][t].preference) << c << t;
        }
    }
    EXPECT_EQ(file.cards[2].line, 11);
}

TEST(VcardReaderTest, SplitsStructuredValuesAtUnescapedSeparatorsOnly) {
    const QString adr = QStringLiteral(R"(;;1 Elm St\, Apt 2\nBack door;Boston\;MA;;02101)");
    const QStringList parts = vcardComponents(adr);
    ASSERT_EQ(parts.size(), 6);
    EXPECT_EQ(vcardUnescape(parts[2]), "1 Elm St, Apt 2\nBack door");
    EXPECT_EQ(vcardUnescape(parts[3]), "Boston;MA");
    EXPECT_EQ(vcardListValues(QStringLiteral(R"(a,b\,c,,d)")),
              (QStringList{"a", R"(b\,c)", "", "d"}));
    EXPECT_EQ(vcardUnescape(QStringLiteral(R"(C:\path \\ \N end\)")), R"(C:\path \ )"
                                                                      "\n"
                                                                      R"( end\)");
}

struct ErrorCase {
    const char* what;
    QByteArray text;
    QString error;
};

TEST(VcardReaderTest, RefusesFilesItCannotRead) {
    const ErrorCase cases[] = {
        {"empty", "", "The file in.vcf is empty."},
        {"not text", QByteArray("BEGIN:VCARD\r\n\0\x01\x02", 16),
         "The file in.vcf is not a text file."},
        {"only blank lines", "\r\n\r\n", "The file in.vcf holds no vCard."},
        {"no colon", "BEGIN:VCARD\r\nN:A;B\r\nno colon here\r\nEND:VCARD\r\n",
         "in.vcf line 3: not a vCard line (a property name and a colon)."},
        {"no name", "BEGIN:VCARD\r\n:value\r\nEND:VCARD\r\n",
         "in.vcf line 2: not a vCard line (a property name and a colon)."},
        {"text outside", "Dear Ann,\r\nBEGIN:VCARD\r\nEND:VCARD\r\n",
         "in.vcf line 1: not a vCard line (a property name and a colon)."},
        {"property outside", "FN:Ann\r\n",
         "in.vcf line 1: a line outside a card (BEGIN:VCARD ... END:VCARD)."},
        {"no END", "BEGIN:VCARD\r\nFN:Ann\r\n\r\nBEGIN:VCARD\r\n",
         "in.vcf line 4: a card begins before the card of line 1 has ended."},
        {"no END at the end", "BEGIN:VCARD\r\nFN:Ann\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:Bo\r\n",
         "in.vcf line 4: the card begun here has no END:VCARD."},
        {"unknown charset", "BEGIN:VCARD\r\nN;CHARSET=X-NONE:A\r\nEND:VCARD\r\n",
         "in.vcf line 2: the character set X-NONE cannot be read."},
    };
    for (const ErrorCase& c : cases) {
        const VcardFile file = readVcards(c.text, QStringLiteral("in.vcf"));
        EXPECT_EQ(file.error, c.error) << c.what;
        EXPECT_TRUE(c.error.isEmpty() || file.cards.empty() || file.cards.size() == 1) << c.what;
    }
}

}  // namespace
}  // namespace rp
