#pragma once
// What the design surface paints, as data: snapping, the content height,
// the background with its screen-size marker, and the grid lines.

#include "page/janXMLTree.h"

#include <string>
#include <vector>

namespace vlm {

inline constexpr int kSurfaceWidth = 1024; // the background image
inline constexpr int kSurfaceDefaultHeight = 550;
inline constexpr int kSnapTolerance = 5;

// A whole decimal number with an optional sign and nothing else.
bool ParseWholeNumber(const std::string& text, int& value);
// An element's "x", "y", "width" or "height": "10" when absent or empty;
// false when not a whole number.
bool ReadDimension(const TjanXMLNode& element, const char* name, int& value);

// A coordinate moved onto a grid line of the given spacing when it lies
// within the tolerance of one; unchanged when snapping is off or the spacing
// is not positive.
int SnapToGrid(int value, int spacing, bool snapping);

// The surface height: the page record's "height" (550 when it has none),
// raised to 10 below the lowest painted element that ends beyond it. False
// when a height or an element's "y"/"height" is not a number (the page cannot
// be designed).
bool ContentHeight(const TjanXMLNode* document, const TjanXMLNode* definitionsDocument,
                   int& height);

// Whether elements of the class get a frame: its definition's "paintElement"
// (default "true"); a class without a definition paints.
bool ClassPaints(const TjanXMLNode* definitionsDocument, const std::string& className);

struct TRgb {
    int red = 0, green = 0, blue = 0;
    bool operator==(const TRgb&) const = default;
};

// "#RRGGBB" as a colour; anything else is black.
TRgb HtmlColorToRgb(const std::string& text);
// A stored colour option ($BBGGRR).
TRgb OptionColorToRgb(int value);

struct TLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const TLine&) const = default;
};

struct TBackground {
    TRgb color;                         // page colour, white without a page
    TLine markerRect{-1, -1, 780, 500}; // corners of the dashed 1024x768 marker
    TRgb markerColor{0xC0, 0xC0, 0xC0};
    int markerTextX = 2, markerTextY = 500; // where "1024x768" is written
    std::vector<TLine> gridLines;           // empty when the grid is hidden
    TRgb gridColor;
    int width = kSurfaceWidth;
    int height = kSurfaceDefaultHeight;
};

// Vertical lines every `spaceV` across the width and horizontal ones every
// `spaceH` down the height, counts rounded to the nearest whole number.
std::vector<TLine> GridLines(int width, int height, int spaceV, int spaceH);

} // namespace vlm
