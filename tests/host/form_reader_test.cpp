// Reading a stored form into live components: classes made by name, nesting,
// handlers, binary properties and the Loaded notification.
#include <gtest/gtest.h>

#include "host/app/application.h"
#include "host/controls/button.h"
#include "host/controls/form.h"
#include "host/controls/status_bar.h"
#include "host/core/error.h"
#include "host/stream/form_reader.h"
#include "host/stream/form_writer.h"
#include "host/system/file_run.h"
#include "host/system/timer.h"

using namespace host;

namespace {

std::vector<std::string> g_loaded;

// A component that keeps a block of bytes the way a skin package is kept: a
// 32-bit length, then the bytes.
class TBlob : public TComponent {
public:
  explicit TBlob(TComponent* owner) : TComponent(owner) {}
  static const ClassInfo& Info() {
    static const ClassInfo info{"TBlob", &TComponent::Info(), {
        props::Binary<&TBlob::WriteData, &TBlob::ReadData>("Data"),
    }, [](TComponent* o) -> TComponent* { return new TBlob(o); }};
    return info;
  }
  const ClassInfo& Class() const override { return Info(); }
  void Loaded() override {
    TComponent::Loaded();
    g_loaded.push_back(Name());
  }
  Bytes WriteData() const {
    Bytes out(4 + payload.size());
    const auto n = static_cast<std::uint32_t>(payload.size());
    for (int i = 0; i < 4; ++i) out[static_cast<size_t>(i)] = static_cast<std::uint8_t>(n >> (8 * i));
    std::copy(payload.begin(), payload.end(), out.begin() + 4);
    return out;
  }
  void ReadData(const Bytes& data) {
    if (data.size() < 4) throw Error("short block");
    const std::uint32_t n = data[0] | data[1] << 8 | data[2] << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    if (n != data.size() - 4) throw Error("length does not match");
    payload.assign(data.begin() + 4, data.end());
    loading_when_read = Loading();
  }
  Bytes payload;
  bool loading_when_read = false;
};

class TTestForm : public TForm {
public:
  using TForm::TForm;
  static const ClassInfo& Info() {
    static const ClassInfo info{"TTestForm", &TForm::Info(), {}};
    return info;
  }
  const ClassInfo& Class() const override { return Info(); }
  NotifyEvent FindMethod(std::string_view name) override {
    if (name == "Clicked") return [this](TComponent* sender) { clicked_by = sender; };
    return nullptr;
  }
  void Loaded() override {
    TForm::Loaded();
    g_loaded.push_back(Name());
  }
  TComponent* clicked_by = nullptr;
};

class FormReaderTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application().Initialize();
    RegisterComponentClass(TBlob::Info());
    g_loaded.clear();
  }
  TComponent owner{nullptr};
};

TEST_F(FormReaderTest, BuildsTheComponentTree) {
  TTestForm form(&owner);
  ReadComponent(form, ParseStoredForm(R"(object Main: TTestForm
  Caption = 'Main'
  ClientWidth = 300
  object Ok: TButton
    Caption = 'OK'
    OnClick = Clicked
  end
  object Actions: TActionList
    object Run: TFileRun
      FileName = 'tool.exe'
      ShowCmd = scShowNormal
    end
  end
  object Tick: TTimer
    Interval = 1
  end
end)"));
  EXPECT_EQ(form.Name(), "Main");
  EXPECT_EQ(form.Caption(), "Main");
  auto* ok = dynamic_cast<TButton*>(form.FindComponent("Ok"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->Parent(), &form);  // nested in the form, so placed on it
  EXPECT_EQ(ok->Owner(), &form);
  ok->Click();
  EXPECT_EQ(form.clicked_by, ok);

  auto* actions = dynamic_cast<TActionList*>(form.FindComponent("Actions"));
  auto* run = dynamic_cast<TFileRun*>(form.FindComponent("Run"));  // owned by the root, listed by its list
  ASSERT_NE(actions, nullptr);
  ASSERT_NE(run, nullptr);
  ASSERT_EQ(actions->Actions().size(), 1u);
  EXPECT_EQ(actions->Actions()[0], run);
  EXPECT_EQ(run->FileName(), "tool.exe");
  EXPECT_EQ(dynamic_cast<TTimer*>(form.FindComponent("Tick"))->Interval(), 1);
  EXPECT_FALSE(ok->Loading());
}

TEST_F(FormReaderTest, BinaryPropertyArrivesWholeWhileLoadingAndLoadedFollows) {
  TTestForm form(&owner);
  ReadComponent(form, ParseStoredForm(R"(object Main: TTestForm
  object Blob1: TBlob
    Data = {05000000 48454C4C4F}
  end
  object Blob2: TBlob
  end
end)"));
  auto* blob = dynamic_cast<TBlob*>(form.FindComponent("Blob1"));
  ASSERT_NE(blob, nullptr);
  EXPECT_EQ(std::string(blob->payload.begin(), blob->payload.end()), "HELLO");
  EXPECT_TRUE(blob->loading_when_read);
  EXPECT_EQ(g_loaded, (std::vector<std::string>{"Main", "Blob1", "Blob2"}));
  EXPECT_EQ(std::get<Bytes>(*GetPropValue(*blob, "Data")), (Bytes{5, 0, 0, 0, 'H', 'E', 'L', 'L', 'O'}));
}

TEST_F(FormReaderTest, WrittenFormReadsBackToTheSameText) {
  const std::string stored = R"(object Main: TTestForm
  Caption = 'It''s'#9'Зробити'
  ClientWidth = 300
  object Ok: TButton
    Caption = 'OK'
    Font.Style = [fsBold]
    OnClick = Clicked
  end
  object Actions: TActionList
    object Run: TFileRun
      FileName = 'tool.exe'
    end
  end
  object Blob1: TBlob
    Data = {05000000 48454C4C4F}
  end
  object Bar: TStatusBar
    Panels = <
      item
        Bevel = pbRaised
        Text = 'One'
      end
      item
        Alignment = taCenter
        Width = 120
      end>
  end
end)";
  TTestForm first(&owner);
  ReadComponent(first, ParseStoredForm(stored));
  const std::string written = WriteStoredForm(first);

  TTestForm second(&owner);
  ReadComponent(second, ParseStoredForm(written));
  EXPECT_EQ(WriteStoredForm(second), written);
  EXPECT_EQ(second.Caption(), "It's\tЗробити");
  auto* ok = dynamic_cast<TButton*>(second.FindComponent("Ok"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->Parent(), &second);
  EXPECT_EQ(ok->Font()->Style(), fsBold);
  ok->Click();
  EXPECT_EQ(second.clicked_by, ok);  // the handler is written by name and found again
  auto* run = dynamic_cast<TFileRun*>(second.FindComponent("Run"));
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(run->GetParentComponent(), second.FindComponent("Actions"));
  EXPECT_EQ(dynamic_cast<TBlob*>(second.FindComponent("Blob1"))->payload, (Bytes{'H', 'E', 'L', 'L', 'O'}));
  auto* bar = dynamic_cast<TStatusBar*>(second.FindComponent("Bar"));
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->Panels()->Count(), 2);  // the items replace what was there
  EXPECT_EQ(bar->Panels()->Item(0).Bevel(), pbRaised);
  EXPECT_EQ(bar->Panels()->Item(0).Text(), "One");
  EXPECT_EQ(bar->Panels()->Item(1).Alignment(), TAlignment::taCenter);
  EXPECT_EQ(bar->Panels()->Item(1).Width(), 120);
}

std::string ReadError(std::string_view text) {
  TComponent owner(nullptr);
  TTestForm form(&owner);
  try {
    ReadComponent(form, ParseStoredForm(text));
  } catch (const Error& e) {
    return e.what();
  }
  return "no error";
}

TEST_F(FormReaderTest, FaultsAreNamedAndLeaveNothingBehind) {
  EXPECT_EQ(ReadError("object M: TTestForm\n  object X: TWidget\n  end\nend"), "Stored form, line 2: unknown class TWidget");
  EXPECT_EQ(ReadError("object M: TTestForm\n  Colour = 1\nend"),
            "Stored form, line 2: TTestForm has no writable property Colour");
  EXPECT_EQ(ReadError("object M: TTestForm\n  object B: TButton\n    OnClick = Nowhere\n  end\nend"),
            "Stored form, line 3: M has no handler Nowhere");
  EXPECT_EQ(ReadError("object M: TTestForm\n  BorderStyle = bsRound\nend"),
            "Stored form, line 2: Property BorderStyle takes a member of TFormBorderStyle, not bsRound");
  EXPECT_EQ(ReadError("object M: TTestForm\n  object B: TButton\n  end\n  object B: TButton\n  end\nend"),
            "Stored form, line 4: a second component named B");
  EXPECT_EQ(ReadError("object M: TTestForm\n  object S: TStatusBar\n    Panels = 3\n  end\nend"),
            "Stored form, line 3: Panels takes items: < item ... end >");
  EXPECT_EQ(ReadError("object M: TTestForm\n  Caption = <>\nend"), "Stored form, line 2: Caption is not a collection");
  EXPECT_EQ(ReadError("object M: TTestForm\n  object S: TStatusBar\n    Panels = <item\n Size = 1 end>\n  end\nend"),
            "Stored form, line 4: TStatusPanel has no writable property Size");
  EXPECT_EQ(ReadError("object M: TTestForm\n  object S: TStatusBar\n    Panels = <thing>\n  end\nend"),
            "Stored form, line 3: 'item' or '>' expected");
  EXPECT_EQ(ReadError("object M: TOtherForm\nend"), "Stored form, line 1: stored form of TOtherForm read into TTestForm");
  EXPECT_EQ(ReadError("object M: TTestForm\n  object B: TBlob\n    Data = {010000}\n  end\nend"),
            "Stored form, line 3: short block");
  EXPECT_EQ(ReadError("object M: TTestForm\n  Font.Nope = 1\nend"), "Stored form, line 2: TFont has no writable property Nope");
}

}  // namespace
