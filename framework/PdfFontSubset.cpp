#include "framework/PdfFontSubset.h"

#include <hb-subset.h>

#include <algorithm>
#include <utility>

namespace rp {
namespace {

// What a PDF reader needs of a font to draw its glyphs; layout and naming tables stay out.
const char* const kTables[] = {"head", "hhea", "hmtx", "maxp", "OS/2", "post", "cmap",
                               "glyf", "loca", "CFF ", "cvt ", "fpgm", "prep"};

int unsigned16(const QByteArray& bytes, int at) {
    if (bytes.size() < at + 2) return 0;
    return (static_cast<unsigned char>(bytes[at]) << 8) | static_cast<unsigned char>(bytes[at + 1]);
}

int signed16(const QByteArray& bytes, int at) {
    const int value = unsigned16(bytes, at);
    return value >= 0x8000 ? value - 0x10000 : value;
}

void put16(QByteArray& out, quint32 value) {
    out.append(static_cast<char>(value >> 8)).append(static_cast<char>(value));
}

void put32(QByteArray& out, quint32 value) {
    put16(out, value >> 16);
    put16(out, value & 0xFFFF);
}

quint32 checksum(const QByteArray& table) {
    quint32 sum = 0;
    for (qsizetype i = 0; i < table.size(); i += 4) {
        quint32 word = 0;
        for (qsizetype j = i; j < i + 4; ++j)
            word = (word << 8) | (j < table.size() ? static_cast<unsigned char>(table[j]) : 0);
        sum += word;
    }
    return sum;
}

// An OpenType font made of the tables given, sorted by tag as the format wants.
QByteArray fontFile(std::vector<std::pair<QByteArray, QByteArray>> tables, bool cff) {
    std::sort(tables.begin(), tables.end());
    const auto count = static_cast<quint32>(tables.size());
    quint32 power = 1;
    int log = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log;
    }
    QByteArray out;
    put32(out, cff ? 0x4F54544F : 0x00010000);  // "OTTO" or TrueType
    put16(out, count);
    put16(out, power * 16);
    put16(out, static_cast<quint32>(log));
    put16(out, count * 16 - power * 16);
    quint32 offset = 12 + 16 * count;
    for (const auto& [tag, data] : tables) {
        out.append(tag);
        put32(out, checksum(data));
        put32(out, offset);
        put32(out, static_cast<quint32>(data.size()));
        offset += static_cast<quint32>((data.size() + 3) & ~3);
    }
    for (const auto& table : tables) {
        out.append(table.second);
        out.append((4 - table.second.size() % 4) % 4, '\0');
    }
    return out;
}

// The glyphs given, with their numbers kept, and no hinting: a PDF page is drawn at any size.
QByteArray subset(const QByteArray& whole, const std::vector<quint32>& glyphs) {
    hb_blob_t* blob = hb_blob_create(whole.constData(), static_cast<unsigned>(whole.size()),
                                     HB_MEMORY_MODE_READONLY, nullptr, nullptr);
    hb_face_t* face = hb_face_create(blob, 0);
    hb_blob_destroy(blob);
    QByteArray result;
    if (hb_subset_input_t* input = hb_subset_input_create_or_fail()) {
        hb_set_t* kept = hb_subset_input_glyph_set(input);
        for (const quint32 glyph : glyphs) hb_set_add(kept, glyph);
        hb_subset_input_set_flags(input, HB_SUBSET_FLAGS_RETAIN_GIDS | HB_SUBSET_FLAGS_NO_HINTING);
        if (hb_face_t* cut = hb_subset_or_fail(face, input)) {
            hb_blob_t* out = hb_face_reference_blob(cut);
            unsigned size = 0;
            const char* data = hb_blob_get_data(out, &size);
            result = QByteArray(data, static_cast<qsizetype>(size));
            hb_blob_destroy(out);
            hb_face_destroy(cut);
        }
        hb_subset_input_destroy(input);
    }
    hb_face_destroy(face);
    return result.isEmpty() ? whole : result;
}

}  // namespace

FontProgram fontSubset(const QRawFont& font, const std::vector<quint32>& glyphs) {
    FontProgram program;
    std::vector<std::pair<QByteArray, QByteArray>> tables;
    for (const char* tag : kTables) {
        QByteArray data = font.fontTable(tag);
        if (!data.isEmpty()) tables.emplace_back(QByteArray(tag, 4), std::move(data));
    }
    const auto table = [&](const char* tag) {
        const auto found = std::find_if(tables.begin(), tables.end(),
                                        [&](const auto& t) { return t.first == tag; });
        return found == tables.end() ? QByteArray() : found->second;
    };
    const QByteArray head = table("head");
    program.cff = !table("CFF ").isEmpty();
    const bool outlines = program.cff || (!table("glyf").isEmpty() && !table("loca").isEmpty());
    if (head.size() < 54 || !outlines) return program;
    program.unitsPerEm = std::max(16, unsigned16(head, 18));
    for (int i = 0; i < 4; ++i) program.box[i] = signed16(head, 36 + 2 * i);
    const QByteArray post = table("post");
    if (post.size() >= 8) program.italicAngle = signed16(post, 4) + unsigned16(post, 6) / 65536.0;
    program.data = subset(fontFile(std::move(tables), program.cff), glyphs);
    return program;
}

}  // namespace rp
