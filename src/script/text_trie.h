#pragma once
// A set of byte strings, each with a value, that finds the longest of them beginning
// at a place of a longer text. Built once; lookups walk one node per byte.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zarvo {

class TextTrie {
public:
    // Entries (key, value); of equal keys the first one given is kept. Empty keys are
    // never found.
    explicit TextTrie(std::vector<std::pair<std::string, int32_t>> entries = {});

    struct Found {
        std::size_t length = 0;  // 0 when nothing matched
        int32_t value = -1;
    };
    // The longest key that text[at...] begins with.
    [[nodiscard]] Found longestAt(std::string_view text, std::size_t at) const;
    // Every key that text[at...] begins with, shortest first, while visit returns true.
    template <class Visit>
    void eachAt(std::string_view text, std::size_t at, Visit&& visit) const
    {
        int32_t node = 0;
        for (std::size_t i = at; i < text.size(); ++i) {
            node = child(node, static_cast<uint8_t>(text[i]));
            if (node < 0) return;
            if (nodes_[static_cast<std::size_t>(node)].value >= 0 &&
                !visit(Found{i - at + 1, nodes_[static_cast<std::size_t>(node)].value})) {
                return;
            }
        }
    }
    [[nodiscard]] bool empty() const { return nodes_.size() <= 1; }

private:
    struct Node {
        int32_t firstChild = 0;  // children lie together, in byte order
        uint32_t childCount = 0;
        int32_t value = -1;
    };

    // Builds the node for the sorted entries [first, last), which share `depth` bytes.
    void build(const std::vector<std::pair<std::string, int32_t>>& sorted, std::size_t first, std::size_t last,
               std::size_t depth, std::size_t node);
    [[nodiscard]] int32_t child(int32_t node, uint8_t byte) const;

    std::vector<Node> nodes_;
    std::vector<uint8_t> childBytes_;  // the byte leading to each node, by node
    std::vector<int32_t> rootChildren_;  // by byte: the root's child, -1 when none
};

}  // namespace zarvo
