// The rules of the channel edit dialog: what its controls hold, how they
// are loaded from a slot or from the defaults, the model's rules for the
// carrier, secret-code and option controls, the key filters, the checks
// when the frequency and offset boxes are left, and storing on OK. The
// window's dialog only shows these values and calls these routines.
#ifndef VRQ5_STORE_ENTRY_H_
#define VRQ5_STORE_ENTRY_H_

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "codec/code_fields.h"
#include "codec/ui_text.h"
#include "store/document.h"
#include "store/message.h"

namespace vrq5 {

inline constexpr int kStepButtons = kStepCodes;  // "5KHz" .. "9KHz"
inline constexpr int kOptionButtons = kOptionCodes;
inline constexpr int kCarrierItems = kCarrierCodes;  // 300Hz .. 3000Hz, "JR"
inline constexpr int kSecretItems = kSecretCodes;    // "0" .. "28"

// Captions of the option buttons and the shift buttons of the dialog.
extern const std::array<std::string_view, 3> kWaveCaptions;
extern const std::array<std::string_view, kOptionButtons> kOptionCaptions;
extern const std::array<std::string_view, 3> kShiftCaptions;

// The dialog's controls. An option group holds the index of its selected
// member and a list its selected position; -1 means none.
struct EntryControls {
  std::string txtFreq;
  int opbWave = 0;
  int opbStep = 0;
  int opbTone = 0;
  int cbbTxTone = 0;
  int cbbAir = -1;
  int cbbSec = -1;
  int opbSift = 0;
  std::string txtShift;
  int chkSkip = 0;
  int chkEnable = 0;
  std::string txtNote;  // the note's bytes as the document keeps them
  std::string txtName;

  // What the model rules enable.
  bool cbbAirEnabled = true;
  bool cbbSecEnabled = true;
  std::array<bool, kOptionButtons> opbToneEnabled{true, true, true, true, true};
  std::array<bool, kStepButtons> opbStepEnabled = AllSteps();

  static constexpr std::array<bool, kStepButtons> AllSteps() {
    std::array<bool, kStepButtons> all{};
    for (bool& b : all) b = true;
    return all;
  }

  friend bool operator==(const EntryControls&, const EntryControls&) = default;
};

// The dialog's labels for a memory-grid row (1..1300).
struct EntryLabels {
  std::string caption;  // "Modify Memory"
  std::string lblMode;  // "Bank 05", "Program Scan", "Search Pass", "Priority"
  std::string lblCH;    // "012Ch", "3 - A", "7Ch"
  std::string lblMHz;   // the band range; empty for memory channels
};
EntryLabels MemoryEntryLabels(const Document& doc, int row);

// True when a slot holds a channel the dialog loads: a frequency number
// other than 0 and a frequency text.
bool SlotHoldsChannel(const Slot& slot);

// The defaults for a new channel: 145.000000 MHz, FM, 20KHz, no option,
// tone 88.5Hz, no shift, offset 0.600000, enabled, no note or name, not
// skipped; carrier JR and secret code 11 where those lists are enabled.
void LoadEntryDefaults(EntryControls& c);

// Enables every option button, then applies the model's rules: the VR-Q5J
// has a carrier and no secret code, the VR-Q70E a secret code and no train
// option, the VR-Q70T/K neither. A disabled list loses its selection.
void ApplyMemoryModelRules(EntryControls& c, int model_index);

// Loads the controls from a slot and its enable flag (the lists only while
// they are enabled). A code with no control selects none.
void LoadEntryFromSlot(EntryControls& c, const Slot& slot, int16_t flag);

// Opening the dialog for memory-grid row `row` (1..1300): the model rules,
// then the slot's channel, or for an empty slot the defaults (or, with
// `hold`, what the dialog showed last).
void OpenMemoryEntry(const Document& doc, int row, bool hold, EntryControls& c);

// ----- key filters -----

enum class KeyFilter {
  kNumber,    // frequency and offset: digits, one ".", Backspace
  kName,      // channel name: codes 32..126 and Backspace
  kBankSize,  // bank-size box: digits and Backspace
};
inline constexpr char32_t kBackspace = 8;

// Whether a typed character reaches a box whose whole text (a selection
// included) is `box_text`.
bool AcceptKey(KeyFilter filter, std::string_view box_text, char32_t key);

// What typing `text` character by character into an empty box would leave:
// the key filter applied to pasted text. The text is taken as bytes, so a
// byte above 126 never reaches a name.
std::string FilterText(KeyFilter filter, std::string_view text);

// ----- checks when a box is left -----

inline constexpr std::string_view kMsgCellular = UiText(
    "It is a frequency of the cellular phone.\r\nIt is not possible to set "
    "it.");
inline constexpr std::string_view kTitleCellular =
    UiText("Frequency of the cellular phone");
inline constexpr std::string_view kMsgSearchPassDuplicate = UiText(
    "The same frequency as other channels cannot be set in Search Pass bank.");

// False inside the two blocked ranges of the VR-Q70T (824.0 .. 849.995 and
// 869.0 .. 894.995 MHz, ends included).
bool CheckCellularFrequency(double mhz);

// The lowest and highest frequency a memory channel may hold, in MHz.
inline constexpr double kLowestChannelFrequency = 0.1;
inline constexpr double kHighestChannelFrequency = 1299.995;

// What the frequency checks below answer for a frequency.
enum class FrequencyVerdict {
  kAllowed,
  kOutOfRange,           // outside the channel range or the band's limits
  kCellular,             // a blocked range of the VR-Q70T
  kSearchPassDuplicate,  // held by another enabled search-pass slot
};

// The rules of the frequency box of memory slot `slot`, in the order they
// apply: the channel range, the cellular ranges of the VR-Q70T (model 2),
// then for a search-pass slot CheckSearchPassDuplicate.
FrequencyVerdict MemoryFrequencyVerdict(const Document& doc, int slot,
                                        int model_index, double mhz);

// Whether the band editor edits band `band` (0..13) of model
// `model_index`: the VR-Q70T/K have bands 0..7 only.
bool VfoBandExists(int model_index, int band);

// The rules of the frequency box of VFO band `band`: the band's limits in
// the model's column of BandLimit (column 0 for a model outside 0..3), then
// the cellular ranges in band 6 of the VR-Q70T.
FrequencyVerdict VfoFrequencyVerdict(int band, int model_index, double mhz);

// False when an enabled search-pass slot other than `slot` holds exactly
// this frequency.
bool CheckSearchPassDuplicate(const Document& doc, double mhz, int slot);
// The first enabled search-pass slot other than `slot` that holds exactly
// this frequency, or -1.
int SearchPassHolder(const Document& doc, double mhz, int slot);

// An offset must be at least 0 and below this, in MHz.
inline constexpr double kOffsetLimit = 100;

// Why a box refused the value typed (its text fell back to the stored
// one), for the editor to say.
struct Refusal {
  enum class Kind {
    kNone,                 // the value was taken
    kChannelRange,         // outside a channel's range [low, high]
    kBandLimits,           // outside the VFO band's limits [low, high]
    kCellular,             // inside the VR-Q70T's cellular band [low, high]
    kSearchPassDuplicate,  // search-pass slot `slot` holds it already
    kOffsetRange,          // an offset outside [low, high)
  };
  Kind kind = Kind::kNone;
  double low = 0;
  double high = 0;
  int slot = -1;
  bool operator==(const Refusal&) const = default;
};

// The outcome of leaving a box: its new text, the message shown first (if
// any), and why the value typed was refused.
struct BoxCheck {
  std::string text;
  std::optional<Message> message;
  Refusal refusal;
};

// Leaving the frequency box of memory slot `slot`: outside 0.1 .. 1299.995
// MHz, a cellular frequency on the VR-Q70T, or a search-pass duplicate
// restores the slot's frequency (145.000000 for an empty slot); otherwise
// the text is shown with six decimals.
BoxCheck CheckMemoryFrequency(const Document& doc, int slot, int model_index,
                              std::string_view text);

// Leaving the offset box: outside 0 .. below 100 MHz restores the slot's
// offset; the text always has six decimals. No message.
BoxCheck CheckMemoryOffset(const Slot& slot, std::string_view text);

// OK for memory slot `slot`: every field and the enable flag from the
// controls; DataChanged is set. An option group or list with nothing
// selected keeps the slot's value, except the carrier (28, "JR") and the
// secret code (11), which a disabled list never has selected.
void StoreMemoryEntry(Document& doc, int slot, const EntryControls& c);

// ----- the VFO band editor (the same dialog) -----

// The dialog's labels for VFO band `band` (0..13) of model `model_index`.
EntryLabels VfoEntryLabels(int model_index, int band);

// Opening the editor for band `band`: false (nothing to edit) for bands 8..13
// of the VR-Q70T/K, which have eight bands. Otherwise the controls are
// loaded from the band with the band's step rules (band 0 only 1KHz; band 1
// only 9KHz on the VR-Q5J and VR-Q70E, 5KHz .. 1MHz with 10KHz for a step
// outside them on the VR-Q70T/K; other bands 5KHz .. 1MHz with 12.5KHz for
// a step outside them) and the model's option and list rules (an option
// the model lacks shows as None).
bool OpenVfoEntry(const Document& doc, int band, EntryControls& c);

// Leaving the frequency box of band `band`: outside the band's limits, or a
// cellular frequency in band 6 of the VR-Q70T, restores the band's
// frequency; the text always has six decimals.
BoxCheck CheckVfoFrequency(const Document& doc, int band, int model_index,
                           std::string_view text);

// OK for band `band`: fields 0..8 as a channel stores them, then note and
// name; DataChanged is set.
void StoreVfoEntry(Document& doc, int band, const EntryControls& c);

}  // namespace vrq5

#endif  // VRQ5_STORE_ENTRY_H_
