#include "script/text_trie.h"

#include <algorithm>

namespace zarvo {

TextTrie::TextTrie(std::vector<std::pair<std::string, int32_t>> entries) : rootChildren_(256, -1)
{
    std::erase_if(entries, [](const auto& entry) { return entry.first.empty(); });
    // A stable sort keeps the first of equal keys in front.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    nodes_.emplace_back();
    childBytes_.push_back(0);
    build(entries, 0, entries.size(), 0, 0);
    const Node& root = nodes_[0];
    for (uint32_t i = 0; i < root.childCount; ++i) {
        const auto node = static_cast<std::size_t>(root.firstChild) + i;
        rootChildren_[childBytes_[node]] = static_cast<int32_t>(node);
    }
}

void TextTrie::build(const std::vector<std::pair<std::string, int32_t>>& sorted, std::size_t first, std::size_t last,
                     std::size_t depth, std::size_t node)
{
    // Entries that end here come first in sorted order.
    if (first < last && sorted[first].first.size() == depth) {
        nodes_[node].value = sorted[first].second;
        while (first < last && sorted[first].first.size() == depth) ++first;
    }
    // One child per distinct next byte; their nodes are made together, then filled.
    std::vector<std::pair<std::size_t, std::size_t>> groups;
    for (std::size_t at = first; at < last;) {
        const char byte = sorted[at].first[depth];
        std::size_t end = at;
        while (end < last && sorted[end].first[depth] == byte) ++end;
        groups.emplace_back(at, end);
        at = end;
    }
    const auto firstChild = nodes_.size();
    nodes_[node].firstChild = static_cast<int32_t>(firstChild);
    nodes_[node].childCount = static_cast<uint32_t>(groups.size());
    for (const auto& [from, to] : groups) {
        nodes_.emplace_back();
        childBytes_.push_back(static_cast<uint8_t>(sorted[from].first[depth]));
    }
    for (std::size_t i = 0; i < groups.size(); ++i) {
        build(sorted, groups[i].first, groups[i].second, depth + 1, firstChild + i);
    }
}

int32_t TextTrie::child(int32_t node, uint8_t byte) const
{
    if (node == 0) return rootChildren_[byte];
    const Node& parent = nodes_[static_cast<std::size_t>(node)];
    const auto begin = childBytes_.begin() + parent.firstChild;
    const auto end = begin + parent.childCount;
    const auto found = std::lower_bound(begin, end, byte);
    if (found == end || *found != byte) return -1;
    return static_cast<int32_t>(found - childBytes_.begin());
}

TextTrie::Found TextTrie::longestAt(std::string_view text, std::size_t at) const
{
    Found longest;
    eachAt(text, at, [&longest](Found found) {
        longest = found;
        return true;
    });
    return longest;
}

}  // namespace zarvo
