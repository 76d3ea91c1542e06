// A simulated receiver in its cloning mode: a 64 KiB memory image behind
// the command lines of the cloning protocol, with injectable faults.
//
// It echoes every character it receives and answers each command line with
// CR LF "OK" CR LF, CR LF "RE" CR LF (identity of another model), CR LF +
// 64 hex digits + CR LF (reads), or CR LF "NG" CR LF (a line it does not
// understand). Before the identity command of its model it answers no read
// or write at all; "QV~FINISH" makes it unidentified again.
#ifndef VRQ5_RADIO_RECEIVER_H_
#define VRQ5_RADIO_RECEIVER_H_

#include <array>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "store/document.h"

namespace vrq5::radio {

// Faults the receiver can be told to show.
struct Faults {
  // Probability that the answer to a line (everything after the echo) is
  // never sent.
  double drop_reply = 0;
  // Probability that one character of an answer is damaged: its top bit
  // is flipped, as line noise does. (The answers carry no checksum: a digit
  // turned into another digit could not be told from data by any program
  // speaking this protocol, so the fault damages characters detectably.)
  double corrupt_reply = 0;
  // Answers arrive in this many pieces, `split_gap` apart.
  int split_pieces = 1;
  std::chrono::microseconds split_gap{300};
  // Probability that an answer comes `late_delay` later than it should.
  double late_reply = 0;
  std::chrono::milliseconds late_delay{700};
  // The received characters are not echoed.
  bool no_echo = false;
  // From the n-th command line on (counted from 1) nothing at all is sent,
  // as when the cable is pulled; 0 never.
  long silent_from = 0;
  // Every identity is answered "RE".
  bool refuse_identity = false;
  // The first channel write of a record that holds a channel is answered
  // "OK" but stored with its mode byte changed (corrupt_write), or not
  // stored at all (ignore_write). Setting the faults arms them again.
  bool corrupt_write = false;
  bool ignore_write = false;
  // Switched on but not in its cloning mode: what it receives comes back as
  // the echo, and no line is answered.
  bool not_in_clone_mode = false;
  // Wire timing: each character takes 10 bits at 38400 bit/s, and an
  // answer starts `turnaround` after the line has arrived.
  bool timing = false;
  std::chrono::microseconds turnaround{2000};
  // Seed of the random choices.
  uint32_t seed = 1;
};

// A piece of output: its characters and when it leaves the receiver,
// counted from the moment the received bytes were handed over.
struct Delivery {
  std::chrono::nanoseconds after{0};
  std::string data;
};

class SimulatedReceiver {
 public:
  static constexpr int kMemorySize = 0x10000;
  static constexpr int kChannelArea = 0x0A00;
  static constexpr int kEnableArea = 0x0200;
  static constexpr int kBankArea = 0x0100;
  // Slots with a bit in the enable bitmap (five 32-byte blocks).
  static constexpr int kEnableBits = 1280;

  // A receiver of the given model (0 VR-Q5J, 1 VR-Q70E, 2 VR-Q70T,
  // 3 VR-Q70K) in its factory state.
  explicit SimulatedReceiver(int model_index = 0, Faults faults = {});
  SimulatedReceiver(const SimulatedReceiver&) = delete;
  SimulatedReceiver& operator=(const SimulatedReceiver&) = delete;

  // Factory state: default settings and VFO bands of the model, ten banks
  // of 100 channels, no groups, every channel record FF, every enable bit
  // clear; unidentified; no command counted.
  void Reset();

  int model_index() const;
  void set_faults(const Faults& faults);
  Faults faults() const;

  // Takes bytes from the line and returns what goes back.
  std::vector<Delivery> Receive(std::string_view bytes);

  // Fills the memory from a document exactly as Write > ALL does (the
  // document itself is not changed), then counts no command and forgets
  // the log. False when the write would fail (another model, bank sizes
  // that do not add up to 1000).
  bool LoadDocument(const Document& doc);

  // ----- inspection -----
  bool identified() const;
  // Command lines received (without their CR), in order.
  std::vector<std::string> lines() const;
  void ClearLines();
  long commands() const;
  uint8_t Byte(int address) const;
  // `length` bytes from `address` as upper-case hex (wrapping is not done:
  // bytes past the end are left out).
  std::string HexAt(int address, int length) const;
  void Poke(int address, std::string_view hex);
  std::array<uint8_t, kMemorySize> memory() const;
  // The slot a bank and channel number address through the bank table in
  // memory, or -1.
  int SlotOf(int bank, int channel) const;

 private:
  std::string Interpret(std::string_view line);
  // The commands after the identity: a block by address (`F`) and a
  // channel by bank and number (`BC`).
  std::string InterpretBlock(std::string_view body);
  std::string InterpretChannel(std::string_view body);
  // A read's answer: the block at `address` as hex between line ends.
  std::string DataReply(int address) const;
  // The time `chars` characters take on the wire (none without timing).
  std::chrono::nanoseconds Wire(size_t chars) const;
  // True with probability p, from the fault seed.
  bool Chance(double p);
  // Delivers an answer to a line whose last character was the
  // `sent_chars`th of the bytes received, shaped by the faults (dropped,
  // corrupted, late, in pieces).
  void Reply(std::string answer, size_t sent_chars, std::vector<Delivery>& out);
  int SlotOfLocked(int bank, int channel) const;
  void ResetLocked();
  void PokeLocked(int address, std::string_view hex);

  mutable std::mutex mu_;
  int model_index_;
  Faults faults_;
  std::mt19937 rng_;
  std::array<uint8_t, kMemorySize> mem_{};
  bool identified_ = false;
  bool write_fault_spent_ = false;
  std::string line_;
  std::vector<std::string> lines_;
  long commands_ = 0;
};

}  // namespace vrq5::radio

#endif  // VRQ5_RADIO_RECEIVER_H_
