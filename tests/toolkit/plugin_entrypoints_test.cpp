// The named bevel-button setters: each sets its own property and ignores what does not fit.
#include <gtest/gtest.h>

#include "toolkit/controls.h"
#include "toolkit/plugin_entrypoints.h"

namespace {

TEST(PluginEntrypoints, SettersSetTheirPropertyAndIgnoreWrongValuesOrObjects) {
  BevelButton b;
  RuntimeLookupPluginEntrypoint("BevelButton.Caption.Set")(&b, std::string("OK"));
  RuntimeLookupPluginEntrypoint("BevelButton.Caption.Set")(&b, std::int64_t{5});  // wrong type
  RuntimeLookupPluginEntrypoint("BevelButton.CaptionAlign.Set")(&b, std::int64_t{3});
  RuntimeLookupPluginEntrypoint("BevelButton.CaptionAlign.Set")(&b, std::string("x"));
  RuntimeLookupPluginEntrypoint("BevelButton.Value.Set")(&b, std::int64_t{1});
  RuntimeLookupPluginEntrypoint("BevelButton.TextFont.Set")(&b, std::string("System"));
  EXPECT_EQ(b.caption, "OK");
  EXPECT_EQ(b.captionAlign, 3);
  EXPECT_EQ(b.value, 1);
  EXPECT_EQ(b.textFont, "System");
  EXPECT_EQ(b.captionPlacement, 0);

  EditField f;
  RuntimeLookupPluginEntrypoint("BevelButton.Caption.Set")(&f, std::string("OK"));  // not a button
  RuntimeLookupPluginEntrypoint("BevelButton.Caption.Set")(nullptr, std::string("OK"));
  EXPECT_TRUE(f.text.empty());

  EXPECT_TRUE(intSetter(&b, "TextSize", 12));
  EXPECT_TRUE(boolSetter(&b, "Bold", true));
  EXPECT_FALSE(boolSetter(&b, "Blink", true));
  EXPECT_FALSE(intSetter(&f, "TextSize", 12));
  EXPECT_EQ(b.textSize, 12);
  EXPECT_TRUE(b.bold);
  EXPECT_EQ(RuntimeLookupPluginEntrypoint(""), nullptr);
}

TEST(PluginEntrypoints, EmptySlotsSetNothing) {
  const PluginEntrypointsTable saved = BevelButtonSetters();
  BevelButtonSetters() = RuntimeAllocatePluginEntrypointsTable(10);
  EXPECT_EQ(BevelButtonSetters().size(), 10u);
  BevelButton b;
  SetBevelButtonProperty(&b, BevelButtonSlot::Caption, std::string("OK"));
  BevelButtonSetters().clear();
  SetBevelButtonProperty(&b, BevelButtonSlot::TextFont, std::string("System"));
  EXPECT_TRUE(b.caption.empty());
  EXPECT_TRUE(b.textFont.empty());
  BevelButtonSetters() = saved;
}

}  // namespace
