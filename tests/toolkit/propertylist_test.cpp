// Property lists: encoding and decoding of every form, applying them to each kind of object,
// and refusing truncated or malformed lists without reading past their end.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "toolkit/controls.h"
#include "toolkit/menu.h"
#include "toolkit/propertylist.h"
#include "toolkit/window.h"

namespace {

TEST(PropertyList, EncodesBigEndianWithNoCountOrTerminator) {
  const std::string bytes =
      PropertyListBuilder().integer(12, 0x01020304).byte(11, 7).colour(34, {0xFF, 0x80, 0x01}).text(0, "Ab").bytes();
  const std::string expected("\x00\x0C\x01\x02\x03\x04"
                             "\x00\x0B\x07"
                             "\x00\x22\xFF\x80\x01"
                             "\x00\x00\x00\x00\x00\x02"
                             "Ab",
                             6 + 3 + 5 + 8);
  EXPECT_EQ(bytes, expected);
}

TEST(PropertyList, EveryFormRoundTrips) {
  const std::string list = PropertyListBuilder()
                               .text(0, "EditField1")
                               .integer(1, 0x80000000)
                               .integer(12, -5)
                               .byte(28, 1)
                               .colour(34, {1, 2, 3})
                               .text(38, "Grüße ß €")
                               .text(7, "")
                               .bytes();
  const PropertyListDecoding d = DecodePropertyList(PropertyObjectKind::EditField, list);
  ASSERT_TRUE(d.complete) << d.error;
  EXPECT_EQ(d.stoppedAt, list.size());
  const std::vector<PropertyEntry> expected{
      {0, std::string("EditField1")}, {1, std::int32_t{INT32_MIN}}, {12, std::int32_t{-5}},  {28, std::uint8_t{1}},
      {34, Color{1, 2, 3}},           {38, std::string("Grüße ß €")}, {7, std::string()},
  };
  EXPECT_EQ(d.entries, expected);
}

TEST(PropertyList, NumbersMeanDifferentFormsForDifferentKinds) {
  // 29 is a flag byte in an edit field but the font name of a static text; 0 is a window flag
  // but a control's name.
  EXPECT_EQ(PropertyFormOf(PropertyObjectKind::EditField, 29), PropertyForm::Byte);
  EXPECT_EQ(PropertyFormOf(PropertyObjectKind::StaticText, 29), PropertyForm::Text);
  EXPECT_EQ(PropertyFormOf(PropertyObjectKind::StaticText, 34), PropertyForm::Byte);
  EXPECT_EQ(PropertyFormOf(PropertyObjectKind::EditField, 34), PropertyForm::Colour);
  EXPECT_EQ(PropertyFormOf(PropertyObjectKind::Window, 0), PropertyForm::Byte);
  EXPECT_EQ(PropertyFormOf(PropertyObjectKind::Canvas, 0), PropertyForm::Text);
  EXPECT_EQ(PropertyFormOf(PropertyObjectKind::MenuItem, 13), PropertyForm::Byte);
  EXPECT_EQ(PropertyFormOf(PropertyObjectKind::BevelButton, 38), std::nullopt);
}

TEST(PropertyList, MalformedListsStopAtTheFirstEntryThatDoesNotFit) {
  const std::string good = PropertyListBuilder().text(0, "Canvas1").bytes();  // 13 bytes
  struct Case {
    const char* what;
    std::string tail;
  };
  const Case cases[] = {
      {"half a number", std::string("\x00", 1)},
      {"number without value", std::string("\x00\x0C", 2)},
      {"integer cut short", std::string("\x00\x0C\x00\x00\x01", 5)},
      {"byte missing", std::string("\x00\x10", 2)},
      {"text count cut short", std::string("\x00\x07\x00\x00", 4)},
      {"text longer than the list", std::string("\x00\x07\x00\x00\x00\x05" "abc", 9)},
      {"huge text count", std::string("\x00\x07\xFF\xFF\xFF\xFF" "abc", 9)},
      {"unknown number", std::string("\x00\x26\x00\x00\x00\x0C", 6)},  // 38 is no canvas property
      {"invalid UTF-8", std::string("\x00\x07\x00\x00\x00\x02\xC3\x28", 8)},
      {"overlong UTF-8", std::string("\x00\x07\x00\x00\x00\x02\xC0\xAF", 8)},
      {"surrogate in UTF-8", std::string("\x00\x07\x00\x00\x00\x03\xED\xA0\x80", 9)},
  };
  for (const Case& c : cases) {
    // The cut list lies in a heap block of its exact size, so that the address sanitizer
    // catches any read past its end.
    const std::string cut = good + c.tail;
    const auto block = std::make_unique<char[]>(cut.size());
    std::copy(cut.begin(), cut.end(), block.get());
    const auto d = DecodePropertyList(PropertyObjectKind::Canvas, std::string_view(block.get(), cut.size()));
    EXPECT_FALSE(d.complete) << c.what;
    EXPECT_EQ(d.stoppedAt, good.size()) << c.what;
    EXPECT_FALSE(d.error.empty()) << c.what;
    ASSERT_EQ(d.entries.size(), 1u) << c.what;

    Canvas canvas;
    const PropertyListResult r = RuntimeMassPropertySetter(&canvas, cut);
    EXPECT_FALSE(r) << c.what;
    EXPECT_EQ(r.applied, 1u) << c.what;
    EXPECT_EQ(canvas.name, "Canvas1") << c.what;  // the entry before the stop is applied
  }
}

TEST(PropertyList, EveryCutOfAListStopsAtTheLastWholeEntry) {
  PropertyListBuilder b;
  std::vector<std::size_t> ends;
  b.text(0, "StaticText1");
  ends.push_back(b.bytes().size());
  b.integer(1, 0x80000000);
  ends.push_back(b.bytes().size());
  b.byte(11, 1);
  ends.push_back(b.bytes().size());
  b.text(25, "Über\rVersion: 1.3");
  ends.push_back(b.bytes().size());
  b.integer(30, 12);
  ends.push_back(b.bytes().size());
  const std::string& list = b.bytes();
  for (std::size_t n = 0; n <= list.size(); ++n) {
    const auto block = std::make_unique<char[]>(n);
    std::copy(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(n), block.get());
    const auto d = DecodePropertyList(PropertyObjectKind::StaticText, std::string_view(block.get(), n));
    std::size_t whole = 0;
    while (whole < ends.size() && ends[whole] <= n) ++whole;
    const std::size_t boundary = whole == 0 ? 0 : ends[whole - 1];
    EXPECT_EQ(d.complete, n == boundary) << n;
    EXPECT_EQ(d.stoppedAt, boundary) << n;
    EXPECT_EQ(d.entries.size(), whole) << n;
  }
}

TEST(PropertyList, NothingAfterTheStopIsApplied) {
  Canvas canvas;
  const std::string list = PropertyListBuilder().integer(12, 20).integer(38, 1).integer(13, 30).bytes();
  EXPECT_FALSE(RuntimeMassPropertySetter(&canvas, list));
  EXPECT_EQ(canvas.left, 20);
  EXPECT_EQ(canvas.top, 0);
}

TEST(PropertyList, EmptyListIsCompleteAndChangesNothing) {
  Window w;
  const PropertyListResult r = RuntimeMassPropertySetter(&w, "");
  EXPECT_TRUE(r);
  EXPECT_EQ(r.applied, 0u);
  EXPECT_EQ(w.contentWidth, 100);
}

TEST(PropertyList, ObjectsOfNoListKindAreRefused) {
  const std::string list = PropertyListBuilder().text(0, "x").bytes();
  const PropertyListResult none = RuntimeMassPropertySetter(nullptr, list);
  EXPECT_FALSE(none);
  EXPECT_FALSE(none.error.empty());
  Graphics g(nullptr);
  EXPECT_FALSE(RuntimeMassPropertySetter(&g, list));
}

TEST(PropertyList, AppliesWhatEachKindUsesAndKeepsTheRest) {
  Window w;
  const auto rw = RuntimeMassPropertySetter(&w, PropertyListBuilder()
                                                    .byte(0, 1)
                                                    .text(6, "Titel")
                                                    .integer(3, 313)
                                                    .integer(4, 387)
                                                    .colour(18, {0xFF, 0xFF, 0xFF})
                                                    .integer(20, 64)
                                                    .integer(21, 65)
                                                    .integer(22, 32000)
                                                    .integer(23, 99999)
                                                    .bytes());
  ASSERT_TRUE(rw) << rw.error;
  EXPECT_EQ(w.title, "Titel");
  EXPECT_EQ(w.contentWidth, 313);
  EXPECT_EQ(w.contentHeight, 387);
  EXPECT_EQ(w.minWidth, 64);
  EXPECT_EQ(w.minHeight, 65);
  EXPECT_EQ(w.maxWidth, 32000);
  EXPECT_EQ(w.maxHeight, 32000);  // sizes are kept within 0 … 32000
  EXPECT_EQ(rw.applied, 7u);
  EXPECT_EQ(rw.kept, (std::vector<PropertyEntry>{{0, std::uint8_t{1}}, {18, Color{0xFF, 0xFF, 0xFF}}}));

  EditField f;
  ASSERT_TRUE(RuntimeMassPropertySetter(&f, PropertyListBuilder()
                                                .text(0, "EditField1")
                                                .integer(12, 304)
                                                .integer(13, 30)
                                                .integer(14, -3)
                                                .integer(15, 272)
                                                .byte(28, 1)
                                                .byte(16, 0)
                                                .byte(11, 0)
                                                .text(38, "System")
                                                .integer(39, 12)
                                                .bytes()));
  EXPECT_EQ(f.name, "EditField1");
  EXPECT_EQ(f.left, 304);
  EXPECT_EQ(f.top, 30);
  EXPECT_EQ(f.width, 0);
  EXPECT_EQ(f.height, 272);
  EXPECT_TRUE(f.multiline);
  EXPECT_FALSE(f.enabled);
  EXPECT_FALSE(f.visible);
  EXPECT_EQ(f.fontName, "System");
  EXPECT_EQ(f.fontSize, 12);

  StaticText t;
  ASSERT_TRUE(RuntimeMassPropertySetter(
      &t, PropertyListBuilder().text(29, "Grotesque MT Lt").integer(30, 12).text(25, "a\rb").byte(34, 1).bytes()));
  EXPECT_EQ(t.fontName, "Grotesque MT Lt");
  EXPECT_EQ(t.fontSize, 12);
  EXPECT_EQ(t.text, "a\rb");

  Canvas c;
  ASSERT_TRUE(RuntimeMassPropertySetter(&c, PropertyListBuilder().text(7, "Test").bytes()));
  EXPECT_EQ(c.helpTag, "Test");

  MenuItem m;
  ASSERT_TRUE(RuntimeMassPropertySetter(
      &m, PropertyListBuilder().text(0, "AblageLaden").text(5, "Laden").integer(1, 0x80000000).text(9, "O").byte(13, 0).bytes()));
  EXPECT_EQ(m.name, "AblageLaden");
  EXPECT_EQ(m.caption, "Laden");
  EXPECT_EQ(m.key, "O");
  EXPECT_FALSE(m.enabled);
}

}  // namespace
