// The stored form's text: every kind of value, nesting, and clear errors.
#include <gtest/gtest.h>

#include "host/core/error.h"
#include "host/stream/form_text.h"

using namespace host;

namespace {

TEST(FormText, ParsesEveryKindOfValue) {
  const StoredObject o = ParseStoredForm(R"(object Form1: TForm1
  Caption = 'It''s ' + 'one'#33
  Left = -12
  Mask = $1FFFFB
  BorderStyle = bsSingle
  BorderIcons = [biSystemMenu, biMinimize]
  Empty = []
  Rows = ('A=b' 'C=d')
  Data = {00 ff
          7A}
  Font.Name = 'MS Sans Serif'
end)");
  EXPECT_EQ(o.name, "Form1");
  EXPECT_EQ(o.class_name, "TForm1");
  ASSERT_EQ(o.props.size(), 9u);
  EXPECT_EQ(std::get<std::string>(o.props[0].value), "It's one!");
  EXPECT_EQ(std::get<std::int64_t>(o.props[1].value), -12);
  EXPECT_EQ(std::get<std::int64_t>(o.props[2].value), 0x1FFFFB);
  EXPECT_EQ(std::get<Ident>(o.props[3].value), Ident{"bsSingle"});
  EXPECT_EQ(std::get<SetOf>(o.props[4].value), (SetOf{{"biSystemMenu", "biMinimize"}}));
  EXPECT_TRUE(std::get<SetOf>(o.props[5].value).members.empty());
  EXPECT_EQ(std::get<StringList>(o.props[6].value), (StringList{"A=b", "C=d"}));
  EXPECT_EQ(std::get<Bytes>(o.props[7].value), (Bytes{0x00, 0xFF, 0x7A}));
  EXPECT_EQ(o.props[8].name, "Font.Name");
  EXPECT_EQ(o.props[8].line, 11);
}

TEST(FormText, CharacterCodesBecomeUtf8) {
  const StoredObject o = ParseStoredForm("object A: TA\n  T = #1044#1086'!'\nend");
  EXPECT_EQ(std::get<std::string>(o.props[0].value), "\xD0\x94\xD0\xBE!");  // "До!"
}

TEST(FormText, NestedObjectsKeepTheirOrder) {
  const StoredObject o = ParseStoredForm(R"(object F: TF
  object L: TActionList
    object R: TFileRun
      FileName = 'x.exe'
    end
  end
  object T: TTimer
  end
end)");
  ASSERT_EQ(o.children.size(), 2u);
  EXPECT_EQ(o.children[0].name, "L");
  ASSERT_EQ(o.children[0].children.size(), 1u);
  EXPECT_EQ(o.children[0].children[0].class_name, "TFileRun");
  EXPECT_EQ(o.children[1].name, "T");
}

std::string ErrorOf(std::string_view text) {
  try {
    ParseStoredForm(text);
  } catch (const Error& e) {
    return e.what();
  }
  return "no error";
}

TEST(FormText, FaultsNameTheirLine) {
  EXPECT_EQ(ErrorOf("object A: TA\n  T = 'open\nend"), "Stored form, line 2: text not closed on its line");
  EXPECT_EQ(ErrorOf("object A: TA\n  D = {ABC}\nend"), "Stored form, line 2: binary data has an odd number of digits");
  EXPECT_EQ(ErrorOf("object A: TA\n  D = {AZ}\nend"), "Stored form, line 2: hexadecimal digit expected in binary data");
  EXPECT_EQ(ErrorOf("object A: TA\n  N = 99999999999999999999\nend"), "Stored form, line 2: number out of range");
  EXPECT_EQ(ErrorOf("object A: TA\n  N = 12ab\nend"), "Stored form, line 2: not a number");
  EXPECT_EQ(ErrorOf("object A: TA\n  N = ,\nend"), "Stored form, line 2: unexpected ','");
  EXPECT_EQ(ErrorOf("object A: TA\n  N 1\nend"), "Stored form, line 2: '=' expected");
  EXPECT_EQ(ErrorOf("object A: TA\n  N = 1\n"), "Stored form, line 3: 'end' of A missing");
  EXPECT_EQ(ErrorOf("object A TA\nend"), "Stored form, line 1: ':' expected");
  EXPECT_EQ(ErrorOf("object A: TA\nend\nend"), "Stored form, line 3: text after the last 'end'");
  EXPECT_EQ(ErrorOf(""), "Stored form, line 1: a name expected");
  EXPECT_EQ(ErrorOf("object A: TA\n  T = #99999999\nend"), "Stored form, line 2: character code out of range");
}

TEST(FormText, DeepNestingIsRefusedNotFollowed) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "object A" + std::to_string(i) + ": TA\n";
  for (int i = 0; i < 100; ++i) text += "end\n";
  EXPECT_NE(ErrorOf(text).find("nested too deeply"), std::string::npos);
}

}  // namespace
