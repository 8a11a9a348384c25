// Package loading and entry lookup, and the refusal of unsafe packages.
#include <gtest/gtest.h>

#include "skin/store/skin_reader.h"
#include "store_test_support.h"
#include "tools/skinpack/package_writer.h"

using namespace store_test;
using skin::store::TMemoryStream;
using skin::store::TSkinReader;
using skinpack::Entry;

namespace {

struct Loaded {
  TSkinReader reader;
  std::vector<std::string> notices;
  bool ok = false;

  explicit Loaded(const Bytes& package) {
    reader.OnOldPackage = [this](std::string_view t) { notices.emplace_back(t); };
    TMemoryStream stream(package);
    ok = reader.LoadPackage(stream);
  }
};

// A raw container: version, name list text, sizes, then `tail` (the bodies).
Bytes Container(std::uint32_t version, std::string_view list, const std::vector<std::uint32_t>& sizes,
                const Bytes& tail) {
  Bytes c;
  PutLe32(c, version);
  PutLe32(c, static_cast<std::uint32_t>(list.size()));
  PutLe32(c, 0xDEADBEEF);
  PutLe32(c, 7);
  c.insert(c.end(), list.begin(), list.end());
  for (std::uint32_t s : sizes) PutLe32(c, s);
  c.insert(c.end(), tail.begin(), tail.end());
  return c;
}

Bytes Packed(const Bytes& container) { return skinpack::Compress(container); }

std::string Text(const TMemoryStream& s) { return std::string(s.Data().begin(), s.Data().end()); }

const std::vector<Entry> kSkin = {
    {"skin.ini", ToBytes("[Buttons]\r\nBitmap=buttons.bmp\r\n")},
    {"buttons.bmp", ToBytes("BM-buttons")},
    {"empty.bmp", {}},
    {"checkbox.bmp", ToBytes("BM-checkbox")},
};

}  // namespace

TEST(SkinReaderLoad, ReadsNamesSizesAndHeaderInPackageOrder) {
  Loaded p(skinpack::BuildPackage(kSkin));
  ASSERT_TRUE(p.ok) << p.reader.RefusalReason();
  EXPECT_EQ(p.reader.Count(), 4u);
  EXPECT_EQ(p.reader.Names(), (std::vector<std::string>{"skin.ini", "buttons.bmp", "empty.bmp", "checkbox.bmp"}));
  EXPECT_EQ(p.reader.EntrySize(1), 10u);
  EXPECT_EQ(p.reader.EntrySize(2), 0u);
  EXPECT_EQ(p.reader.Header()[0], 20000u);
  EXPECT_TRUE(p.notices.empty());
}

TEST(SkinReaderLoad, NamesAreLowerCasedAndFoundInAnyCase) {
  Loaded p(Packed(Container(20000, "Skin.INI\r\nButtons.Bmp\r\n", {3, 3}, ToBytes("iniBMP"))));
  ASSERT_TRUE(p.ok) << p.reader.RefusalReason();
  EXPECT_EQ(p.reader.Names(), (std::vector<std::string>{"skin.ini", "buttons.bmp"}));
  TMemoryStream out;
  for (const char* name : {"buttons.bmp", "BUTTONS.BMP", "bUtToNs.bMp"}) {
    p.reader.ExtractByName(name, out);
    EXPECT_EQ(Text(out), "BMP") << name;
    EXPECT_EQ(out.Position(), 0u);
  }
}

TEST(SkinReaderLoad, NameListLineBreaks) {
  // Lone CR and LF break lines, CR LF is one break, a trailing break adds no
  // entry, an empty line in the middle is an entry with an empty name, byte 0 ends the list.
  const std::string list = std::string("a\rb\nc\r\n\r\nd\r\n", 13) + std::string("\0junk", 5);
  Loaded p(Packed(Container(20000, list, {1, 1, 1, 1, 1}, ToBytes("ABCED"))));
  ASSERT_TRUE(p.ok) << p.reader.RefusalReason();
  EXPECT_EQ(p.reader.Names(), (std::vector<std::string>{"a", "b", "c", "", "d"}));
  TMemoryStream out;
  p.reader.ExtractByName("d", out);
  EXPECT_EQ(Text(out), "D");
  p.reader.ExtractByName("", out);
  EXPECT_EQ(Text(out), "E");
}

TEST(SkinReaderLoad, BytesAfterTheLastBodyAreAccepted) {
  Loaded p(Packed(Container(20000, "a.bmp\r\n", {2}, ToBytes("BMextra"))));
  ASSERT_TRUE(p.ok);
  TMemoryStream out;
  p.reader.ExtractByName("a.bmp", out);
  EXPECT_EQ(Text(out), "BM");
}

TEST(SkinReaderLookup, ByNameClearsTheOutputAndFindsTheFirstOfDuplicates) {
  Loaded p(skinpack::BuildPackage({{"x.ini", ToBytes("1")}, {"dup.bmp", ToBytes("first")}, {"dup.bmp", ToBytes("second")}}));
  ASSERT_TRUE(p.ok);
  TMemoryStream out(ToBytes("stale content"));
  p.reader.ExtractByName("dup.bmp", out);
  EXPECT_EQ(Text(out), "first");
  p.reader.ExtractByName("missing.bmp", out);
  EXPECT_EQ(out.Size(), 0u);
}

TEST(SkinReaderLookup, ByNameOfAnEmptyEntryYieldsAnEmptyStream) {
  Loaded p(skinpack::BuildPackage(kSkin));
  TMemoryStream out(ToBytes("stale"));
  std::string found = "before";
  p.reader.ExtractByPattern("empty", out, found);
  EXPECT_EQ(found, "empty.bmp");
  EXPECT_EQ(out.Size(), 0u);
}

TEST(SkinReaderLookup, ByPatternFindsTheFirstContainingEntry) {
  Loaded p(skinpack::BuildPackage(kSkin));
  TMemoryStream out;
  std::string found;
  p.reader.ExtractByPattern("bmp", out, found);
  EXPECT_EQ(found, "buttons.bmp");
  EXPECT_EQ(Text(out), "BM-buttons");
  EXPECT_EQ(out.Position(), 0u);
  p.reader.ExtractByPattern(".ini", out, found);
  EXPECT_EQ(found, "skin.ini");
  EXPECT_EQ(Text(out), "[Buttons]\r\nBitmap=buttons.bmp\r\n");
  p.reader.ExtractByPattern("box", out, found);
  EXPECT_EQ(found, "checkbox.bmp");
  EXPECT_EQ(Text(out), "BM-checkbox");
}

TEST(SkinReaderLookup, ByPatternIsNotLowerCasedAndKeepsTheNameWhenNothingMatches) {
  Loaded p(skinpack::BuildPackage(kSkin));
  TMemoryStream out(ToBytes("stale"));
  std::string found = "previous";
  p.reader.ExtractByPattern("BMP", out, found);
  EXPECT_EQ(found, "previous");
  EXPECT_EQ(out.Size(), 0u);
}

TEST(SkinReaderLookup, ByIndexReachesEveryEntryIncludingLaterDuplicates) {
  Loaded p(skinpack::BuildPackage({{"x.ini", ToBytes("1")}, {"dup.bmp", ToBytes("first")}, {"dup.bmp", ToBytes("second")}}));
  TMemoryStream out;
  p.reader.ExtractByIndex(2, out);
  EXPECT_EQ(Text(out), "second");
  p.reader.ExtractByIndex(3, out);
  EXPECT_EQ(out.Size(), 0u);
}

TEST(SkinReaderLoad, APackageCutShortIsReadButKnownToBe) {
  const Bytes whole = skinpack::BuildPackage({{"a.ini", Bytes(3000, 'a')}, {"b.bmp", RandomBytes(3000, 5)}});
  Loaded sound(whole);
  ASSERT_TRUE(sound.ok);
  EXPECT_FALSE(sound.reader.Truncated());
  EXPECT_EQ(sound.reader.DeclaredSize(), 16u + 14 + 8 + 6000);
  Loaded cut(Bytes(whole.begin(), whole.end() - 100));
  ASSERT_TRUE(cut.ok) << cut.reader.RefusalReason();
  EXPECT_TRUE(cut.reader.Truncated());
  EXPECT_EQ(cut.reader.Count(), 2u);
}

TEST(SkinReaderLoad, AContainerReadsAsTheSamePackageDoes) {
  TSkinReader reader;
  const Bytes container = skinpack::BuildContainer(kSkin);
  ASSERT_TRUE(reader.LoadContainer(container));
  Loaded packed(skinpack::BuildPackage(kSkin));
  EXPECT_EQ(reader.Names(), packed.reader.Names());
  EXPECT_FALSE(reader.LoadContainer({container.data(), 15}));
  EXPECT_EQ(reader.Count(), 0u);
}

TEST(SkinReaderVersion, NeighboursOfTheVersionAreRefusedWithTheNotice) {
  for (std::uint32_t version : {19999u, 20001u, 0u}) {
    Loaded p(Packed(Container(version, "a.bmp\r\n", {2}, ToBytes("BM"))));
    EXPECT_FALSE(p.ok) << version;
    EXPECT_EQ(p.reader.Count(), 0u);
    EXPECT_TRUE(p.reader.Names().empty());
    ASSERT_EQ(p.notices.size(), 1u);
    EXPECT_EQ(p.notices[0], "This is Older Skin File\rPlease update to new version !");
    EXPECT_NE(p.reader.RefusalReason().find(std::to_string(version)), std::string::npos);
  }
}

TEST(SkinReaderVersion, TheNoticeGoesToThePlatformByDefault) {
  TSkinReader reader;
  EXPECT_TRUE(static_cast<bool>(reader.OnOldPackage));
}

TEST(SkinReaderRefusal, ARefusedPackageLeavesNoEntriesOfAnEarlierOne) {
  TSkinReader reader;
  reader.OnOldPackage = nullptr;
  TMemoryStream good(skinpack::BuildPackage(kSkin));
  ASSERT_TRUE(reader.LoadPackage(good));
  TMemoryStream bad(Packed(Container(20001, "a\r\n", {0}, {})));
  EXPECT_FALSE(reader.LoadPackage(bad));
  EXPECT_EQ(reader.Count(), 0u);
  TMemoryStream out;
  reader.ExtractByName("skin.ini", out);
  EXPECT_EQ(out.Size(), 0u);
}

TEST(SkinReaderRefusal, DeclaredSizeBeyondTheCapIsNotDecoded) {
  Bytes p;
  PutLe32(p, 0xFFFFFFF0u);
  const Bytes stream = RandomBytes(1u << 20, 1);
  p.insert(p.end(), stream.begin(), stream.end());
  Loaded l(p);
  EXPECT_FALSE(l.ok);
  EXPECT_NE(l.reader.RefusalReason().find("limit"), std::string::npos) << l.reader.RefusalReason();
}

TEST(SkinReaderRefusal, DeclaredSizeTheStreamCannotHoldIsNotDecoded) {
  Bytes p;
  PutLe32(p, 60u << 20);
  p.insert(p.end(), 100, 0xAA);
  Loaded l(p);
  EXPECT_FALSE(l.ok);
  EXPECT_NE(l.reader.RefusalReason().find("compressed bytes"), std::string::npos) << l.reader.RefusalReason();
  EXPECT_TRUE(l.notices.empty());
}

TEST(SkinReaderRefusal, TooShortPackagesAndContainers) {
  EXPECT_FALSE(Loaded(Bytes{}).ok);
  EXPECT_FALSE(Loaded(Bytes{1, 0, 0}).ok);
  EXPECT_FALSE(Loaded(skinpack::Compress({})).ok);
  EXPECT_FALSE(Loaded(skinpack::Compress(Bytes(15, 0))).ok);
}

TEST(SkinReaderRefusal, MoreEntriesThanTheTableHolds) {
  std::string list;
  for (int i = 0; i < 1002; ++i) list += "e" + std::to_string(i) + "\r\n";
  Loaded over(Packed(Container(20000, list, std::vector<std::uint32_t>(1002, 0), {})));
  EXPECT_FALSE(over.ok);
  EXPECT_NE(over.reader.RefusalReason().find("1001"), std::string::npos);

  list.resize(list.rfind("e1001"));
  Loaded full(Packed(Container(20000, list, std::vector<std::uint32_t>(1001, 0), {})));
  ASSERT_TRUE(full.ok) << full.reader.RefusalReason();
  EXPECT_EQ(full.reader.Count(), 1001u);
}

TEST(SkinReaderRefusal, NameListLongerThanTheData) {
  Bytes c = Container(20000, "a\r\n", {1}, ToBytes("x"));
  c[4] = 0xFF;  // list length 255
  Loaded p(Packed(c));
  EXPECT_FALSE(p.ok);
  EXPECT_NE(p.reader.RefusalReason().find("name list"), std::string::npos);
}

TEST(SkinReaderRefusal, SizeTableRunningPastTheEnd) {
  Loaded p(Packed(Container(20000, "a\r\nb\r\nc\r\n", {0}, {})));
  EXPECT_FALSE(p.ok);
}

TEST(SkinReaderRefusal, SizesAddingUpPastTheEnd) {
  Loaded over(Packed(Container(20000, "a\r\nb\r\n", {3, 3}, ToBytes("12345"))));
  EXPECT_FALSE(over.ok);
  EXPECT_NE(over.reader.RefusalReason().find("add up"), std::string::npos);
  // Sizes whose 32-bit sum wraps around must not pass either.
  Loaded wrap(Packed(Container(20000, "a\r\nb\r\n", {0xFFFFFFFFu, 2}, ToBytes("12345"))));
  EXPECT_FALSE(wrap.ok);
}

namespace {

// What a sink saw: the calls in order, and each entry's bytes.
struct Streamed {
  TSkinReader reader;
  std::vector<std::string> calls;  // "dir", or "index:bytes" with "!" on the last piece
  std::vector<Bytes> bodies;
  bool ok = false;

  explicit Streamed(const Bytes& package) {
    reader.OnOldPackage = nullptr;
    skin::store::TEntrySink sink;
    sink.OnDirectory = [this] {
      calls.push_back("dir");
      bodies.resize(reader.Count());
    };
    sink.OnPiece = [this](std::size_t index, std::span<const std::uint8_t> piece, bool last) {
      calls.push_back(std::to_string(index) + ":" + std::to_string(piece.size()) + (last ? "!" : ""));
      bodies.at(index).insert(bodies.at(index).end(), piece.begin(), piece.end());
    };
    TMemoryStream stream(package);
    ok = reader.StreamPackage(stream, sink);
  }
};

}  // namespace

TEST(SkinReaderStream, HandsOutEveryEntryInOrderWithoutKeepingIt) {
  std::vector<Entry> entries = kSkin;
  entries.push_back({"large.bmp", RandomBytes(20000, 9)});  // many decoder blocks
  entries.push_back({"last.bmp", {}});
  Streamed s(skinpack::BuildPackage(entries));
  ASSERT_TRUE(s.ok) << s.reader.RefusalReason();
  ASSERT_FALSE(s.calls.empty());
  EXPECT_EQ(s.calls.front(), "dir");
  for (std::size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(s.bodies[i], entries[i].body) << entries[i].name;
  // Each entry ends exactly once, in order; the empty ones with a single empty piece.
  std::vector<std::string> ends;
  for (const std::string& c : s.calls) {
    if (c.ends_with("!")) ends.push_back(c);
  }
  EXPECT_EQ(ends, (std::vector<std::string>{"0:" + std::to_string(entries[0].body.size()) + "!", "1:10!", "2:0!",
                                            "3:11!", ends[4], "5:0!"}));
  EXPECT_TRUE(ends[4].starts_with("4:"));
  EXPECT_EQ(s.reader.Names(), Loaded(skinpack::BuildPackage(entries)).reader.Names());
  TMemoryStream out;
  s.reader.ExtractByName("buttons.bmp", out);
  EXPECT_EQ(out.Size(), 0u);
}

TEST(SkinReaderStream, ADirectoryLongerThanADecoderBlockIsReadWhole) {
  std::vector<Entry> entries = {{"skin.ini", ToBytes("[A]")}};
  for (int i = 0; i < 200; ++i) entries.push_back({"picture-with-a-rather-long-name-" + std::to_string(i) + ".bmp", {static_cast<std::uint8_t>(i)}});
  Streamed s(skinpack::BuildPackage(entries));
  ASSERT_TRUE(s.ok) << s.reader.RefusalReason();
  ASSERT_EQ(s.reader.Count(), 201u);
  EXPECT_EQ(s.bodies[200], (Bytes{199}));
}

TEST(SkinReaderStream, RefusesWhatLoadingRefusesBeforeTellingTheSink) {
  const Bytes bad[] = {
      Packed(Container(20001, "a.bmp\r\n", {2}, ToBytes("BM"))),
      Packed(Container(20000, "a.bmp\r\nb.bmp\r\n", {2, 9}, ToBytes("BMxx"))),
      Packed(Container(20000, "a.bmp\r\n", {}, {})),
      Packed(ToBytes("short")),
  };
  for (const Bytes& package : bad) {
    Streamed s(package);
    Loaded whole(package);
    EXPECT_FALSE(s.ok);
    EXPECT_TRUE(s.calls.empty());
    EXPECT_EQ(s.reader.RefusalReason(), whole.reader.RefusalReason());
    EXPECT_FALSE(s.reader.RefusalReason().empty());
  }
}
