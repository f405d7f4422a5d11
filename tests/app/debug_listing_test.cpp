// The debug listing written into the move-log field.
#include <algorithm>
#include <string>
#include <vector>

#include "support/fixture.h"

namespace {

class DebugListingTest : public GameTest {
 protected:
  std::string listing() {
    win().BevelButton13_Action();
    return editTextGetter(control("EditField1"));
  }
};

// Nine lines of `label` followed by each value, then the empty line that ends a block.
std::string block(const std::string& label, const std::string& value) {
  std::string s;
  for (int i = 0; i < 9; ++i) s += label + value + "\r";
  return s + "\r";
}

TEST_F(DebugListingTest, EmptyBoardInEntryMode) {
  editTextSetter(control("EditField1"), "1: alte Zeile\r");
  const std::string expected = std::string(9, '\r') + "\r" + block("Feld: ", "0000000000") +
                               block("PZeile: ", "123456789") + block("PSpalte: ", "123456789") +
                               block("Trio: ", "000000000") + block("PTrio: ", "123456789");
  const std::string text = listing();
  EXPECT_EQ(text, expected);  // the old move log is gone
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 60);
  EXPECT_EQ(listing(), expected);  // pressed twice: one listing
}

TEST_F(DebugListingTest, StartPositionRowsAndFullBoardSetsAsHeld) {
  const std::vector<std::string> solved{"123456789", "456789123", "789123456", "214365897", "365897214",
                                        "897214365", "531642978", "642978531", "978531642"};
  setGrid(solved);
  std::string snapshot;
  for (const std::string& r : solved) snapshot += "0" + r;
  win().Undo_Memory[0] = snapshot;
  // The sets are shown as held, not recomputed: a stale row set stays in the listing.
  win().pos_zeile[4] = "7";
  const std::string text = listing();

  std::string expected;
  for (const std::string& r : solved) expected += "0" + r + "\r";
  expected += "\r";
  for (const std::string& r : solved) expected += "Feld: 0" + r + "\r";
  expected += "\r";
  for (int r = 1; r <= 9; ++r) expected += std::string("PZeile: ") + (r == 4 ? "7" : "") + "\r";
  expected += "\r" + block("PSpalte: ", "");
  // In this grid the cells of box b read like row b.
  for (const std::string& r : solved) expected += "Trio: " + r + "\r";
  expected += "\r" + block("PTrio: ", "");
  EXPECT_EQ(text, expected);
  EXPECT_EQ(win().pos_zeile[4], "7");  // no game state changes
  EXPECT_EQ(win().feld[1], "0123456789");
}

TEST_F(DebugListingTest, ShortSnapshotGivesShortOrEmptyLines) {
  win().Undo_Memory[0] = "0123";
  const std::string text = listing();
  EXPECT_EQ(text.substr(0, 14), "0123\r" + std::string(8, '\r') + "\r");
}

}  // namespace
