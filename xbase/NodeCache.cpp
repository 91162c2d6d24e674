#include "xbase/internal/NodeCache.h"

namespace xbase {

namespace {

// What keeping a node costs besides the node itself: its slot and its entry in the map.
constexpr std::size_t kEntryOverhead = 96;

}  // namespace

NodeCache::NodeCache(std::size_t interiorBudget, std::size_t leafBudget)
    : interior_{interiorBudget, 0, {}, {}, 0}, leaves_{leafBudget, 0, {}, {}, 0} {}

NodeCache::Node NodeCache::find(std::uint32_t offset, std::size_t keyLength, char trail) {
    const auto it = places_.find(offset);
    if (it == places_.end()) return nullptr;
    Slot& slot = it->second.segment->slots[it->second.slot];
    if (slot.node->keyLength != keyLength || slot.trail != trail) return nullptr;
    slot.used = true;
    return slot.node;
}

void NodeCache::put(std::uint32_t offset, Node node, char trail) {
    erase(offset);
    Segment& segment = node->leaf ? leaves_ : interior_;
    std::uint32_t index;
    if (segment.free.empty()) {
        index = static_cast<std::uint32_t>(segment.slots.size());
        segment.slots.emplace_back();
    } else {
        index = segment.free.back();
        segment.free.pop_back();
    }
    Slot& slot = segment.slots[index];
    slot.bytes = node->footprint() + kEntryOverhead;
    slot.node = std::move(node);
    slot.offset = offset;
    slot.trail = trail;
    slot.used = false;
    segment.bytes += slot.bytes;
    places_.emplace(offset, Place{&segment, index});
    shrink(segment, index);
}

void NodeCache::shrink(Segment& segment, std::uint32_t keep) {
    // The newest node stays even when it alone is over the budget. Each turn of the sweep
    // either drops a node or clears a flag, so two turns over the slots drop one.
    while (segment.bytes > segment.budget && segment.slots.size() - segment.free.size() > 1) {
        if (segment.hand >= segment.slots.size()) segment.hand = 0;
        const auto index = static_cast<std::uint32_t>(segment.hand++);
        Slot& slot = segment.slots[index];
        if (!slot.node || index == keep) continue;
        if (slot.used) {
            slot.used = false;
            continue;
        }
        places_.erase(slot.offset);
        release(segment, index);
    }
}

void NodeCache::erase(std::uint32_t offset) {
    const auto it = places_.find(offset);
    if (it == places_.end()) return;
    const Place place = it->second;
    places_.erase(it);
    release(*place.segment, place.slot);
}

void NodeCache::release(Segment& segment, std::uint32_t index) {
    Slot& slot = segment.slots[index];
    segment.bytes -= slot.bytes;
    slot.node.reset();
    segment.free.push_back(index);
}

void NodeCache::clear() {
    places_.clear();
    for (Segment* segment : {&interior_, &leaves_}) {
        segment->slots.clear();
        segment->free.clear();
        segment->bytes = 0;
        segment->hand = 0;
    }
}

}  // namespace xbase
