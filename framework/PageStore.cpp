#include "framework/PageStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryFile>
#include <QtEndian>
#include <cstring>
#include <stdexcept>
#include <type_traits>

namespace rp {
namespace {

// A problem of the recorded pages in the user's language; args fill in %1, %2.
template <typename... Args>
std::string pageStoreText(const char* text, const Args&... args) {
    QString message = QCoreApplication::translate("PageStore", text);
    if constexpr (sizeof...(args) > 0) message = message.arg(args...);
    return message.toStdString();
}

// Which operation follows in the bytes; pictures and documents stand in the kept list.
enum class Kind : std::uint8_t { Text, Line, Rect, Fill, Kept };

class Writer {
  public:
    explicit Writer(QByteArray& bytes) : bytes_(bytes) {}

    template <typename T>
    void put(T value) {
        static_assert(std::is_trivially_copyable_v<T>);
        bytes_.append(reinterpret_cast<const char*>(&value), sizeof value);
    }
    void put(QPointF p) {
        put(p.x());
        put(p.y());
    }
    void put(const QRectF& r) {
        put(r.x());
        put(r.y());
        put(r.width());
        put(r.height());
    }
    void put(const QString& text) {
        bool latin1 = true;
        for (QChar c : text)
            if (c.unicode() > 0xff) {
                latin1 = false;
                break;
            }
        put(std::uint8_t(latin1));
        put(std::uint32_t(text.size()));
        if (latin1)
            bytes_.append(text.toLatin1());
        else
            bytes_.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    }

  private:
    QByteArray& bytes_;
};

class Reader {
  public:
    explicit Reader(const QByteArray& bytes) : at_(bytes.constData()), end_(at_ + bytes.size()) {}

    bool atEnd() const { return at_ >= end_; }

    template <typename T>
    T get() {
        T value;
        take(&value, sizeof value);
        return value;
    }
    QPointF point() {
        const double x = get<double>();
        return QPointF(x, get<double>());
    }
    QRectF rect() {
        const double x = get<double>();
        const double y = get<double>();
        const double w = get<double>();
        return QRectF(x, y, w, get<double>());
    }
    QString text() {
        const bool latin1 = get<std::uint8_t>() != 0;
        const auto size = get<std::uint32_t>();
        const char* from = at_;
        take(nullptr, latin1 ? size : std::size_t(size) * 2);
        if (latin1) return QString::fromLatin1(from, qsizetype(size));
        QString text(qsizetype(size), Qt::Uninitialized);
        std::memcpy(text.data(), from, std::size_t(size) * 2);
        return text;
    }

  private:
    void take(void* into, std::size_t size) {
        if (std::size_t(end_ - at_) < size)
            throw std::runtime_error(
                pageStoreText(QT_TRANSLATE_NOOP("PageStore", "A recorded page is damaged")));
        if (into) std::memcpy(into, at_, size);
        at_ += size;
    }

    const char* at_;
    const char* end_;
};

}  // namespace

PageStore::PageStore(std::size_t memoryBudget) : budget_(memoryBudget) {}

PageStore::~PageStore() = default;

void PageStore::startPage() {
    finishPage();
    pages_.emplace_back();
}

void PageStore::add(const ReportOp& op) {
    if (pages_.empty()) pages_.emplace_back();
    Page& page = pages_.back();
    Writer out(page.bytes);
    const qsizetype before = page.bytes.size();
    if (const auto* run = std::get_if<TextRun>(&op)) {
        out.put(Kind::Text);
        out.put(fontNumber(run->font));
        out.put(colourNumber(run->colour));
        out.put(run->x);
        out.put(run->baseline);
        out.put(run->width);
        out.put(run->box);
        out.put(std::uint8_t(run->align));
        out.put(std::uint8_t(run->clipped));
        out.put(run->text);
    } else if (const auto* line = std::get_if<LineOp>(&op)) {
        out.put(Kind::Line);
        out.put(line->from);
        out.put(line->to);
        out.put(colourNumber(line->pen.colour));
        out.put(std::int32_t(line->pen.style));
        out.put(line->pen.width);
    } else if (const auto* rect = std::get_if<RectOp>(&op)) {
        out.put(Kind::Rect);
        out.put(rect->rect);
        out.put(std::uint8_t(rect->outlined));
        out.put(colourNumber(rect->pen.colour));
        out.put(std::int32_t(rect->pen.style));
        out.put(rect->pen.width);
        out.put(colourNumber(rect->fill));
        out.put(std::int32_t(rect->shade));
    } else if (const auto* fill = std::get_if<FillOp>(&op)) {
        out.put(Kind::Fill);
        out.put(colourNumber(fill->colour));
        out.put(std::uint32_t(fill->rects.size()));
        for (const QRectF& r : fill->rects) out.put(r);
    } else {
        out.put(Kind::Kept);
        page.kept.push_back(op);
    }
    bytes_ += std::size_t(page.bytes.size() - before);
}

void PageStore::finishPage() {
    if (pages_.empty() || pages_.back().compressed) return;
    Page& page = pages_.back();
    page.compressed = true;
    if (page.bytes.isEmpty()) return;  // an empty page stays empty
    bytes_ -= std::size_t(page.bytes.size());
    // As qCompress stores it, for qUncompress: the length before the zlib stream.
    QByteArray packed = deflate_.zlib(page.bytes, 4);
    if (packed.isEmpty())
        packed = qCompress(page.bytes, 1);
    else
        qToBigEndian(static_cast<quint32>(page.bytes.size()), packed.data());
    packed.squeeze();
    page.bytes = std::move(packed);
    bytes_ += std::size_t(page.bytes.size());
    if (bytes_ > budget_) spill(page);
}

void PageStore::spill(Page& page) {
    if (!file_) {
        file_ = std::make_unique<QTemporaryFile>(
            QDir::temp().filePath(QStringLiteral("ravenpost-pages-XXXXXX")));
        if (!file_->open()) {
            const QString cause = file_->errorString();
            file_.reset();
            throw std::runtime_error(pageStoreText(
                QT_TRANSLATE_NOOP("PageStore",
                                  "Cannot create a file for the recorded pages in %1: %2"),
                QDir::tempPath(), cause));
        }
    }
    const qint64 at = file_->size();
    if (!file_->seek(at) || file_->write(page.bytes) != page.bytes.size())
        throw std::runtime_error(pageStoreText(
            QT_TRANSLATE_NOOP("PageStore", "Cannot write the recorded pages to %1: %2"),
            file_->fileName(), file_->errorString()));
    page.fileOffset = at;
    page.fileSize = page.bytes.size();
    bytes_ -= std::size_t(page.fileSize);
    spilled_ += std::size_t(page.fileSize);
    page.bytes = QByteArray();
}

QByteArray PageStore::storedBytes(const Page& page) const {
    if (page.fileOffset < 0) return page.bytes;
    QByteArray bytes(page.fileSize, Qt::Uninitialized);
    if (!file_->seek(page.fileOffset) || file_->read(bytes.data(), page.fileSize) != page.fileSize)
        throw std::runtime_error(pageStoreText(
            QT_TRANSLATE_NOOP("PageStore", "Cannot read the recorded pages from %1: %2"),
            file_->fileName(), file_->errorString()));
    return bytes;
}

void PageStore::clear() {
    pages_.clear();
    fonts_.clear();
    colours_.clear();
    bytes_ = 0;
    file_.reset();
    spilled_ = 0;
}

std::vector<ReportOp> PageStore::page(int index) const {
    const Page& page = pages_.at(std::size_t(index));
    const QByteArray stored = storedBytes(page);
    const QByteArray bytes = page.compressed && !stored.isEmpty() ? qUncompress(stored) : stored;
    if (page.compressed && bytes.isEmpty() && !stored.isEmpty())
        throw std::runtime_error(
            pageStoreText(QT_TRANSLATE_NOOP("PageStore", "A recorded page is damaged")));
    std::vector<ReportOp> ops;
    Reader in(bytes);
    std::size_t kept = 0;
    while (!in.atEnd()) {
        switch (in.get<Kind>()) {
            case Kind::Text: {
                TextRun run;
                run.font = fonts_.at(in.get<std::uint16_t>());
                run.colour = colours_.at(in.get<std::uint16_t>());
                run.x = in.get<double>();
                run.baseline = in.get<double>();
                run.width = in.get<double>();
                run.box = in.rect();
                run.align = TextAlign(in.get<std::uint8_t>());
                run.clipped = in.get<std::uint8_t>() != 0;
                run.text = in.text();
                ops.emplace_back(std::move(run));
                break;
            }
            case Kind::Line: {
                LineOp line;
                line.from = in.point();
                line.to = in.point();
                line.pen.colour = colours_.at(in.get<std::uint16_t>());
                line.pen.style = Qt::PenStyle(in.get<std::int32_t>());
                line.pen.width = in.get<double>();
                ops.emplace_back(line);
                break;
            }
            case Kind::Rect: {
                RectOp rect;
                rect.rect = in.rect();
                rect.outlined = in.get<std::uint8_t>() != 0;
                rect.pen.colour = colours_.at(in.get<std::uint16_t>());
                rect.pen.style = Qt::PenStyle(in.get<std::int32_t>());
                rect.pen.width = in.get<double>();
                rect.fill = colours_.at(in.get<std::uint16_t>());
                rect.shade = in.get<std::int32_t>();
                ops.emplace_back(rect);
                break;
            }
            case Kind::Fill: {
                FillOp fill;
                fill.colour = colours_.at(in.get<std::uint16_t>());
                fill.rects.resize(in.get<std::uint32_t>());
                for (QRectF& r : fill.rects) r = in.rect();
                ops.emplace_back(std::move(fill));
                break;
            }
            case Kind::Kept:
                ops.push_back(page.kept.at(kept++));
                break;
            default:
                throw std::runtime_error(
                    pageStoreText(QT_TRANSLATE_NOOP("PageStore", "A recorded page is damaged")));
        }
    }
    return ops;
}

std::uint16_t PageStore::fontNumber(const ReportFont& font) {
    // A report uses a handful of fonts; the one used last is the likeliest.
    for (std::size_t i = fonts_.size(); i-- > 0;)
        if (fonts_[i] == font) return std::uint16_t(i);
    if (fonts_.size() == 0xffff)
        throw std::runtime_error(
            pageStoreText(QT_TRANSLATE_NOOP("PageStore", "Too many fonts on the recorded pages")));
    fonts_.push_back(font);
    return std::uint16_t(fonts_.size() - 1);
}

std::uint16_t PageStore::colourNumber(const QColor& colour) {
    for (std::size_t i = colours_.size(); i-- > 0;)
        if (colours_[i] == colour) return std::uint16_t(i);
    if (colours_.size() == 0xffff)
        throw std::runtime_error(pageStoreText(
            QT_TRANSLATE_NOOP("PageStore", "Too many colours on the recorded pages")));
    colours_.push_back(colour);
    return std::uint16_t(colours_.size() - 1);
}

}  // namespace rp
