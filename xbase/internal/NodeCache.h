#pragma once
// Decoded index nodes kept by page offset, so that the nodes a descent passes are not read and
// decoded again. Interior nodes and leaves have byte budgets of their own: a stream of leaves
// (a long walk, random seeks) never pushes out the upper levels of a tree that every descent
// passes through. Within a budget, nodes leave in "second chance" order: a sweep passes over
// the slots and drops the first node not used since the sweep last passed it, so that a hit
// only sets a flag.
//
// Nodes are handed out as shared pointers to immutable nodes: dropping or replacing a node here
// leaves whoever holds it with the node as it was.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "xbase/internal/CdxNode.h"

namespace xbase {

class NodeCache {
  public:
    using Node = std::shared_ptr<const DecodedNode>;

    NodeCache(std::size_t interiorBudget, std::size_t leafBudget);
    NodeCache(const NodeCache&) = delete;
    NodeCache& operator=(const NodeCache&) = delete;

    // The node at offset when it was decoded with this key length and trail byte; else null.
    Node find(std::uint32_t offset, std::size_t keyLength, char trail);
    // Keeps a node decoded from the page at offset, in place of any kept before.
    void put(std::uint32_t offset, Node node, char trail);
    void erase(std::uint32_t offset);
    void clear();

  private:
    struct Slot {
        Node node;  // null in a free slot
        std::uint32_t offset = 0;
        std::size_t bytes = 0;
        char trail = 0;
        bool used = false;  // found since the sweep last passed
    };
    struct Segment {
        std::size_t budget;
        std::size_t bytes = 0;
        std::vector<Slot> slots;
        std::vector<std::uint32_t> free;  // indexes of free slots
        std::size_t hand = 0;             // where the sweep goes on
    };
    struct Place {
        Segment* segment;
        std::uint32_t slot;
    };

    void release(Segment& segment, std::uint32_t slot);
    // Drops nodes until the segment is within its budget, keeping the slot just filled.
    void shrink(Segment& segment, std::uint32_t keep);

    Segment interior_;
    Segment leaves_;
    std::unordered_map<std::uint32_t, Place> places_;
};

}  // namespace xbase
