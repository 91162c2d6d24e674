#include "xbase/Engine.h"

#include <algorithm>

#include "xbase/Ascii.h"
#include "xbase/Error.h"
#include "xbase/internal/DbfHeader.h"
#include "xbase/internal/File.h"
#include "xbase/internal/MemoFile.h"
#include "xbase/internal/TableImpl.h"

namespace xbase {

Engine::Engine() = default;

Engine::~Engine() {
    closeAll();
}

std::unique_ptr<Table> Engine::open(const std::string& path, OpenMode mode, bool openIndexes,
                                    const ProgressFn& rebuildProgress) {
    std::unique_ptr<TableImpl> table(new TableImpl(*this, path, mode));
    table->openFiles(openIndexes, rebuildProgress);
    table->alias_ = makeAlias(path);
    attach(table.get());
    return table;
}

void Engine::create(const std::string& path, const std::vector<FieldSpec>& specs) {
    DbfHeader h;
    h.fields = makeFieldList(specs);
    h.version = h.hasMemoFields() ? dbf::kFoxPro2Memo : dbf::kPlain;
    h.lastUpdate = today();
    h.headerLength =
        static_cast<std::uint16_t>(dbf::kHeaderSize + dbf::kDescriptorSize * h.fields.size() + 1);
    h.recordLength = static_cast<std::uint16_t>(h.fields.back().offset + h.fields.back().width);
    h.codePage = dbf::kCodePage1252;
    File f = File::create(path);
    f.writeAt(0, encodeDbfHeader(h) + dbf::kEndOfFile);
    f.closeChecked();
    if (h.hasMemoFields()) MemoFile::createFpt(newCompanionPath(path, "fpt"));
}

void Engine::closeAll() {
    // close() detaches, so work on a copy of the list.
    std::vector<Table*> tables = open_;
    for (Table* t : tables) t->close();
}

Table* Engine::findAlias(std::string_view alias) const {
    for (Table* t : open_)
        if (equalsNoCase(t->alias(), alias)) return t;
    return nullptr;
}

std::string Engine::makeAlias(const std::string& path) const {
    std::size_t slash = path.find_last_of('/');
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::size_t dot = base.find_last_of('.');
    if (dot != std::string::npos && dot > 0) base.resize(dot);
    base = upperAscii(base.substr(0, 8));
    std::replace_if(
        base.begin(), base.end(), [](char c) { return c == '~' || c == '-' || c == ' '; }, '_');
    if (!findAlias(base)) return base;
    for (int n = 1;; ++n) {
        std::string candidate = base + "_" + std::to_string(n);
        if (!findAlias(candidate)) return candidate;
    }
}

void Engine::attach(Table* t) {
    open_.push_back(t);
}

void Engine::detach(Table* t) {
    open_.erase(std::remove(open_.begin(), open_.end(), t), open_.end());
}

}  // namespace xbase
