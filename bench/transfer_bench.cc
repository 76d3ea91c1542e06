// Read > ALL and Write > ALL of a full document through QSerialPort against
// the simulated receiver on a pseudo-terminal, with wire timing on. Prints
// for each: the wall time, the wire-time bound (every character of every
// command and answer at 10 bits per character at 38400 bit/s, plus the
// receiver's turnaround before each answer), their ratio, and the CPU time
// the program's own thread used, with its share of the wall time. The bound
// also holds the reply time-outs the protocol itself prescribes: the probe
// of a receiver not yet identified goes unanswered three times.
//
// Then the write in four steps (snapshot, preview, write, read-back) of a
// 300-channel document onto a receiver holding 300 other channels, against
// the bound of all its passes and against the plain write of the same
// document; and the four-step write of a document the receiver already
// holds, which ends after its one quick read.
//
// Usage: vrq5_transfer_bench [--quick]   (--quick: 100 channels only)
#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include "bench/wire_bound.h"
#include "link/transfer.h"
#include "radio/pty_host.h"
#include "radio/receiver.h"
#include "radio/safe_write.h"
#include "serial/qt_serial_port.h"
#include "store/document.h"

namespace vrq5 {
namespace {

double ThreadCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + ts.tv_nsec / 1e9;
}

Document FullDocument(int channels, unsigned seed = 3) {
  std::mt19937 rng(seed);
  Document doc;
  for (int s = 0; s < channels && s < kSlotCount; ++s) {
    int slot = channels >= kSlotCount ? s : s * (kSlotCount / channels);
    Slot& c = doc.Mem[slot];
    c.value[kFreq] = (100000 + rng() % 1299000000) / 1e6;
    c.value[kStep] = rng() % 18;
    c.value[kTone] = rng() % 39;
    c.value[kCarrier] = 28;
    c.text[kName] = "CH" + std::to_string(slot);
    doc.MemFlag[slot] = -1;
  }
  return doc;
}

struct Figures {
  double wall, bound, cpu;
  bool ok;
};

Figures Measure(Transfer& transfer, radio::SimulatedReceiver& receiver,
                UserCommand command, double turnaround) {
  receiver.ClearLines();
  double cpu0 = ThreadCpuSeconds();
  auto t0 = std::chrono::steady_clock::now();
  CommandResult r = transfer.Run(command);
  double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - t0)
          .count();
  double cpu = ThreadCpuSeconds() - cpu0;
  double timeout = std::chrono::duration<double>(kDefaultReplyTimeout).count();
  return {wall, WireBound(receiver.lines(), turnaround, timeout), cpu,
          r == CommandResult::kSuccess};
}

// The four steps of a write, timed as one, from a receiver just filled
// with `held`.
Figures MeasureSafeWrite(Link& link, const Document& doc,
                         radio::SimulatedReceiver& receiver,
                         const Document& held, double turnaround,
                         const std::filesystem::path& folder,
                         radio::PlanResult expected) {
  if (!receiver.LoadDocument(held)) return {1, 1, 0, false};
  receiver.ClearLines();
  radio::SafeWriteOptions options;
  options.snapshot_folder = folder;
  double cpu0 = ThreadCpuSeconds();
  auto t0 = std::chrono::steady_clock::now();
  radio::SafeWrite write(doc, UserCommand::kWriteAll, options);
  radio::PlanResult plan = write.Plan(link, {});
  bool ok = plan == expected;
  if (ok && plan == radio::PlanResult::kWrite) {
    Document sent = doc;
    ok = write.WriteAndVerify(link, sent, {}) == CommandResult::kSuccess;
  }
  double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - t0)
          .count();
  double cpu = ThreadCpuSeconds() - cpu0;
  double timeout = std::chrono::duration<double>(kDefaultReplyTimeout).count();
  return {wall, WireBound(receiver.lines(), turnaround, timeout), cpu, ok};
}

void Print(const char* name, const Figures& f) {
  std::printf(
      "%-19s wall %8.3f s  bound %8.3f s  ratio %6.4f  cpu %7.3f s "
      "share %.2f%%%s\n",
      name, f.wall, f.bound, f.wall / f.bound, f.cpu, 100.0 * f.cpu / f.wall,
      f.ok ? "" : "  FAILED");
}

}  // namespace
}  // namespace vrq5

int main(int argc, char** argv) {
  using namespace vrq5;
  bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
  QCoreApplication app(argc, argv);
  TimedWire wire;
  if (!wire.Start()) return 1;
  radio::SimulatedReceiver& receiver = wire.receiver;
  double turnaround = wire.turnaround();
  Document doc = FullDocument(quick ? 100 : kSlotCount);
  QtSerialPort port(wire.host.device_path());
  Link link(port);
  Transfer transfer(link, doc);
  Figures write =
      Measure(transfer, receiver, UserCommand::kWriteAll, turnaround);
  Document back;
  Transfer reader(link, back);
  Figures read = Measure(reader, receiver, UserCommand::kReadAll, turnaround);
  Print("Write ALL", write);
  Print("Read ALL", read);
  int same = 0;
  for (int s = 0; s < kSlotCount; ++s) {
    same += back.Mem[s].value[kFreq] == doc.Mem[s].value[kFreq];
  }
  std::printf("channels read back equal: %d of %d\n", same, kSlotCount);

  // A receiver with 300 channels in use, spread over all its slots: Read >
  // ALL and the quick read, each on a receiver just filled (not yet
  // identified), and the documents they leave compared.
  Document in_use = FullDocument(quick ? 60 : 300);
  Document full_read, quick_read;
  Transfer full_reader(link, full_read);
  Transfer quick_reader(link, quick_read);
  if (!receiver.LoadDocument(in_use)) return 1;
  Figures part_all =
      Measure(full_reader, receiver, UserCommand::kReadAll, turnaround);
  if (!receiver.LoadDocument(in_use)) return 1;
  Figures part_quick =
      Measure(quick_reader, receiver, UserCommand::kReadQuick, turnaround);
  Print("Read ALL 300", part_all);
  Print("Quick read 300", part_quick);
  std::printf("Quick read 300 of Read ALL 300: %.4f\n",
              part_quick.wall / part_all.wall);
  bool equal = full_read.Mem == quick_read.Mem &&
               full_read.MemFlag == quick_read.MemFlag;
  std::printf("quick read gives the document of Read ALL: %s\n",
              equal ? "yes" : "NO");

  // The write in four steps, its plain form, and an unchanged document.
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("vrq5-bench-snapshots-" + std::to_string(::getpid()));
  Document other = FullDocument(quick ? 60 : 300, 11);
  Figures safe = MeasureSafeWrite(link, in_use, receiver, other, turnaround,
                                  folder, radio::PlanResult::kWrite);
  if (!receiver.LoadDocument(other)) return 1;
  Document plain_doc = in_use;
  Transfer plain_writer(link, plain_doc);
  Figures plain =
      Measure(plain_writer, receiver, UserCommand::kWriteAll, turnaround);
  Figures unchanged =
      MeasureSafeWrite(link, in_use, receiver, in_use, turnaround, folder,
                       radio::PlanResult::kNothingToWrite);
  std::filesystem::remove_all(folder);
  Print("Safe Write ALL 300", safe);
  Print("Plain Write ALL 300", plain);
  std::printf("Safe Write ALL 300 of Plain Write ALL 300: %.4f\n",
              safe.wall / plain.wall);
  Print("Unchanged write 300", unchanged);
  return write.ok && read.ok && same == kSlotCount && part_all.ok &&
                 part_quick.ok && equal && safe.ok && plain.ok && unchanged.ok
             ? 0
             : 1;
}
