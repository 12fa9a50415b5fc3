#pragma once

#include <string>
#include <vector>

// The two choice trees of the Customize dialog: the card backs by theme and the table
// backgrounds by kind. Every node carries a code: 0 for a folder, the back number for a card
// back, and for a background the kind it selects (1 the chosen plain colour, 2..1000 a
// background picture of that number, above 1000 a fixed colour whose value is the code, a
// 24-bit colour with red in the low byte).

namespace tindle {

struct CustomizeNode {
    std::string text;
    long long code = 0;
    std::vector<CustomizeNode> children;
    bool IsFolder() const { return code == 0; }
};

namespace customize {
inline constexpr long long kFolderCode = 0;
inline constexpr long long kPlainColourCode = 1;
inline constexpr long long kFirstPictureCode = 2;
inline constexpr long long kFirstStretchedPictureCode = 500;
inline constexpr long long kLastPictureCode = 1000;
}  // namespace customize

// The top-level folders with their nodes, each level sorted by text without regard to case
// (the order the dialog shows them in).
const std::vector<CustomizeNode>& CardBackTree();
const std::vector<CustomizeNode>& BackgroundTree();

// Every node of a tree in display order (a folder, then its nodes, then the next folder),
// whether its folder is open or not.
std::vector<const CustomizeNode*> NodesInDisplayOrder(const std::vector<CustomizeNode>& tree);

// The name of a card back or background code in its tree; empty when none carries it.
std::string NodeText(const std::vector<CustomizeNode>& tree, long long code);

}  // namespace tindle
