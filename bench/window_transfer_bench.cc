// Write > ALL and Read > ALL run from the main window, as a user runs them:
// the window shown on the offscreen platform with a full document (all
// 1300 slots in use), the wire-timed simulated receiver on a
// pseudo-terminal reached through QtSerialPort, and the window's own event
// loop running while the worker transfers. Prints for each: the wall time
// from the command to the window having taken the outcome in, the
// wire-time bound, their ratio, the CPU time of the whole process during
// the transfer with its share of the wall time (the receiver serving the
// pseudo-terminal runs in this process too, so this is an upper bound of
// the window's own), and the CPU time of the GUI thread alone. Afterwards
// the peak memory of the process: the window with the document read back.
//
// Checks that both transfers ended with "Successed!!" alone and that the
// document read back has the channels written; exits 1 otherwise.
//
// Usage: vrq5_window_transfer_bench [--quick]   (--quick: the demo file)
// VRQ5_BENCH_FILE=FILE opens FILE instead.
#include <sys/resource.h>
#include <time.h>

#include <QApplication>
#include <QEventLoop>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/wire_bound.h"
#include "gui/main_window.h"
#include "gui/transfer_runner.h"
#include "link/exchange.h"
#include "link/transfer.h"
#include "radio/pty_host.h"
#include "radio/receiver.h"
#include "store/document.h"
#include "store/write_check.h"
#include "tests/gui/silent_prompts.h"

namespace vrq5 {
namespace {

// A transfer that has not ended after this long counts as hung.
constexpr int kTransferLimitMs = 10 * 60 * 1000;

// Questions are answered "No"; messages are kept in the order shown.
class RecordingPrompts : public testing::SilentPrompts {
 public:
  RecordingPrompts() : SilentPrompts(gui::Answer::kNo) {}
  void Show(QWidget*, const Message& m) override { texts.push_back(m.text); }
  std::vector<std::string> texts;
};

double ThreadCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + ts.tv_nsec / 1e9;
}

double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Figures {
  double wall = 0, bound = 0, cpu = 0, gui_cpu = 0;
  bool ended = false;                 // the window took an outcome in
  std::vector<std::string> messages;  // shown by the transfer
};

// Runs `command` from the window and waits for it in an event loop that
// ends once the window has handled the runner's `finished` signal.
Figures Measure(gui::MainWindow& window, RecordingPrompts& prompts,
                radio::SimulatedReceiver& receiver, UserCommand command,
                double turnaround) {
  Figures f;
  auto* runner = window.findChild<gui::TransferRunner*>();
  if (runner == nullptr) return f;
  QEventLoop loop;
  bool finished = false;
  // Queued, so that it comes after the window's own (direct) handler.
  QMetaObject::Connection done = QObject::connect(
      runner, &gui::TransferRunner::finished, &loop,
      [&] {
        finished = true;
        loop.quit();
      },
      Qt::QueuedConnection);
  QTimer limit;
  limit.setSingleShot(true);
  QObject::connect(&limit, &QTimer::timeout, &loop, [&] { loop.quit(); });

  receiver.ClearLines();
  prompts.texts.clear();
  double cpu0 = ProcessCpuSeconds();
  double gui0 = ThreadCpuSeconds();
  auto t0 = std::chrono::steady_clock::now();
  window.RunTransfer(command);
  if (window.TransferRunning()) {
    limit.start(kTransferLimitMs);
    loop.exec();
  }
  f.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0)
               .count();
  f.cpu = ProcessCpuSeconds() - cpu0;
  f.gui_cpu = ThreadCpuSeconds() - gui0;
  QObject::disconnect(done);
  if (!finished && window.TransferRunning()) {
    std::fprintf(stderr, "the transfer did not end; cancelling it\n");
    window.CancelTransfer();
    window.WaitForTransfer();
  }
  f.ended = finished;
  f.messages = prompts.texts;
  double timeout = std::chrono::duration<double>(kDefaultReplyTimeout).count();
  f.bound = WireBound(receiver.lines(), turnaround, timeout);
  return f;
}

bool Succeeded(const Figures& f) {
  return f.ended &&
         f.messages == std::vector<std::string>{std::string(kMsgSuccess)};
}

void Print(const char* name, const Figures& f) {
  std::printf(
      "%-16s wall %8.3f s  bound %8.3f s  ratio %6.4f  cpu %7.3f s  "
      "share %.2f%%  gui-thread %7.3f s%s\n",
      name, f.wall, f.bound, f.bound > 0 ? f.wall / f.bound : 0.0, f.cpu,
      f.wall > 0 ? 100.0 * f.cpu / f.wall : 0.0, f.gui_cpu,
      Succeeded(f) ? "" : "  FAILED");
  std::fflush(stdout);
}

void ReportMessages(const char* name, const Figures& f) {
  if (Succeeded(f)) return;
  std::fprintf(stderr, "%s: %s; messages shown:", name,
               f.ended ? "ended" : "did not end");
  if (f.messages.empty()) std::fprintf(stderr, " none");
  for (const auto& text : f.messages) {
    std::fprintf(stderr, " \"%s\"", text.c_str());
  }
  std::fprintf(stderr, "\n");
}

// The slots whose frequency differs between `written` and `read`, shown
// on standard error; the count of them.
int ReportDifferences(const Document& written, const Document& read) {
  int differ = 0;
  if (written.ChannelsInUse() != read.ChannelsInUse()) {
    std::fprintf(stderr, "channels in use: written %d, read back %d\n",
                 written.ChannelsInUse(), read.ChannelsInUse());
    ++differ;
  }
  for (int s = 0; s < kSlotCount; ++s) {
    const std::string& a = written.Mem[s].text[kFreq];
    const std::string& b = read.Mem[s].text[kFreq];
    if (a == b) continue;
    if (++differ <= 20) {
      std::fprintf(stderr, "slot %d: written \"%s\", read back \"%s\"\n", s,
                   a.c_str(), b.c_str());
    }
  }
  return differ;
}

}  // namespace
}  // namespace vrq5

int main(int argc, char** argv) {
  using namespace vrq5;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
  QApplication app(argc, argv);
  QTemporaryDir folder;
  if (!folder.isValid()) {
    std::fprintf(stderr, "cannot make a temporary folder\n");
    return 1;
  }
  gui::MainWindow::Options options;
  options.port_folder = std::filesystem::path(folder.path().toStdString());
  options.placement_file = folder.filePath(QStringLiteral("placement.ini"));
  {
    // The notes of the file are what a write does not keep: the check
    // before writing would ask each time.
    QSettings settings(options.placement_file, QSettings::IniFormat);
    settings.setValue(QStringLiteral("WriteCheck/HideWarnings"), true);
    // The plain write: the four-step one is measured by the core's bench.
    for (const char* step : {"Snapshot", "ShowChanges", "Verify"}) {
      settings.setValue(QStringLiteral("SafeWrite/") + QLatin1String(step),
                        false);
    }
  }
  RecordingPrompts prompts;
  gui::MainWindow window(prompts, options);
  window.show();
  window.StartUp("");
  const char* file = quick ? VRQ5_DEMO_FILE : VRQ5_FULL_FILE;
  if (const char* other = std::getenv("VRQ5_BENCH_FILE")) file = other;
  if (!window.OpenNamedFile(QString::fromLocal8Bit(file))) {
    std::fprintf(stderr, "cannot open %s\n", file);
    return 1;
  }
  // The figures stand for a full document: one with fewer channels would
  // give a shorter write and a smaller window, under the same name.
  if (!quick && window.document().ChannelsInUse() != kSlotCount) {
    std::fprintf(stderr, "%s has %d of %d slots in use, not all\n", file,
                 window.document().ChannelsInUse(), kSlotCount);
    return 1;
  }
  // The sample's VFO bands lie outside their bands, which the check before
  // writing refuses; the model's own bands take their place.
  if (HasError(CheckBeforeWrite(window.document()))) {
    window.document().LoadVfoDefaults();
    window.ShowDocument();
  }
  if (HasError(CheckBeforeWrite(window.document()))) {
    std::fprintf(stderr, "%s holds what the receiver would refuse\n", file);
    return 1;
  }
  QApplication::processEvents();
  const Document written = window.document();

  TimedWire wire;
  if (!wire.Start()) return 1;
  radio::SimulatedReceiver& receiver = wire.receiver;
  window.set_port_name(wire.host.device_path());
  double turnaround = wire.turnaround();

  Figures write =
      Measure(window, prompts, receiver, UserCommand::kWriteAll, turnaround);
  Print("Window Write ALL", write);
  ReportMessages("Write ALL", write);
  if (!window.NewData()) {
    std::fprintf(stderr, "New data was refused\n");
    return 1;
  }
  if (window.document().ChannelsInUse() != 0) {
    std::fprintf(stderr, "New data left channels in use\n");
    return 1;
  }
  Figures read =
      Measure(window, prompts, receiver, UserCommand::kReadAll, turnaround);
  Print("Window Read ALL", read);
  ReportMessages("Read ALL", read);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("Window peak memory %ld KiB\n", usage.ru_maxrss);

  int differ = ReportDifferences(written, window.document());
  std::printf(
      "channels in use: %d written, %d read back; slots differing: %d\n",
      written.ChannelsInUse(), window.document().ChannelsInUse(), differ);
  wire.host.Stop();
  return Succeeded(write) && Succeeded(read) && differ == 0 ? 0 : 1;
}
