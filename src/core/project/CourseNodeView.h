#pragma once
// What the tree view shows for a node: its text and its image index.

#include <string>

namespace vlm {

class TCourseNode;

// Images of the tree's image list by page kind.
inline constexpr int kImageOutsideDocument = 0; // kind 2
inline constexpr int kImageCourse = 1;          // the root: the one entry no page kind uses
inline constexpr int kImageNoKind = 2;          // kind -1
inline constexpr int kImageContent = 3;         // kind 0
inline constexpr int kImageURLLink = 4;         // kind 1

// The image of a page kind; a kind the program does not know shows as "no kind".
int PageKindImage(int pageType);

// The root: LangText("TREE_TEXT_PROJECT") + ": " + its name; a page: its name.
std::string NodeText(const TCourseNode& node);
int NodeImageIndex(const TCourseNode& node);

} // namespace vlm
