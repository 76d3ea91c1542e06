// A message box as the user sees it: text, title and icon. Shared by the
// edit rules, the file commands and the transfers, so the window and the
// command line show the same messages.
#ifndef VRQ5_STORE_MESSAGE_H_
#define VRQ5_STORE_MESSAGE_H_

#include <string>
#include <string_view>

#include "codec/ui_text.h"

namespace vrq5 {

struct Message {
  // kCritical: the error stop sign; kWarning: the exclamation mark of a
  // confirmation; kInformation: success and the unsaved-changes question.
  enum class Icon { kCritical, kInformation, kWarning };
  std::string text;
  std::string title;
  Icon icon = Icon::kCritical;
  // A line shown under the text, in a smaller type; empty for most boxes.
  std::string informative = {};
  friend bool operator==(const Message&, const Message&) = default;
};

inline constexpr std::string_view kTitleError = UiText("ERROR");
inline constexpr std::string_view kMsgTotalChannels =
    UiText("Total CH must be 1000");

// The unsaved-changes question (Yes / No / Cancel).
inline constexpr std::string_view kMsgSaveChanges =
    UiText("Save changes to settings?");
inline constexpr std::string_view kTitleSaveChanges = UiText("Save Changes");

// A second transfer while one runs.
inline constexpr std::string_view kMsgTransferRunning =
    UiText("A transfer is already running.");
// New, Open, a model change or closing the window while a transfer runs
// (OK / Cancel): OK stops the transfer first.
inline constexpr std::string_view kMsgStopTransfer =
    UiText("A transfer with the receiver is running.\r\nStop it and go on?");
inline constexpr std::string_view kTitleStopTransfer = UiText("Transfer");

// An error box: `text`, title "ERROR", the stop sign.
inline Message ErrorMessage(std::string_view text) {
  return Message{std::string(text), std::string(kTitleError),
                 Message::Icon::kCritical};
}

inline Message SaveChangesQuestion() {
  return Message{std::string(kMsgSaveChanges), std::string(kTitleSaveChanges),
                 Message::Icon::kInformation};
}

inline Message StopTransferQuestion() {
  return Message{std::string(kMsgStopTransfer), std::string(kTitleStopTransfer),
                 Message::Icon::kWarning};
}

}  // namespace vrq5

#endif  // VRQ5_STORE_MESSAGE_H_
