// Table's operations, carried out by the TableImpl that every Table is.
#include "xbase/Table.h"

#include "xbase/internal/TableImpl.h"

namespace xbase {

namespace {

TableImpl& impl(Table* table) {
    return static_cast<TableImpl&>(*table);
}

const TableImpl& impl(const Table* table) {
    return static_cast<const TableImpl&>(*table);
}

}  // namespace

Table::~Table() = default;

void Table::close() {
    return impl(this).close();
}

bool Table::isOpen() const {
    return impl(this).isOpen();
}

Engine& Table::engine() const {
    return impl(this).engine();
}

const std::string& Table::path() const {
    return impl(this).path();
}

const std::string& Table::alias() const {
    return impl(this).alias();
}

OpenMode Table::mode() const {
    return impl(this).mode();
}

std::uint8_t Table::version() const {
    return impl(this).version();
}

std::uint8_t Table::codePage() const {
    return impl(this).codePage();
}

std::uint8_t Table::tableFlags() const {
    return impl(this).tableFlags();
}

JulianDay Table::lastUpdate() const {
    return impl(this).lastUpdate();
}

std::uint16_t Table::headerLength() const {
    return impl(this).headerLength();
}

std::uint16_t Table::recordLength() const {
    return impl(this).recordLength();
}

std::string Table::memoPath() const {
    return impl(this).memoPath();
}

int Table::fieldCount() const {
    return impl(this).fieldCount();
}

const Field& Table::field(int n) const {
    return impl(this).field(n);
}

int Table::fieldNumber(std::string_view name) const {
    return impl(this).fieldNumber(name);
}

void Table::goTop() {
    return impl(this).goTop();
}

void Table::goBottom() {
    return impl(this).goBottom();
}

void Table::skip(long n) {
    return impl(this).skip(n);
}

void Table::go(std::uint32_t recno) {
    return impl(this).go(recno);
}

std::uint32_t Table::recordCount() const {
    return impl(this).recordCount();
}

bool Table::bof() const {
    return impl(this).bof();
}

bool Table::eof() const {
    return impl(this).eof();
}

std::uint32_t Table::visibleCount() {
    return impl(this).visibleCount();
}

std::string Table::text(int n) const {
    return impl(this).text(n);
}

std::string Table::text(std::string_view name) const {
    return impl(this).text(name);
}

double Table::number(int n) const {
    return impl(this).number(n);
}

double Table::number(std::string_view name) const {
    return impl(this).number(name);
}

JulianDay Table::date(int n) const {
    return impl(this).date(n);
}

JulianDay Table::date(std::string_view name) const {
    return impl(this).date(name);
}

std::optional<bool> Table::logical(int n) const {
    return impl(this).logical(n);
}

std::optional<bool> Table::logical(std::string_view name) const {
    return impl(this).logical(name);
}

std::string Table::memo(int n) const {
    return impl(this).memo(n);
}

std::string Table::memo(std::string_view name) const {
    return impl(this).memo(name);
}

bool Table::isEmpty(int n) const {
    return impl(this).isEmpty(n);
}

std::string_view Table::recordBytes() const {
    return impl(this).recordBytes();
}

void Table::setText(int n, std::string_view value) {
    return impl(this).setText(n, value);
}

void Table::setText(std::string_view name, std::string_view value) {
    return impl(this).setText(name, value);
}

void Table::setNumber(int n, double value) {
    return impl(this).setNumber(n, value);
}

void Table::setNumber(std::string_view name, double value) {
    return impl(this).setNumber(name, value);
}

void Table::setDate(int n, JulianDay value) {
    return impl(this).setDate(n, value);
}

void Table::setDate(std::string_view name, JulianDay value) {
    return impl(this).setDate(name, value);
}

void Table::setLogical(int n, bool value) {
    return impl(this).setLogical(n, value);
}

void Table::setLogical(std::string_view name, bool value) {
    return impl(this).setLogical(name, value);
}

void Table::setMemo(int n, std::string_view text) {
    return impl(this).setMemo(n, text);
}

void Table::setMemo(std::string_view name, std::string_view text) {
    return impl(this).setMemo(name, text);
}

void Table::setEmpty(int n) {
    return impl(this).setEmpty(n);
}

void Table::appendBlank() {
    return impl(this).appendBlank();
}

void Table::post() {
    return impl(this).post();
}

void Table::cancel() {
    return impl(this).cancel();
}

bool Table::editing() const {
    return impl(this).editing();
}

bool Table::appending() const {
    return impl(this).appending();
}

void Table::commit() {
    return impl(this).commit();
}

void Table::forgetUnwritten() {
    return impl(this).forgetUnwritten();
}

void Table::deleteRecord() {
    return impl(this).deleteRecord();
}

void Table::recall() {
    return impl(this).recall();
}

void Table::lockRecord(std::uint32_t recno) {
    impl(this).lockRecord(recno);
}

void Table::unlockRecord(std::uint32_t recno) {
    impl(this).unlockRecord(recno);
}

bool Table::isRecordLockedByOther(std::uint32_t recno) const {
    return impl(this).isRecordLockedByOther(recno);
}

bool Table::othersChanged() {
    return impl(this).othersChanged();
}

void Table::pack(const ProgressFn& progress) {
    return impl(this).pack(progress);
}

void Table::zap() {
    return impl(this).zap();
}

void Table::copyStructure(const std::string& path) const {
    return impl(this).copyStructure(path);
}

void Table::copyFile(const std::string& path) {
    return impl(this).copyFile(path);
}

Expression Table::compile(std::string_view text) const {
    return impl(this).compile(text);
}

void Table::setFilter(std::string_view expression) {
    return impl(this).setFilter(expression);
}

const std::string& Table::filter() const {
    return impl(this).filter();
}

bool Table::hasStructuralIndex() const {
    return impl(this).hasStructuralIndex();
}

std::string Table::structuralIndexPath() const {
    return impl(this).structuralIndexPath();
}

void Table::createTag(const std::string& name, std::string_view keyExpression,
                      std::string_view forExpression, bool unique, const ProgressFn& progress) {
    return impl(this).createTag(name, keyExpression, forExpression, unique, progress);
}

void Table::createTags(const std::vector<TagRequest>& tags, const TagsProgressFn& progress) {
    return impl(this).createTags(tags, progress);
}

void Table::dropTag(std::string_view name) {
    return impl(this).dropTag(name);
}

void Table::closeIndexes() {
    return impl(this).closeIndexes();
}

void Table::deleteIndexes() {
    return impl(this).deleteIndexes();
}

bool Table::indexRebuiltAtOpen() const {
    return impl(this).indexRebuiltAtOpen();
}

bool Table::indexMayBeStale() const {
    return impl(this).indexMayBeStale();
}

bool Table::markedIncomplete() const {
    return impl(this).markedIncomplete();
}

void Table::reindex(const ProgressFn& progress) {
    return impl(this).reindex(progress);
}

void Table::setIndexAside() {
    return impl(this).setIndexAside();
}

int Table::orderCount() const {
    return impl(this).orderCount();
}

int Table::orderNumber(std::string_view tagName) const {
    return impl(this).orderNumber(tagName);
}

std::string Table::tagName(int n) const {
    return impl(this).tagName(n);
}

void Table::setOrder(int n) {
    return impl(this).setOrder(n);
}

void Table::setOrder(std::string_view tagName) {
    return impl(this).setOrder(tagName);
}

int Table::order() const {
    return impl(this).order();
}

std::string Table::orderTagName() const {
    return impl(this).orderTagName();
}

std::string Table::orderKeyExpression() const {
    return impl(this).orderKeyExpression();
}

std::string Table::orderIndexFile() const {
    return impl(this).orderIndexFile();
}

bool Table::seek(std::string_view key) {
    return impl(this).seek(key);
}

bool Table::seekNumber(double value) {
    return impl(this).seekNumber(value);
}

bool Table::seekDate(JulianDay value) {
    return impl(this).seekDate(value);
}

bool Table::seekLogical(bool value) {
    return impl(this).seekLogical(value);
}

bool Table::found() const {
    return impl(this).found();
}

void Table::setScope(std::string_view low, std::string_view high) {
    return impl(this).setScope(low, high);
}

int Table::createIndexFile(const std::string& path, std::string_view keyExpression, bool empty,
                           const ProgressFn& progress) {
    return impl(this).createIndexFile(path, keyExpression, empty, progress);
}

int Table::openIndexFile(const std::string& path) {
    return impl(this).openIndexFile(path);
}

void Table::addKey() {
    return impl(this).addKey();
}

void Table::fillIndexFile(const std::vector<std::uint32_t>& records) {
    return impl(this).fillIndexFile(records);
}

void Table::deleteKey() {
    return impl(this).deleteKey();
}

}  // namespace xbase
