#include "shell/TfrmCustomizeTrees.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <string_view>

#include "table/ResourceNames.h"

namespace tindle {

namespace {

// The fixed colours offered, red in the low byte.
constexpr long long kBlue = 0xFF0000;
constexpr long long kGreen = 0x008000;
constexpr long long kNavy = 0x800000;
constexpr long long kOlive = 0x008080;
constexpr long long kTeal = 0x808000;
constexpr long long kWhite = 0xFFFFFF;

std::string NameOf(const auto& table, int code) {
    for (const auto& entry : table)
        if (entry.code == code) return std::string(entry.name);
    return std::string();
}

CustomizeNode Back(int number) {
    return {NameOf(kCardBacks, number), number, {}};
}

CustomizeNode Picture(int number) {
    return {NameOf(kBackgroundPictures, number), number, {}};
}

CustomizeNode Folder(std::string text, std::initializer_list<CustomizeNode> children) {
    return {std::move(text), customize::kFolderCode, children};
}

bool TextBefore(const CustomizeNode& a, const CustomizeNode& b) {
    return std::lexicographical_compare(a.text.begin(), a.text.end(), b.text.begin(), b.text.end(),
                                        [](char x, char y) {
                                            return std::tolower(static_cast<unsigned char>(x)) <
                                                   std::tolower(static_cast<unsigned char>(y));
                                        });
}

std::vector<CustomizeNode> Sorted(std::vector<CustomizeNode> nodes) {
    std::stable_sort(nodes.begin(), nodes.end(), TextBefore);
    for (CustomizeNode& node : nodes)
        node.children = Sorted(std::move(node.children));
    return nodes;
}

void Walk(const std::vector<CustomizeNode>& nodes, std::vector<const CustomizeNode*>& out) {
    for (const CustomizeNode& node : nodes) {
        out.push_back(&node);
        Walk(node.children, out);
    }
}

}  // namespace

const std::vector<CustomizeNode>& CardBackTree() {
    static const std::vector<CustomizeNode> tree = Sorted({
        Folder("Animals", {Back(19)}),
        Folder("Children", {Back(3)}),
        Folder("Classics", {Back(7)}),
        Folder("Famous pictures", {Back(1)}),
        Folder("Flowers", {Back(14)}),
        Folder("Geometric", {Back(11), Back(6)}),
        Folder("Nature", {Back(20)}),
    });
    return tree;
}

const std::vector<CustomizeNode>& BackgroundTree() {
    static const std::vector<CustomizeNode> tree = Sorted({
        Folder("Colors",
               {
                   {"Blue", kBlue, {}},
                   {"Green", kGreen, {}},
                   {"Navy", kNavy, {}},
                   {"Olive", kOlive, {}},
                   {"Teal", kTeal, {}},
                   {"White", kWhite, {}},
               }),
        Folder("Over 256 colors",
               {Folder("Marbles", {Picture(263)}), Folder("Metal", {Picture(287)}),
                Folder("Nature", {Picture(277), Picture(324)}), Folder("Patterns", {Picture(302)}),
                Folder("Tissue", {Picture(296)}), Folder("Walls", {Picture(304)}),
                Folder("Wood", {Picture(311)})}),
        Folder("Under 256 colors", {Folder("Geometricals", {Picture(102)})}),
    });
    return tree;
}

std::vector<const CustomizeNode*> NodesInDisplayOrder(const std::vector<CustomizeNode>& tree) {
    std::vector<const CustomizeNode*> nodes;
    Walk(tree, nodes);
    return nodes;
}

std::string NodeText(const std::vector<CustomizeNode>& tree, long long code) {
    for (const CustomizeNode* node : NodesInDisplayOrder(tree))
        if (!node->IsFolder() && node->code == code) return node->text;
    return std::string();
}

}  // namespace tindle
