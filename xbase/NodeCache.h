#pragma once
// Decoded index nodes kept by page offset, so that the nodes a descent passes are not read and
// decoded again. Interior nodes and leaves have byte budgets of their own, each kept by
// dropping its least recently used nodes: a stream of leaves (a long walk, random seeks) never
// pushes out the upper levels of a tree that every descent passes through.
//
// Nodes are handed out as shared pointers to immutable nodes: dropping or replacing a node here
// leaves whoever holds it with the node as it was.
#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <unordered_map>

#include "xbase/CdxNode.h"

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
    struct Entry {
        std::uint32_t offset;
        Node node;
        char trail;
        std::size_t bytes;
    };
    struct Segment {
        std::size_t budget;
        std::size_t bytes = 0;
        std::list<Entry> entries;  // most recently used first
    };
    struct Place {
        Segment* segment;
        std::list<Entry>::iterator entry;
    };

    void drop(const Place& place);

    Segment interior_;
    Segment leaves_;
    std::unordered_map<std::uint32_t, Place> places_;
};

}  // namespace xbase
