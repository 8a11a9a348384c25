// Published properties read and written by name, as the stored-form reader and
// the skinners use them.
#include <gtest/gtest.h>

#include "host/controls/button.h"
#include "host/controls/form.h"
#include "host/core/error.h"

using namespace host;

namespace {

class PropertiesTest : public ::testing::Test {
protected:
  TComponent owner{nullptr};
};

TEST_F(PropertiesTest, TextIntegerAndBooleanByName) {
  auto* b = new TButton(&owner);
  EXPECT_TRUE(SetPropValue(*b, "Caption", std::string("Go")));
  EXPECT_TRUE(SetPropValue(*b, "left", std::int64_t{17}));  // names are case-insensitive
  EXPECT_TRUE(SetPropValue(*b, "Enabled", Ident{"False"}));
  EXPECT_TRUE(SetPropValue(*b, "Tag", std::int64_t{-5}));
  EXPECT_EQ(GetTextProp(*b, "Caption"), "Go");
  EXPECT_EQ(GetIntProp(*b, "Left"), 17);
  EXPECT_EQ(GetBoolProp(*b, "Enabled"), false);
  EXPECT_EQ(GetIntProp(*b, "Tag"), -5);
  EXPECT_EQ(b->Left(), 17);
  EXPECT_FALSE(b->Enabled());
}

TEST_F(PropertiesTest, EnumerationsAndSetsByIdentifier) {
  TForm form(&owner);
  EXPECT_TRUE(SetPropValue(form, "BorderStyle", Ident{"bsSingle"}));
  EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::bsSingle);
  EXPECT_EQ(GetEnumProp(form, "BorderStyle"), "bsSingle");

  EXPECT_TRUE(SetPropValue(form, "BorderIcons", SetOf{{"biSystemMenu", "biMinimize"}}));
  EXPECT_EQ(form.BorderIcons(), biSystemMenu | biMinimize);
  EXPECT_EQ(std::get<SetOf>(*GetPropValue(form, "BorderIcons")), (SetOf{{"biSystemMenu", "biMinimize"}}));
  EXPECT_TRUE(SetPropValue(form, "BorderIcons", SetOf{}));
  EXPECT_EQ(form.BorderIcons(), 0u);
}

TEST_F(PropertiesTest, ObjectPropertiesLeadToTheirOwnProperties) {
  auto* b = new TButton(&owner);
  TPersistent* font = GetObjectProp(*b, "Font");
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->ClassName(), "TFont");
  EXPECT_TRUE(SetPropValue(*font, "Style", SetOf{{"fsBold"}}));
  EXPECT_EQ(b->Font()->Style(), fsBold);
  EXPECT_EQ(GetTextProp(*font, "Name"), "MS Sans Serif");
}

TEST_F(PropertiesTest, ColoursTakeIdentifiersOrNumbers) {
  auto* b = new TButton(&owner);
  EXPECT_TRUE(SetPropValue(*b, "Color", Ident{"clWindow"}));
  EXPECT_EQ(b->Color(), clWindow);
  EXPECT_TRUE(SetPropValue(*b, "Color", std::int64_t{0x123456}));
  EXPECT_EQ(b->Color(), 0x123456);
  EXPECT_FALSE(SetPropValue(*b, "Color", Ident{"clNoSuchColour"}));
}

TEST_F(PropertiesTest, RefusesUnknownNamesWrongKindsAndUnknownMembers) {
  TForm form(&owner);
  EXPECT_FALSE(SetPropValue(form, "NoSuchProperty", std::int64_t{1}));
  EXPECT_FALSE(GetPropValue(form, "NoSuchProperty").has_value());
  EXPECT_FALSE(SetPropValue(form, "Caption", std::int64_t{1}));
  EXPECT_FALSE(SetPropValue(form, "Left", std::string("12")));
  EXPECT_FALSE(SetPropValue(form, "BorderStyle", Ident{"bsWobbly"}));
  EXPECT_FALSE(SetPropValue(form, "BorderIcons", SetOf{{"biSystemMenu", "biNope"}}));
  EXPECT_FALSE(SetPropValue(form, "Enabled", Ident{"Maybe"}));
  EXPECT_FALSE(SetPropValue(form, "Font", std::int64_t{0}));  // an object is not assigned by value
  EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::bsSizeable);  // a refused value changes nothing
}

TEST_F(PropertiesTest, InheritedPropertiesAndClassChain) {
  EXPECT_NE(TButton::Info().FindProp("Name"), nullptr);     // from TComponent
  EXPECT_NE(TButton::Info().FindProp("Caption"), nullptr);  // from TControl
  EXPECT_TRUE(TButton::Info().InheritsFrom(TWinControl::Info()));
  EXPECT_FALSE(TButton::Info().InheritsFrom(TForm::Info()));
  EXPECT_EQ(TForm::Info().FindProp("Default"), nullptr);
}

TEST_F(PropertiesTest, OwnerFreesItsComponentsAndForgetsFreedOnes) {
  auto* a = new TButton(&owner);
  a->SetName("A");
  auto* b = new TButton(&owner);
  b->SetName("B");
  EXPECT_EQ(owner.FindComponent("a"), a);
  delete a;
  EXPECT_EQ(owner.FindComponent("A"), nullptr);
  EXPECT_EQ(owner.Components().size(), 1u);
}

}  // namespace
