// The table's indexes: the structural compound index and single-order index files, the keys
// of records, and keeping the structural tags up to date.
#include <algorithm>
#include <memory>

#include "xbase/Ascii.h"
#include "xbase/Error.h"
#include "xbase/internal/CdxFile.h"
#include "xbase/internal/DbfHeader.h"
#include "xbase/internal/IdxFile.h"
#include "xbase/internal/IndexCursor.h"
#include "xbase/internal/IndexKey.h"
#include "xbase/internal/IndexTag.h"
#include "xbase/internal/TableImpl.h"
#include "xbase/internal/TagPipeline.h"

namespace xbase {

// Table.h declares KeyType without its values and gives an order the value-initialized type.
static_assert(KeyType{} == KeyType::Character);

namespace {

KeyType keyTypeOf(ValueType type) {
    switch (type) {
        case ValueType::Numeric:
            return KeyType::Numeric;
        case ValueType::Date:
            return KeyType::Date;
        case ValueType::Logical:
            return KeyType::Logical;
        default:
            return KeyType::Character;
    }
}

std::string baseName(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::size_t dot = name.find_last_of('.');
    return upperAscii(dot == std::string::npos ? name : name.substr(0, dot));
}

bool blank(std::string_view text) {
    return trimRight(text).find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

std::string TableImpl::structuralIndexPath() const {
    return cdx_ ? cdx_->path() : std::string();
}

// ---- Opening ---------------------------------------------------------------------------------

void TableImpl::openStructuralIndex() {
    std::string path = companionPath(path_, "cdx");
    if (!fileExists(path)) return;  // the flag without a file: the table opens without orders
    try {
        cdx_ = std::make_unique<CdxFile>(CdxFile::open(path, mode_ != OpenMode::ReadOnly));
        loadStructuralOrders();
    } catch (const ReadOnlyError&) {
        throw;  // not damage: the caller may open the table read-only
    } catch (const Error& e) {
        cdx_.reset();
        orders_.clear();
        throw IndexError(e.what());
    }
}

TableImpl::Order TableImpl::makeOrder(IndexTag& tag) const {
    Order o;
    o.tag = &tag;
    std::string what = (tag.name().empty() ? tag.keyExpression() : "tag " + tag.name());
    try {
        o.key = compile(tag.keyExpression());
        if (!tag.forExpression().empty()) o.condition = compile(tag.forExpression());
    } catch (const ExpressionError& e) {
        throw IndexError(path_ + ": the index " + what + " cannot be used: " + e.what());
    }
    if (o.condition && o.condition->type() != ValueType::Logical)
        throw IndexError(path_ + ": the condition of index " + what + " is not logical");
    o.type = keyTypeOf(o.key.type());
    std::size_t want = o.type == KeyType::Logical ? kLogicalKeyLength : kNumericKeyLength;
    if (o.type != KeyType::Character && tag.keyLength() != want)
        throw IndexError(path_ + ": the index " + what + " has keys of " +
                         std::to_string(tag.keyLength()) +
                         " bytes, which do not fit its expression");
    tag.setKeyType(o.type);
    o.keyLength = tag.keyLength();
    return o;
}

void TableImpl::loadStructuralOrders() {
    std::vector<Order> files;
    for (Order& o : orders_)
        if (o.file) files.push_back(std::move(o));
    orders_.clear();
    if (cdx_)
        for (std::size_t i = 0; i < cdx_->tagCount(); ++i)
            orders_.push_back(makeOrder(cdx_->tag(i)));
    for (Order& o : files) orders_.push_back(std::move(o));
    planQuery();
}

bool TableImpl::listsEveryRecord(const Order& o) {
    return !o.file && !o.condition && !o.tag->unique();
}

// ---- Keys ------------------------------------------------------------------------------------

std::optional<std::string> TableImpl::keyFor(const Order& o, bool honourCondition) const {
    std::string key;
    if (!formKey(o, key, honourCondition)) return std::nullopt;
    return key;
}

bool TableImpl::formKey(const Order& o, std::string& key, bool honourCondition) const {
    return formKeyOf(o, *this, engine_.settings, key, honourCondition);
}

bool TableImpl::formKeyOf(const Order& o, const RecordSource& rec, const Settings& s,
                          std::string& key, bool honourCondition) {
    const std::optional<std::string_view> view = keyViewOf(o, rec, s, key, honourCondition);
    if (!view) return false;
    if (view->data() != key.data()) key.assign(*view);
    if (o.type == KeyType::Character) fitCharacterKey(key, o.keyLength);
    return true;
}

std::optional<std::string_view> TableImpl::keyViewOf(const Order& o, const RecordSource& rec,
                                                     const Settings& s, std::string& buffer,
                                                     bool honourCondition) {
    if (honourCondition && o.condition && !o.condition->evalLogical(rec, s)) return std::nullopt;
    switch (o.type) {
        case KeyType::Numeric:
            buffer = encodeNumericKey(o.key.evalNumber(rec, s));
            return buffer;
        case KeyType::Date:
            buffer = encodeDateKey(o.key.evalDate(rec, s));
            return buffer;
        case KeyType::Logical:
            buffer = encodeLogicalKey(o.key.evalLogical(rec, s));
            return buffer;
        default:
            return o.key.evalText(rec, s).substr(0, o.keyLength);
    }
}

bool TableImpl::fillTag(IndexTag& tag, const Order& o, const PreparedKeys* prepared,
                        const ProgressFn& progress) {
    if (prepared && prepared->error) std::rethrow_exception(prepared->error);
    return prepared && prepared->sorted
               ? tag.buildFrom(prepared->sorted->keys, prepared->sorted->order, progress)
               : tag.build(keySourceFor(o), count_, progress);
}

void TableImpl::buildTag(IndexTag& tag, const Order& o, const ProgressFn& progress,
                         const PreparedKeys* prepared) {
    std::uint32_t here = recno_;
    const bool built = fillTag(tag, o, prepared, progress);
    load(here);
    indexChanged();
    if (!built) throw Error("Building index " + tag.name() + " of " + path_ + " was stopped");
}

void TableImpl::captureOldKeys() {
    oldKeys_.clear();
    for (const Order& o : orders_)
        if (!o.file) oldKeys_.emplace_back(o.tag->headerOffset(), keyFor(o));
}

std::optional<std::string> TableImpl::oldKey(const Order& o, std::uint32_t recno) const {
    for (const auto& [offset, key] : oldKeys_)
        if (offset == o.tag->headerOffset()) return key;
    // A tag that another open created during the edit lists the record as it was: walk it.
    IndexCursor cursor(*o.tag);
    for (bool on = cursor.first(); on; on = cursor.next())
        if (cursor.recno() == recno) return std::string(cursor.key());
    return std::nullopt;
}

void TableImpl::updateKeys(std::uint32_t recno, bool appended) {
    // Shared opens change the structural index one at a time, under the index lock, and catch
    // up with the others' changes there first.
    CdxFile* const locked = mode_ == OpenMode::Shared ? cdx_.get() : nullptr;
    if (locked) locked->lockChanges();
    indexHeld_ = locked != nullptr;
    try {
        changeKeys(recno, appended);
    } catch (...) {
        indexHeld_ = false;
        if (locked) locked->unlockChanges();
        throw;
    }
    indexHeld_ = false;
    if (locked) locked->unlockChanges();
}

void TableImpl::changeKeys(std::uint32_t recno, bool appended) {
    catchUpIndexes();
    bool changed = false;
    for (Order& o : orders_) {
        if (o.file) continue;
        std::optional<std::string> now = keyFor(o);
        const std::optional<std::string> before = appended ? std::nullopt : oldKey(o, recno);
        if (now == before) continue;
        if (before) o.tag->remove(*before, recno);
        if (now && appended)
            o.tag->insertNew(*now, recno);
        else if (now)
            o.tag->insert(*now, recno);
        changed = true;
    }
    if (changed) indexChanged();
}

void TableImpl::indexChanged() {
    cursorOnCurrent_ = false;
    dropQueryCandidates();
}

void TableImpl::catchUpIndexes() {
    if (mode_ == OpenMode::Exclusive) return;  // no other open can change the files
    bool changed = false;
    if (cdx_) {
        CdxFile* const locked = indexHeld_ ? nullptr : cdx_.get();
        if (locked) locked->lockChanges(false);
        bool refreshed = false;
        try {
            refreshed = cdx_->refresh();
        } catch (...) {
            if (locked) locked->unlockChanges();
            throw;
        }
        if (locked) locked->unlockChanges();
        if (refreshed) {
            changed = true;
            if (!ordersListStructuralTags()) reloadStructuralOrders();
        }
    }
    for (Order& o : orders_)
        if (o.file && o.file->refresh()) changed = true;
    if (changed) indexChanged();
}

bool TableImpl::ordersListStructuralTags() const {
    std::size_t i = 0;
    for (const Order& o : orders_) {
        if (o.file) continue;
        if (i == cdx_->tagCount() || o.tag != &cdx_->tag(i)) return false;
        ++i;
    }
    return i == cdx_->tagCount();
}

void TableImpl::reloadStructuralOrders() {
    // The structural index has kept the objects of the tags it still lists, so the current
    // order's tag is found again by its address; the cursor on it stays valid.
    const IndexTag* current =
        order_ > 0 ? orders_[static_cast<std::size_t>(order_ - 1)].tag : nullptr;
    order_ = 0;
    try {
        loadStructuralOrders();
    } catch (...) {
        cursor_.reset();
        planQuery();
        throw;
    }
    for (int n = 1; n <= orderCount(); ++n)
        if (orders_[static_cast<std::size_t>(n - 1)].tag == current) order_ = n;
    if (order_ == 0) {
        cursor_.reset();
        scope_ = {};
    }
}

// ---- Tags ------------------------------------------------------------------------------------

TagDefinition TableImpl::defineIndex(std::string name, std::string_view keyExpression,
                                     const Expression& key) const {
    TagDefinition def;
    def.name = std::move(name);
    def.keyExpression = std::string(keyExpression);
    def.keyType = keyTypeOf(key.type());
    if (def.keyType != KeyType::Character) {
        def.keyLength = def.keyType == KeyType::Logical ? kLogicalKeyLength : kNumericKeyLength;
        return def;
    }
    // A key whose length depends on the data takes the length it has on the current record.
    int width = key.width(engine_.settings);
    if (width < 0) width = static_cast<int>(key.evalString(*this, engine_.settings).size());
    if (width < 1 || width > static_cast<int>(kMaxKeyLength))
        throw Error("The key of index " + def.name + " would be " + std::to_string(width) +
                    " bytes long; an index key has 1 to 240 bytes");
    def.keyLength = static_cast<std::size_t>(width);
    return def;
}

TableImpl::Order TableImpl::planTag(const TagRequest& request, TagDefinition& def) const {
    Order o;
    o.key = compile(request.keyExpression);
    if (!blank(request.forExpression)) {
        o.condition = compile(request.forExpression);
        if (o.condition->type() != ValueType::Logical)
            throw ExpressionError(
                "An index condition must be a logical expression: " + request.forExpression,
                request.forExpression, 1);
    }
    def = defineIndex(upperAscii(request.name), request.keyExpression, o.key);
    o.type = def.keyType;
    o.keyLength = def.keyLength;
    def.forExpression = o.condition ? request.forExpression : std::string();
    def.unique = request.unique;
    return o;
}

void TableImpl::createTag(const std::string& name, std::string_view keyExpression,
                          std::string_view forExpression, bool unique, const ProgressFn& progress) {
    TagsProgressFn report;
    if (progress) report = [&progress](std::size_t, int percent) { return progress(percent); };
    createTags({{name, std::string(keyExpression), std::string(forExpression), unique}}, report);
}

void TableImpl::requireExclusive(const std::string& work) const {
    if (mode_ == OpenMode::Shared)
        throw Error(work + " " + path_ + " needs the table opened exclusively");
}

void TableImpl::createTags(const std::vector<TagRequest>& tags, const TagsProgressFn& progress) {
    requireWritable();
    requireExclusive("Adding tags to");
    // Records still buffered are written first: the new tags list only records on disk, and a
    // first tag starts the structural index that later changes mark the header for.
    commit();
    requireFilesInPlace();
    catchUpIndexes();
    // Each tag is planned up front; one that cannot be made fails when its turn comes, after
    // the tags before it are built.
    std::vector<Order> orders(tags.size());
    std::vector<TagDefinition> defs(tags.size());
    std::vector<std::exception_ptr> errors(tags.size());
    std::vector<const Order*> planned(tags.size());
    for (std::size_t i = 0; i < tags.size(); ++i) {
        try {
            orders[i] = planTag(tags[i], defs[i]);
            planned[i] = &orders[i];
        } catch (...) {
            errors[i] = std::current_exception();
        }
    }
    buildInTurn(planned, [&](std::size_t i, const PreparedKeys* prepared) {
        if (errors[i]) std::rethrow_exception(errors[i]);
        const TagDefinition& def = defs[i];
        if (!cdx_) {
            cdx_ = std::make_unique<CdxFile>(CdxFile::create(newCompanionPath(path_, "cdx")));
            setIndexFlag(true);
        }
        BuildProgress report;
        if (progress) report = [&progress, i](int percent) { return progress(i, percent); };
        std::uint32_t here = recno_;
        IndexTag* tag =
            cdx_->addTag(def, [&](IndexTag& t) { return fillTag(t, orders[i], prepared, report); });
        load(here);
        if (!tag) throw Error("Building index " + def.name + " of " + path_ + " was stopped");
        loadStructuralOrders();
        if (order_ > 0 && orders_[static_cast<std::size_t>(order_ - 1)].file)
            ++order_;  // files come after tags
        indexChanged();
    });
}

void TableImpl::buildInTurn(
    const std::vector<const Order*>& orders,
    const std::function<void(std::size_t i, const PreparedKeys* prepared)>& build) {
    struct LetGoOfRecords {
        const FileMap& map;
        bool& byCalls;
        ~LetGoOfRecords() {
            map.letGo();
            byCalls = false;
        }
    } letGo{dbfMap_, readRecordsByCalls_};
    const std::uint64_t recordsEnd =
        headerLength_ + static_cast<std::uint64_t>(diskCount_) * recordLength_;
    // Where the keys are prepared ahead, each tag reads the records with calls, a stretch at a
    // time into a buffer the processor's cache holds: walking the file's mapping of small
    // pages a tag at a time waits on a fault or a TLB miss every few records (on a virtual
    // machine a fault every page of every walk), while the system copies from its cache
    // through its own large pages.
    readRecordsByCalls_ = pipelinesTags(orders.size());
    // Records appended since the table was mapped lie past the mapping: it is made again to
    // cover them, so that every tag forms their keys in place rather than from copies read for
    // each tag.
    if (!readRecordsByCalls_ && !dbfMap_.covers(0, recordsEnd))
        dbfMap_ = dbf_.mapForReading(dbf_.size());
    std::optional<TagPipeline> pipeline;
    if (readRecordsByCalls_)
        pipeline.emplace(orders.size(),
                         [this, &orders](std::size_t i, const std::atomic<bool>& stop) {
                             return orders[i] ? prepareKeys(*orders[i], stop) : PreparedKeys{};
                         });
    for (std::size_t i = 0; i < orders.size(); ++i) {
        if (!pipeline) {
            build(i, nullptr);
            continue;
        }
        PreparedKeys prepared = pipeline->take(i);
        build(i, &prepared);
        prepared = {};
        pipeline->done(i);
    }
}

void TableImpl::dropTag(std::string_view name) {
    requireWritable();
    requireExclusive("Removing a tag from");
    post();
    requireFilesInPlace();
    catchUpIndexes();
    int n = orderNumber(name);
    if (!cdx_ || n == 0 || orders_[static_cast<std::size_t>(n - 1)].file)
        throw Error(path_ + " has no index tag " + std::string(name));
    cdx_->dropTag(name);
    loadStructuralOrders();
    if (order_ == n)
        setOrder(0);
    else if (order_ > n)
        --order_;
    indexChanged();
}

void TableImpl::closeIndexes() {
    post();
    setOrder(0);
    orders_.clear();
    cdx_.reset();
    planQuery();
}

void TableImpl::deleteIndexes() {
    requireWritable();
    // The family's locks of a table without a structural index lie elsewhere: every open must
    // keep one scheme.
    requireExclusive("Removing the structural index of");
    commit();
    beginChanges();
    std::string path = cdx_ ? cdx_->path() : companionPath(path_, "cdx");
    closeIndexes();
    removeFile(path);
    setIndexFlag(false);
    keepMark_ = false;  // no index is left to be out of date
    commit();
}

void TableImpl::reindex(const ProgressFn& progress) {
    requireWritable();
    requireExclusive("Rebuilding the tags of");
    commit();
    if (!cdx_ && (tableFlags_ & dbf::kFlagStructuralIndex)) {
        openStructuralIndex();
        indexChanged();
    }
    catchUpIndexes();
    beginChanges();
    try {
        rebuildTags(progress);
    } catch (...) {
        keepMark_ = true;  // some tags may not follow the records
        throw;
    }
    keepMark_ = false;  // every tag now follows the records
    commit();
}

void TableImpl::setIndexAside() {
    requireWritable();
    commit();
    if (!cdx_) return;
    // The mark is on the disk before the index is let go: should it fail, the index stays open
    // and kept up to date. Without the index open the table is not in sync with it, so the mark
    // outlives the run.
    beginChanges();
    closeIndexes();
    commit();
}

void TableImpl::rebuildTags(const ProgressFn& progress) {
    std::vector<Order*> tags;
    for (Order& o : orders_)
        if (!o.file) tags.push_back(&o);
    buildInTurn({tags.begin(), tags.end()}, [&](std::size_t i, const PreparedKeys* prepared) {
        buildTag(*tags[i]->tag, *tags[i], progress, prepared);
    });
}

void TableImpl::setIndexFlag(bool on) {
    std::uint8_t flags =
        on ? tableFlags_ | dbf::kFlagStructuralIndex : tableFlags_ & ~dbf::kFlagStructuralIndex;
    if (flags == tableFlags_) return;
    tableFlags_ = flags;
    char byte = static_cast<char>(flags);
    dbf_.writeAt(dbf::kTableFlagsOffset, &byte, 1);
}

// ---- Orders ----------------------------------------------------------------------------------

int TableImpl::orderNumber(std::string_view tagName) const {
    for (int n = 1; n <= orderCount(); ++n)
        if (equalsNoCase(this->tagName(n), trimRight(tagName))) return n;
    return 0;
}

std::string TableImpl::tagName(int n) const {
    if (n < 1 || n > orderCount()) return {};
    const Order& o = orders_[static_cast<std::size_t>(n - 1)];
    return o.file ? baseName(o.file->path()) : o.tag->name();
}

void TableImpl::setOrder(int n) {
    post();
    if (n < 0 || n > orderCount()) throw Error(path_ + " has no order number " + std::to_string(n));
    order_ = n;
    cursor_ = n == 0 ? nullptr
                     : std::make_unique<IndexCursor>(*orders_[static_cast<std::size_t>(n - 1)].tag);
    cursorOnCurrent_ = false;
    scope_ = {};
    boundsKnown_ = false;
}

void TableImpl::setOrder(std::string_view tagName) {
    int n = orderNumber(tagName);
    if (n == 0) throw Error(path_ + " has no index tag " + std::string(tagName));
    setOrder(n);
}

TableImpl::Order& TableImpl::currentOrder() {
    if (order_ == 0) throw Error(path_ + ": there is no index order to use");
    return orders_[static_cast<std::size_t>(order_ - 1)];
}

std::string TableImpl::orderKeyExpression() const {
    return order_ == 0 ? std::string()
                       : orders_[static_cast<std::size_t>(order_ - 1)].tag->keyExpression();
}

std::string TableImpl::orderIndexFile() const {
    if (order_ == 0) return {};
    const Order& o = orders_[static_cast<std::size_t>(order_ - 1)];
    return o.file ? o.file->path() : cdx_->path();
}

// ---- Index files -----------------------------------------------------------------------------

int TableImpl::createIndexFile(const std::string& path, std::string_view keyExpression, bool empty,
                               const ProgressFn& progress) {
    post();
    Expression key = compile(keyExpression);
    TagDefinition def = defineIndex(baseName(path), keyExpression, key);
    Order o;
    o.file = std::make_unique<IdxFile>(IdxFile::create(path, def));
    o.tag = &o.file->tag();
    o.key = std::move(key);
    o.type = def.keyType;
    o.keyLength = def.keyLength;
    if (!empty) {
        try {
            buildInTurn({&o}, [&](std::size_t, const PreparedKeys* prepared) {
                buildTag(*o.tag, o, progress, prepared);
            });
        } catch (...) {
            o.file.reset();
            removeFile(path);
            throw;
        }
    }
    orders_.push_back(std::move(o));
    setOrder(orderCount());
    return order_;
}

int TableImpl::openIndexFile(const std::string& path) {
    post();
    auto file = std::make_unique<IdxFile>(IdxFile::open(path, mode_ != OpenMode::ReadOnly));
    Order o = makeOrder(file->tag());
    o.file = std::move(file);
    orders_.push_back(std::move(o));
    setOrder(orderCount());
    return order_;
}

void TableImpl::fillIndexFile(const std::vector<std::uint32_t>& records) {
    post();
    Order& o = currentOrder();
    if (!o.file) throw Error(path_ + ": the current order is not an index file");
    const std::uint32_t here = recno_;
    // Read in file order: the keys are sorted anyway.
    std::vector<std::uint32_t> sorted(records);
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    std::size_t next = 0;
    const bool built = o.tag->build(
        [&](std::string& key, std::uint32_t& recno) {
            while (next < sorted.size()) {
                const std::uint32_t r = sorted[next++];
                if (r < 1 || r > count_) continue;
                load(r);
                if (formKey(o, key)) {
                    recno = r;
                    return true;
                }
            }
            return false;
        },
        sorted.size());
    load(here);
    indexChanged();
    if (!built) throw Error("Filling index " + o.tag->name() + " of " + path_ + " was stopped");
}

void TableImpl::addKey() {
    post();
    catchUpIndexes();
    Order& o = currentOrder();
    if (recno_ < 1 || recno_ > count_) throw Error(path_ + ": there is no current record to index");
    if (std::optional<std::string> key = keyFor(o)) o.tag->insert(*key, recno_);
    indexChanged();
}

void TableImpl::deleteKey() {
    post();
    catchUpIndexes();
    Order& o = currentOrder();
    if (recno_ < 1 || recno_ > count_) throw Error(path_ + ": there is no current record to index");
    if (std::optional<std::string> key = keyFor(o)) o.tag->remove(*key, recno_);
    indexChanged();
}

}  // namespace xbase
