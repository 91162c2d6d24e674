#include "xbase/NodeCache.h"

namespace xbase {

namespace {

// What keeping a node costs besides the node itself: its list entry and its slot in the map.
constexpr std::size_t kEntryOverhead = 96;

}  // namespace

NodeCache::NodeCache(std::size_t interiorBudget, std::size_t leafBudget)
    : interior_{interiorBudget, 0, {}}, leaves_{leafBudget, 0, {}} {}

NodeCache::Node NodeCache::find(std::uint32_t offset, std::size_t keyLength, char trail) {
    const auto it = places_.find(offset);
    if (it == places_.end()) return nullptr;
    const Place& place = it->second;
    if (place.entry->node->keyLength != keyLength || place.entry->trail != trail) return nullptr;
    std::list<Entry>& entries = place.segment->entries;
    entries.splice(entries.begin(), entries, place.entry);
    return place.entry->node;
}

void NodeCache::put(std::uint32_t offset, Node node, char trail) {
    erase(offset);
    Segment& segment = node->leaf ? leaves_ : interior_;
    const std::size_t bytes = node->footprint() + kEntryOverhead;
    segment.entries.push_front(Entry{offset, std::move(node), trail, bytes});
    segment.bytes += bytes;
    places_.emplace(offset, Place{&segment, segment.entries.begin()});
    // The newest node stays even when it alone is over the budget.
    while (segment.bytes > segment.budget && segment.entries.size() > 1) {
        const auto last = std::prev(segment.entries.end());
        drop(places_.at(last->offset));
    }
}

void NodeCache::erase(std::uint32_t offset) {
    const auto it = places_.find(offset);
    if (it != places_.end()) drop(it->second);
}

void NodeCache::drop(const Place& place) {
    const std::uint32_t offset = place.entry->offset;
    place.segment->bytes -= place.entry->bytes;
    place.segment->entries.erase(place.entry);
    places_.erase(offset);
}

void NodeCache::clear() {
    places_.clear();
    for (Segment* segment : {&interior_, &leaves_}) {
        segment->entries.clear();
        segment->bytes = 0;
    }
}

}  // namespace xbase
