#include "store/entry.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "codec/text.h"

namespace vrq5 {
namespace {

// A slot holding a channel with every field set, texts as a store leaves
// them.
Slot FilledSlot() {
  Slot s;
  s.value = {433.5, 2, 17, 3, 7, 0, 38, 2, 5, 0, 0, 1};
  s.text = {"433.500000", "WFM",    "9KHz",     "Rev.",   "7",   "300Hz",
            "250.3Hz",    "Shift-", "5.000000", "a note", "ABC", ""};
  return s;
}

// The box text after typing `keys` into an empty box.
std::string Type(KeyFilter filter, std::u32string_view keys) {
  std::string box;
  for (char32_t k : keys) {
    if (!AcceptKey(filter, box, k)) continue;
    if (k == kBackspace) {
      if (!box.empty()) box.pop_back();
    } else {
      box.push_back(static_cast<char>(k));
    }
  }
  return box;
}

TEST(EntryLabelsTest, EveryKindOfRow) {
  Document doc;
  auto check = [&](int row, const char* mode, const char* ch) {
    EntryLabels l = MemoryEntryLabels(doc, row);
    EXPECT_EQ(l.caption, "Modify Memory") << row;
    EXPECT_EQ(l.lblMode, mode) << row;
    EXPECT_EQ(l.lblCH, ch) << row;
    EXPECT_EQ(l.lblMHz, "") << row;
  };
  check(513, "Bank 05", "012Ch");  // row label 05-012
  check(1, "Bank 00", "000Ch");
  check(1000, "Bank 09", "099Ch");
  check(1001, "Program Scan", "0 - A");
  check(1002, "Program Scan", "0 - B");
  check(1100, "Program Scan", "49 - B");
  check(1101, "Search Pass", "0Ch");
  check(1200, "Search Pass", "99Ch");
  check(1201, "Priority", "0Ch");
  check(1300, "Priority", "99Ch");

  for (auto& box : doc.txtBank) box = "0";
  doc.txtBank[1] = "1000";
  doc.LayoutMemoryRows();
  check(1, "Bank 01", "000Ch");
  check(1000, "Bank 01", "999Ch");
}

TEST(EntryKeyFilterTest, TypedAndPastedText) {
  EXPECT_EQ(Type(KeyFilter::kNumber, U"12.3.4"), "12.34");
  EXPECT_EQ(Type(KeyFilter::kNumber, U"1a4,5 MHz-"), "145");
  EXPECT_EQ(Type(KeyFilter::kNumber, U"145\b\b2"), "12");
  // A "." anywhere in the box, a selected one included, stops another.
  EXPECT_FALSE(AcceptKey(KeyFilter::kNumber, "1.5", U'.'));
  EXPECT_TRUE(AcceptKey(KeyFilter::kNumber, "15", U'.'));
  EXPECT_TRUE(AcceptKey(KeyFilter::kNumber, "1.5", kBackspace));

  EXPECT_TRUE(AcceptKey(KeyFilter::kName, "", U' '));
  EXPECT_TRUE(AcceptKey(KeyFilter::kName, "", U'~'));
  EXPECT_TRUE(AcceptKey(KeyFilter::kName, "AB", kBackspace));
  for (char32_t k : {char32_t{31}, char32_t{127}, char32_t{13}, U'\u00e9'}) {
    EXPECT_FALSE(AcceptKey(KeyFilter::kName, "", k)) << int(k);
  }
  EXPECT_EQ(Type(KeyFilter::kName, U"Ab 1\t~\u00e9\b"), "Ab 1");

  EXPECT_EQ(Type(KeyFilter::kBankSize, U"1.0-0 5\b"), "100");
  EXPECT_TRUE(AcceptKey(KeyFilter::kBankSize, "10", kBackspace));

  EXPECT_EQ(FilterText(KeyFilter::kNumber, "1a4.5.6 MHz"), "14.56");
  EXPECT_EQ(FilterText(KeyFilter::kNumber, "12\b3"), "123");
  EXPECT_EQ(FilterText(KeyFilter::kName, "Hi\tthere\r\n\x7f\xc3\xa9!"),
            "Hithere!");
  EXPECT_EQ(FilterText(KeyFilter::kBankSize, "1,000"), "1000");
  EXPECT_EQ(FilterText(KeyFilter::kName, ""), "");
}

TEST(EntryFrequencyTest, RangeRestoreAndFormat) {
  Document doc;
  doc.Mem[10] = FilledSlot();
  doc.MemFlag[10] = -1;
  auto text = [&](int slot, const char* typed) {
    BoxCheck c = CheckMemoryFrequency(doc, slot, 0, typed);
    EXPECT_FALSE(c.message) << typed;
    return c.text;
  };
  EXPECT_EQ(text(10, "1300"), "433.500000");
  EXPECT_EQ(text(10, "1299.996"), "433.500000");
  EXPECT_EQ(text(10, "0.09"), "433.500000");
  EXPECT_EQ(text(10, ""), "433.500000");
  EXPECT_EQ(text(10, "0.1"), "0.100000");
  EXPECT_EQ(text(10, "1299.995"), "1299.995000");
  EXPECT_EQ(text(10, "12.34"), "12.340000");
  EXPECT_EQ(text(20, "1300"), "145.000000");
  // A frequency number without its text is no channel to fall back to.
  doc.Mem[20].value[kFreq] = 433.5;
  EXPECT_EQ(text(20, "1300"), "145.000000");
  // Why: the channel range; nothing for a value taken.
  for (const char* typed : {"1300", "0.09", ""}) {
    EXPECT_EQ(CheckMemoryFrequency(doc, 10, 0, typed).refusal,
              (Refusal{.kind = Refusal::Kind::kChannelRange,
                       .low = 0.1,
                       .high = 1299.995}))
        << typed;
  }
  EXPECT_EQ(CheckMemoryFrequency(doc, 10, 0, "0.1").refusal, Refusal{});
}

TEST(EntryFrequencyTest, CellularRangesOnlyOnTheQ70T) {
  Document doc;
  doc.Mem[3] = FilledSlot();
  const Message cellular{
      "It is a frequency of the cellular phone.\r\n"
      "It is not possible to set it.",
      "Frequency of the cellular phone", Message::Icon::kCritical};
  for (const char* f : {"824", "824.0", "849.995", "869", "894.995", "880"}) {
    BoxCheck c = CheckMemoryFrequency(doc, 3, 2, f);
    EXPECT_EQ(c.message, cellular) << f;
    EXPECT_EQ(c.text, "433.500000") << f;
    // Why: the cellular band that holds it.
    const bool lower = Val(f) < 850;
    EXPECT_EQ(c.refusal, (Refusal{.kind = Refusal::Kind::kCellular,
                                  .low = lower ? 824.0 : 869.0,
                                  .high = lower ? 849.995 : 894.995}))
        << f;
    EXPECT_EQ(CheckMemoryFrequency(doc, 40, 2, f).text, "145.000000") << f;
  }
  const std::pair<const char*, const char*> allowed[] = {
      {"823.995", "823.995000"},
      {"850", "850.000000"},
      {"868.995", "868.995000"},
      {"895", "895.000000"}};
  for (auto [f, shown] : allowed) {
    BoxCheck c = CheckMemoryFrequency(doc, 3, 2, f);
    EXPECT_FALSE(c.message) << f;
    EXPECT_EQ(c.text, shown);
    EXPECT_EQ(c.refusal, Refusal{}) << f;
  }
  for (int model : {0, 1, 3}) {
    BoxCheck c = CheckMemoryFrequency(doc, 3, model, "849.995");
    EXPECT_FALSE(c.message) << model;
    EXPECT_EQ(c.text, "849.995000") << model;
  }
  EXPECT_FALSE(CheckCellularFrequency(824.0));
  EXPECT_FALSE(CheckCellularFrequency(894.995));
  EXPECT_TRUE(CheckCellularFrequency(894.996));
  EXPECT_TRUE(CheckCellularFrequency(850.0));
}

TEST(EntryFrequencyTest, SearchPassDuplicates) {
  Document doc;
  EntryControls c;
  OpenMemoryEntry(doc, 1151, false, c);
  c.txtFreq = "162.55";
  StoreMemoryEntry(doc, 1150, c);  // enabled search-pass slot
  ASSERT_EQ(doc.MemFlag[1150], -1);

  const Message duplicate = {
      "The same frequency as other channels cannot be set in Search Pass "
      "bank.",
      "ERROR", Message::Icon::kCritical};
  BoxCheck r = CheckMemoryFrequency(doc, 1105, 0, "162.550000");
  EXPECT_EQ(r.message, duplicate);
  EXPECT_EQ(r.text, "145.000000");
  // Why: the slot that holds it.
  EXPECT_EQ(r.refusal, (Refusal{.kind = Refusal::Kind::kSearchPassDuplicate,
                                .slot = 1150}));
  doc.Mem[1105] = FilledSlot();
  EXPECT_EQ(CheckMemoryFrequency(doc, 1105, 0, "162.55").text, "433.500000");
  EXPECT_FALSE(CheckSearchPassDuplicate(doc, 162.55, 1105));

  // Bank and priority slots may hold the same frequency.
  EXPECT_FALSE(CheckMemoryFrequency(doc, 20, 0, "162.55").message);
  EXPECT_FALSE(CheckMemoryFrequency(doc, 1250, 0, "162.55").message);
  // Slot 1150 itself, and no longer once it is disabled.
  EXPECT_EQ(CheckMemoryFrequency(doc, 1150, 0, "162.55").text, "162.550000");
  doc.MemFlag[1150] = 0;
  r = CheckMemoryFrequency(doc, 1105, 0, "162.55");
  EXPECT_FALSE(r.message);
  EXPECT_EQ(r.text, "162.550000");

  // Only enabled slots 1100..1199 count, both ends included.
  for (int other : {999, 1099, 1200}) {
    doc.Mem[other].value[kFreq] = 162.55;
    doc.MemFlag[other] = -1;
  }
  EXPECT_TRUE(CheckSearchPassDuplicate(doc, 162.55, 1105));
  for (int other : {1100, 1199}) {
    Document d = doc;
    d.Mem[other].value[kFreq] = 162.55;
    d.MemFlag[other] = -1;
    EXPECT_FALSE(CheckSearchPassDuplicate(d, 162.55, 1105)) << other;
    EXPECT_TRUE(CheckSearchPassDuplicate(d, 162.55, other)) << other;
    EXPECT_TRUE(CheckSearchPassDuplicate(d, 162.5501, 1105)) << other;
  }
}

TEST(EntryOffsetTest, RangeRestoreAndFormat) {
  Slot s = FilledSlot();  // offset 5
  const Refusal range{
      .kind = Refusal::Kind::kOffsetRange, .low = 0, .high = 100};
  const struct {
    const char* typed;
    const char* shown;
    Refusal why;
  } rows[] = {{"100", "5.000000", range},     {"250.5", "5.000000", range},
              {"99.999999", "99.999999", {}}, {"0", "0.000000", {}},
              {"", "0.000000", {}},           {".6", "0.600000", {}}};
  for (const auto& row : rows) {
    BoxCheck c = CheckMemoryOffset(s, row.typed);
    EXPECT_EQ(c.text, row.shown) << row.typed;
    EXPECT_EQ(c.refusal, row.why) << row.typed;
    EXPECT_FALSE(c.message) << row.typed;
  }
  EXPECT_EQ(CheckMemoryOffset(Slot{}, "100").text, "0.000000");
}

TEST(EntryOpenTest, DefaultsHoldAndModelRules) {
  Document doc;
  EntryControls c;
  OpenMemoryEntry(doc, 1, false, c);
  EXPECT_EQ(c.txtFreq, "145.000000");
  EXPECT_EQ(c.opbWave, 0);
  EXPECT_EQ(c.opbStep, 6);
  EXPECT_EQ(c.opbTone, 0);
  EXPECT_EQ(c.cbbTxTone, 8);
  EXPECT_EQ(c.opbSift, 0);
  EXPECT_EQ(c.txtShift, "0.600000");
  EXPECT_EQ(c.chkEnable, 1);
  EXPECT_EQ(c.chkSkip, 0);
  EXPECT_EQ(c.txtNote, "");
  EXPECT_EQ(c.txtName, "");
  EXPECT_EQ(c.cbbAir, 28);
  EXPECT_EQ(c.cbbSec, -1);

  doc.ModelIndex = 1;
  OpenMemoryEntry(doc, 1, false, c);
  EXPECT_EQ(c.cbbAir, -1);
  EXPECT_EQ(c.cbbSec, 11);

  // Hold keeps the last contents for an empty slot, apart from the lists
  // that the model rules disable.
  doc.ModelIndex = 0;
  doc.Mem[5] = FilledSlot();
  doc.MemFlag[5] = -1;
  OpenMemoryEntry(doc, 6, false, c);
  EntryControls shown = c;
  EXPECT_EQ(shown.txtFreq, "433.500000");
  OpenMemoryEntry(doc, 7, true, c);
  EXPECT_EQ(c, shown);
  doc.ModelIndex = 2;
  OpenMemoryEntry(doc, 7, true, c);
  EXPECT_EQ(c.cbbAir, -1);
  EXPECT_EQ(c.txtFreq, "433.500000");
  EXPECT_EQ(c.opbTone, 3);
  OpenMemoryEntry(doc, 7, false, c);
  EXPECT_EQ(c.txtFreq, "145.000000");
  EXPECT_EQ(c.cbbAir, -1);
  EXPECT_EQ(c.cbbSec, -1);

  using Enabled = std::array<bool, kOptionButtons>;
  struct Rule {
    int model;
    bool air, sec;
    Enabled options;
  };
  for (const Rule& rule : {Rule{0, true, false, {1, 1, 1, 1, 0}},
                           Rule{1, false, true, {1, 0, 1, 1, 1}},
                           Rule{2, false, false, {1, 0, 1, 1, 0}},
                           Rule{3, false, false, {1, 0, 1, 1, 0}}}) {
    EntryControls m;
    ApplyMemoryModelRules(m, 3 - rule.model);  // a different model first
    m.cbbAir = 4;
    m.cbbSec = 4;
    ApplyMemoryModelRules(m, rule.model);
    EXPECT_EQ(m.cbbAirEnabled, rule.air) << rule.model;
    EXPECT_EQ(m.cbbSecEnabled, rule.sec) << rule.model;
    EXPECT_EQ(m.cbbAir, rule.air ? 4 : -1) << rule.model;
    EXPECT_EQ(m.cbbSec, rule.sec ? 4 : -1) << rule.model;
    EXPECT_EQ(m.opbToneEnabled, rule.options) << rule.model;
  }
}

TEST(EntryOpenTest, LoadsEveryFieldOfTheSlot) {
  Document doc;
  doc.Mem[200] = FilledSlot();
  EntryControls c;
  OpenMemoryEntry(doc, 201, false, c);
  EXPECT_EQ(c.txtFreq, "433.500000");
  EXPECT_EQ(c.opbWave, 2);
  EXPECT_EQ(c.opbStep, 17);
  EXPECT_EQ(c.opbTone, 3);
  EXPECT_EQ(c.cbbAir, 0);
  EXPECT_EQ(c.cbbSec, -1);
  EXPECT_EQ(c.cbbTxTone, 38);
  EXPECT_EQ(c.opbSift, 2);
  EXPECT_EQ(c.txtShift, "5.000000");
  EXPECT_EQ(c.txtNote, "a note");
  EXPECT_EQ(c.txtName, "ABC");
  EXPECT_EQ(c.chkSkip, 1);
  EXPECT_EQ(c.chkEnable, 0);  // the slot's flag is clear

  doc.ModelIndex = 1;
  doc.MemFlag[200] = -1;
  doc.Mem[200].value[kStep] = 18;  // a code with no button
  doc.Mem[200].value[kTone] = 39;
  OpenMemoryEntry(doc, 201, false, c);
  EXPECT_EQ(c.cbbSec, 7);
  EXPECT_EQ(c.cbbAir, -1);
  EXPECT_EQ(c.opbStep, -1);
  EXPECT_EQ(c.cbbTxTone, -1);
  EXPECT_EQ(c.chkEnable, 1);
}

TEST(EntryStoreTest, EveryFieldWithItsText) {
  Document doc;
  EntryControls c;
  OpenMemoryEntry(doc, 1, false, c);
  c.txtFreq = "12.34";
  c.opbWave = 1;
  c.opbStep = 16;
  c.opbTone = 3;
  c.cbbAir = 0;
  c.cbbSec = 5;
  c.cbbTxTone = 0;
  c.opbSift = 2;
  c.txtShift = "5";
  c.txtNote = "two\r\nlines";
  c.txtName = "XY";
  c.chkSkip = 1;
  c.chkEnable = 1;
  StoreMemoryEntry(doc, 0, c);
  const Slot& s = doc.Mem[0];
  EXPECT_EQ(doc.DataChanged, -1);
  EXPECT_EQ(doc.MemFlag[0], -1);
  EXPECT_DOUBLE_EQ(s.value[kFreq], 12.34);
  const std::array<double, kFieldCount> values = {12.34, 1, 16, 3, 5, 0,
                                                  0,     2, 5,  0, 0, 1};
  const std::array<std::string, kFieldCount> texts = {
      "12.340000", "AM",     "1KHz",     "Rev.",       "5",  "300Hz",
      "67.0Hz",    "Shift-", "5.000000", "two  lines", "XY", ""};
  for (int f = 0; f < kFieldCount; ++f) {
    EXPECT_DOUBLE_EQ(s.value[f], values[f]) << f;
    EXPECT_EQ(s.text[f], texts[f]) << f;
  }

  struct Case {
    int wave, step, option, air, shift;
    const char *mode, *step_text, *option_text, *air_text, *shift_text;
  };
  for (const Case& k :
       {Case{0, 6, 0, 27, 0, "FM", "20KHz", "OFF", "3000Hz", "OFF"},
        Case{2, 0, 1, 28, 1, "WFM", "5KHz", "Train", "JR", "Shift+"},
        Case{1, 17, 2, -1, 2, "AM", "9KHz", "Tone", "JR", "Shift-"},
        Case{0, 15, 4, 1, 0, "FM", "1MHz", "Scr", "400Hz", "OFF"}}) {
    c.opbWave = k.wave;
    c.opbStep = k.step;
    c.opbTone = k.option;
    c.cbbAir = k.air;
    c.opbSift = k.shift;
    c.cbbSec = -1;
    StoreMemoryEntry(doc, 0, c);
    EXPECT_EQ(s.text[kMode], k.mode);
    EXPECT_EQ(s.text[kStep], k.step_text);
    EXPECT_EQ(s.text[kOption], k.option_text);
    EXPECT_EQ(s.text[kCarrier], k.air_text);
    EXPECT_EQ(s.value[kCarrier], k.air < 0 ? 28 : k.air);
    EXPECT_EQ(s.text[kShiftDir], k.shift_text);
    EXPECT_EQ(s.value[kSecret], 11);
    EXPECT_EQ(s.text[kSecret], "11");
  }
}

TEST(EntryStoreTest, OpenThenOkKeepsTheChannel) {
  for (int model : {0, 1, 2, 3}) {
    Document doc;
    doc.ModelIndex = static_cast<int16_t>(model);
    Slot slot = FilledSlot();
    slot.value[kSecret] = 11;  // what a disabled list stores back
    slot.text[kSecret] = "11";
    if (model != 0) {
      slot.value[kCarrier] = 28;
      slot.text[kCarrier] = "JR";
    }
    doc.Mem[1234] = slot;
    doc.MemFlag[1234] = -1;
    EntryControls c;
    OpenMemoryEntry(doc, 1235, false, c);
    StoreMemoryEntry(doc, 1234, c);
    EXPECT_EQ(doc.Mem[1234], slot) << model;
    EXPECT_EQ(doc.MemFlag[1234], -1);
    EXPECT_EQ(doc.DataChanged, -1);

    // Clearing Skip and Enable clears the skip flag and the enable flag.
    c.chkSkip = 0;
    c.chkEnable = 0;
    StoreMemoryEntry(doc, 1234, c);
    EXPECT_EQ(doc.Mem[1234].value[kSkip], 0);
    EXPECT_EQ(doc.MemFlag[1234], 0);
  }

  // A group or list with nothing selected keeps what the slot held.
  Document doc;
  doc.Mem[9] = FilledSlot();
  EntryControls c;
  OpenMemoryEntry(doc, 10, false, c);
  c.opbWave = c.opbStep = c.opbTone = c.cbbTxTone = c.opbSift = -1;
  StoreMemoryEntry(doc, 9, c);
  const Slot& s = doc.Mem[9];
  EXPECT_EQ(s.value[kMode], 2);
  EXPECT_EQ(s.text[kMode], "WFM");
  EXPECT_EQ(s.value[kStep], 17);
  EXPECT_EQ(s.text[kStep], "9KHz");
  EXPECT_EQ(s.text[kOption], "Rev.");
  EXPECT_EQ(s.value[kTone], 38);
  EXPECT_EQ(s.text[kTone], "250.3Hz");
  EXPECT_EQ(s.text[kShiftDir], "Shift-");
}

}  // namespace
}  // namespace vrq5
