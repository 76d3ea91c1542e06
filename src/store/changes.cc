#include "store/changes.h"

#include "codec/settings.h"
#include "codec/ui_text.h"
#include "store/entry.h"

namespace vrq5 {

namespace {

using Lines = std::vector<std::string>;

// Field names of a channel or band, as the grid heads them.
constexpr std::string_view kFieldNames[kFieldCount] = {
    UiText("Frequency"),  UiText("Mode"),    UiText("Step"), UiText("Option"),
    UiText("Secret"),     UiText("Carrier"), UiText("Tone"), UiText("Shift"),
    UiText("ShiftFreq."), UiText("Note"),    UiText("Name"), UiText("Skip")};

std::string OnOff(bool on) {
  return std::string(on ? UiText("on") : UiText("off"));
}

// One field that differs: "Field: a -> b".
std::string FieldChange(std::string_view field, std::string_view a,
                        std::string_view b) {
  return Fill(UiText("%1: %2 -> %3"), {field, a, b});
}

class Changes {
 public:
  Changes(const Document& before, const Document& after,
          const ShownTextFn& shown)
      : a_(before), b_(after), shown_(shown) {}

  Lines Run() {
    Banks();
    Settings();
    VfoBands();
    Channels();
    return std::move(out_);
  }

 private:
  std::string Shown(const Slot& s, int f) const {
    if (f == kSkip) return s.value[kSkip] != 0 ? "*" : "-";
    if (s.text[f].empty()) return std::string(UiText("(empty)"));
    if ((f == kNote || f == kName) && shown_) return shown_(s.text[f]);
    return s.text[f];
  }

  // The differing fields of two slots as "Field: a -> b; ...".
  std::string SlotChanges(const Slot& a, const Slot& b, int fields) const {
    std::string out;
    for (int f = 0; f < fields; ++f) {
      bool differs = f == kSkip
                         ? a.value[f] != b.value[f]
                         : a.text[f] != b.text[f] || a.value[f] != b.value[f];
      if (!differs) continue;
      if (!out.empty()) out += "; ";
      out += FieldChange(kFieldNames[f], Shown(a, f), Shown(b, f));
    }
    return out;
  }

  // "145.500000 FM HOME": what a channel added or removed was (the name
  // without the blanks that pad it).
  std::string Summary(const Slot& s) const {
    std::string out = s.text[kFreq] + " " + s.text[kMode];
    std::string_view name = s.text[kName];
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    if (!name.empty()) {
      out += " " + (shown_ ? shown_(name) : std::string(name));
    }
    return out;
  }

  void Banks() {
    for (int bank = 0; bank < kBankCount; ++bank) {
      if (a_.txtBank[bank] != b_.txtBank[bank]) {
        out_.push_back(
            Fill(UiText("Bank %1 size: %2 -> %3"),
                 {std::to_string(bank), a_.txtBank[bank], b_.txtBank[bank]}));
      }
    }
    for (int bank = 0; bank < kBankCount; ++bank) {
      if (a_.chkLink[bank] != b_.chkLink[bank]) {
        out_.push_back(Fill(UiText("Bank %1 link: %2 -> %3"),
                            {std::to_string(bank), OnOff(a_.chkLink[bank] != 0),
                             OnOff(b_.chkLink[bank] != 0)}));
      }
    }
    for (int g = 1; g <= 10; ++g) {
      std::string group = GroupLabel(g);
      for (int bank = 0; bank < kBankCount; ++bank) {
        int i = 50 * g + bank;
        if (a_.chkGrp[i] != b_.chkGrp[i]) {
          std::string n = std::to_string(bank);
          out_.push_back(b_.chkGrp[i]
                             ? Fill(UiText("%1: bank %2 added"), {group, n})
                             : Fill(UiText("%1: bank %2 removed"), {group, n}));
        }
      }
    }
  }

  void Settings() {
    for (const auto& f : SettingFields()) {
      std::string va = f.Describe(a_.settings), vb = f.Describe(b_.settings);
      if (va != vb) {
        out_.push_back(FieldChange(f.caption, va, vb));
      }
    }
  }

  void VfoBands() {
    for (int band = 0; band < kVfoBands; ++band) {
      std::string changes =
          SlotChanges(a_.Vfo[band], b_.Vfo[band], kVfoFieldCount);
      if (!changes.empty()) {
        out_.push_back(
            Fill(UiText("VFO band %1: %2"), {std::to_string(band), changes}));
      }
    }
  }

  void Channels() {
    auto in_use = [](const Document& d, int slot) {
      return d.MemFlag[slot] == -1 && SlotHoldsChannel(d.Mem[slot]);
    };
    for (int slot = 0; slot < kSlotCount; ++slot) {
      std::string label = a_.SlotLabel(slot);
      if (label != b_.SlotLabel(slot)) label += "/" + b_.SlotLabel(slot);
      label = RowName(label, slot);
      const bool was = in_use(a_, slot), is = in_use(b_, slot);
      if (!was && is) {
        out_.push_back(Fill(UiText("Channel %1 added: %2"),
                            {label, Summary(b_.Mem[slot])}));
        continue;
      }
      if (was && !is) {
        out_.push_back(Fill(UiText("Channel %1 removed: %2"),
                            {label, Summary(a_.Mem[slot])}));
        continue;
      }
      std::string changes =
          SlotChanges(a_.Mem[slot], b_.Mem[slot], kFieldCount);
      if (a_.MemFlag[slot] != b_.MemFlag[slot]) {
        changes += std::string(changes.empty() ? "" : "; ") +
                   FieldChange(UiText("Enable"), OnOff(a_.MemFlag[slot] == -1),
                               OnOff(b_.MemFlag[slot] == -1));
      }
      if (!changes.empty()) {
        out_.push_back(Fill(UiText("Channel %1: %2"), {label, changes}));
      }
    }
  }

  const Document& a_;
  const Document& b_;
  const ShownTextFn& shown_;
  Lines out_;
};

}  // namespace

std::vector<std::string> DocumentChanges(const Document& before,
                                         const Document& after,
                                         const ShownTextFn& shown) {
  return Changes(before, after, shown).Run();
}

}  // namespace vrq5
