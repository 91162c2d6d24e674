#include "data/Transliteration.h"

#include <unicode/translit.h>
#include <unicode/uniset.h>
#include <unicode/unistr.h>
#include <QCoreApplication>

#include <memory>
#include <stdexcept>
#include <string>

#include "data/FieldText.h"

namespace rp {
namespace {

icu::UnicodeString toIcu(const QString& text) {
    return icu::UnicodeString(reinterpret_cast<const UChar*>(text.utf16()),
                              static_cast<int32_t>(text.size()));
}

QString fromIcu(const icu::UnicodeString& text) {
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

// The characters an address file cannot hold: all but the 256 of Windows-1252.
const icu::UnicodeSet& lacking() {
    static const icu::UnicodeSet set = [] {
        std::string bytes(256, '\0');
        for (int b = 0; b < 256; ++b) bytes[static_cast<std::size_t>(b)] = static_cast<char>(b);
        icu::UnicodeSet held;
        const QString repertoire = fromFieldBytes(bytes);
        for (const QChar c : repertoire) held.add(c.unicode());
        held.complement();
        held.freeze();
        return held;
    }();
    return set;
}

std::int32_t lackingCount(const icu::UnicodeString& text) {
    std::int32_t count = 0;
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1))
        if (lacking().contains(text.char32At(i))) ++count;
    return count;
}

// Composes the text, then spells what Windows-1252 lacks: Cyrillic by the BGN rules for
// Russian, other scripts but Han in Latin letters, then Latin letters with marks it lacks
// without them.
std::unique_ptr<icu::Transliterator> makeSpeller() {
    icu::UnicodeString lacks;
    lacking().toPattern(lacks, true);
    const icu::UnicodeString rules = icu::UnicodeString(u"::NFC;\n::[[:Cyrillic:]&") + lacks +
                                     u"] Russian-Latin/BGN;\n::[" + lacks +
                                     u"-[:Han:]] Any-Latin;\n::" + lacks + u" Latin-ASCII;\n";
    UParseError where{};
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> speller(icu::Transliterator::createFromRules(
        u"Ravenpost-Windows1252", rules, UTRANS_FORWARD, where, status));
    if (U_FAILURE(status) || !speller)
        throw std::runtime_error(
            QCoreApplication::translate("Transliteration",
                                        "The transliteration rules cannot be used: %1")
                .arg(QLatin1String(u_errorName(status)))
                .toStdString());
    return speller;
}

bool allStorable(const QString& text) {
    return toFieldBytes(text).has_value();
}

}  // namespace

QString closeSpelling(const QString& text, std::uint32_t* spelled) {
    if (allStorable(text)) return text;
    // A transliterator keeps state while it works: one per thread.
    thread_local const std::unique_ptr<icu::Transliterator> speller = makeSpeller();
    icu::UnicodeString work = toIcu(text);
    speller->transliterate(work);
    if (spelled) {
        icu::UnicodeString composed = toIcu(text);
        UErrorCode status = U_ZERO_ERROR;
        // NFC alone never fails on valid text; an unlikely failure counts the text as it was.
        thread_local const std::unique_ptr<icu::Transliterator> nfc(
            icu::Transliterator::createInstance(u"NFC", UTRANS_FORWARD, status));
        if (U_SUCCESS(status)) nfc->transliterate(composed);
        const std::int32_t before = lackingCount(composed);
        const std::int32_t after = lackingCount(work);
        if (before > after) *spelled += static_cast<std::uint32_t>(before - after);
    }
    return fromIcu(work);
}

QString storableSpelling(const QString& text, std::uint32_t* spelled, std::uint32_t* replaced) {
    return withUnstorableReplaced(closeSpelling(text, spelled), replaced);
}

}  // namespace rp
