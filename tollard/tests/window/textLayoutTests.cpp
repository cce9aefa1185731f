// The print layout on its own: with a fixed number of characters a line, where each piece of
// text lands.
#include <gtest/gtest.h>

#include "textPrinter.h"

namespace tollard {

bool operator==(const PrintedPiece& a, const PrintedPiece& b) {
  return a.page == b.page && a.top == b.top && a.text == b.text;
}
void PrintTo(const PrintedPiece& p, std::ostream* out) {
  *out << "{page " << p.page << ", top " << p.top << ", \"" << p.text.toStdString() << "\"}";
}

namespace {

struct Laid {
  const char* name;
  QStringList lines;
  int textHeight;
  int pageHeight;
  qsizetype charactersThatFit;
  std::vector<PrintedPiece> pieces;
};

class TextLayout : public ::testing::TestWithParam<Laid> {};

TEST_P(TextLayout, PlacesEachPiece) {
  const Laid& l = GetParam();
  const auto fitting = [&](QStringView text) { return std::min(text.size(), l.charactersThatFit); };
  EXPECT_EQ(layOutText(l.lines, l.textHeight, l.pageHeight, fitting), l.pieces);
}

// Text height 10: a line takes 12 pixels. On a page of 70 the last two text heights (50 to 70)
// stay free, so the lines at 0, 12, 24 and 36 fit and the next one begins a new page.
INSTANTIATE_TEST_SUITE_P(
    Tollard, TextLayout,
    ::testing::Values(
        Laid{"linesTwoPixelsApart", {"ab", "cd"}, 10, 1000, 80, {{0, 0, "ab"}, {0, 12, "cd"}}},
        Laid{"wideLineCutAfterTheLastCharacterThatFits", {"abcdefg", "h"}, 10, 1000, 3,
             {{0, 0, "abc"}, {0, 12, "def"}, {0, 24, "g"}, {0, 36, "h"}}},
        Laid{"emptyLineKeepsItsPlace", {"a", "", "b"}, 10, 1000, 80, {{0, 0, "a"}, {0, 24, "b"}}},
        Laid{"newPageBeforeTheLastTwoTextHeights", {"1", "2", "3", "4", "5", "6"}, 10, 70, 80,
             {{0, 0, "1"}, {0, 12, "2"}, {0, 24, "3"}, {0, 36, "4"}, {1, 0, "5"}, {1, 12, "6"}}},
        Laid{"cutLineAlsoMovesToTheNextPage", {"abcdef"}, 10, 50, 2, {{0, 0, "ab"}, {0, 12, "cd"}, {1, 0, "ef"}}},
        Laid{"trailingEmptyLinesBeginNoPage", {"a", "", "", "", ""}, 10, 70, 80, {{0, 0, "a"}}},
        Laid{"pageTooSmallStillTakesALineEach", {"a", "b"}, 10, 15, 80, {{0, 0, "a"}, {1, 0, "b"}}},
        Laid{"nothingFitsStillTakesACharacter", {"ab"}, 10, 1000, 0, {{0, 0, "a"}, {0, 12, "b"}}},
        Laid{"surrogatePairKeptWhole", {QString::fromUtf8("x\xF0\x9F\x98\x80y")}, 10, 1000, 2,
             {{0, 0, "x"}, {0, 12, QString::fromUtf8("\xF0\x9F\x98\x80")}, {0, 24, "y"}}},
        Laid{"noLinesNoPieces", {}, 10, 1000, 80, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tollard
