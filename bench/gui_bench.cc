// The window with a full document (all 1300 slots in use) on the offscreen
// platform: one UpDateMemData refill of the memory grid with its repaint,
// and the window's start from nothing to shown with that document.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabBar>
#include <QTableView>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "gui/main_window.h"
#include "store/bank_rules.h"
#include "store/row_ops.h"
#include "tests/gui/silent_prompts.h"

namespace {

std::string g_full_file;  // set by main

// A question during the benchmark answers "No".
struct SilentPrompts : vrq5::testing::SilentPrompts {
  SilentPrompts() : vrq5::testing::SilentPrompts(vrq5::gui::Answer::kNo) {}
};

vrq5::gui::MainWindow::Options BenchOptions() {
  vrq5::gui::MainWindow::Options options;
  auto folder = std::filesystem::temp_directory_path() / "vrq5-gui-bench";
  options.port_folder = folder;
  options.placement_file =
      QString::fromStdString((folder / "placement.ini").string());
  return options;
}

void Settle() {
  QApplication::sendPostedEvents();
  QApplication::processEvents();
}

// The window shown on its Memory tab with the full document; its grid.
QTableView* ShowMemoryTab(vrq5::gui::MainWindow& window) {
  window.StartUp(g_full_file);
  window.show();
  window.findChild<QTabBar*>(QStringLiteral("TabStrip1"))->setCurrentIndex(2);
  Settle();
  return window.findChild<QTableView*>(QStringLiteral("MSFlexGrid1"));
}

// UpDateMemData on the shown Memory tab, and the grid drawn again.
void BM_RefillMemoryGrid(benchmark::State& state) {
  SilentPrompts prompts;
  vrq5::gui::MainWindow window(prompts, BenchOptions());
  QTableView* grid = ShowMemoryTab(window);
  window.SelectRow(600);
  Settle();
  for (auto _ : state) {
    window.UpDateMemData();
    grid->viewport()->repaint();
  }
  if (window.document().ChannelsInUse() != 1300) {
    state.SkipWithError("the full document did not load");
  }
}
BENCHMARK(BM_RefillMemoryGrid)->Unit(benchmark::kMillisecond);

// The grid drawn again without a refill: what the view's repaint alone
// costs.
void BM_RepaintMemoryGrid(benchmark::State& state) {
  SilentPrompts prompts;
  vrq5::gui::MainWindow window(prompts, BenchOptions());
  QTableView* grid = ShowMemoryTab(window);
  for (auto _ : state) grid->viewport()->repaint();
}
BENCHMARK(BM_RepaintMemoryGrid)->Unit(benchmark::kMillisecond);

// Each iteration: the last step undone and redone, the grid drawn after
// each.
void UndoThenRedo(benchmark::State& state, vrq5::gui::MainWindow& window,
                  QTableView* grid) {
  for (auto _ : state) {
    window.Undo();
    grid->viewport()->repaint();
    window.Redo();
    grid->viewport()->repaint();
  }
  state.counters["steps"] = 2;
}

// Undo and redo of Clear All on the shown Memory tab with the full
// document: each iteration undoes the clearing of 1300 slots and redoes
// it, the grid drawn after each.
void BM_UndoRedoClearAll(benchmark::State& state) {
  SilentPrompts prompts;
  vrq5::gui::MainWindow window(prompts, BenchOptions());
  QTableView* grid = ShowMemoryTab(window);
  vrq5::ClearAllSlots(window.document());
  window.UpDateMemData();
  window.history().Record(QStringLiteral("Clear All"));
  UndoThenRedo(state, window, grid);
  if (window.document().ChannelsInUse() != 0) {
    state.SkipWithError("the redo did not clear the slots");
  }
}
BENCHMARK(BM_UndoRedoClearAll)->Unit(benchmark::kMillisecond);

// Undo and redo of a sort of 1000 rows: the full document's memory rows
// made one bank of 1000 and sorted by name, then each iteration undoes and
// redoes the sort with the grid drawn after each.
void BM_UndoRedoSort1000(benchmark::State& state) {
  SilentPrompts prompts;
  vrq5::gui::MainWindow window(prompts, BenchOptions());
  QTableView* grid = ShowMemoryTab(window);
  vrq5::Document& doc = window.document();
  for (int b = 0; b < vrq5::kBankCount; ++b)
    doc.txtBank[b] = b == 0 ? "1000" : "0";
  doc.ReadBankSizeBoxes();
  doc.LayoutMemoryRows();
  window.UpDateMemData();
  window.history().Record(QStringLiteral("One bank"));
  if (!vrq5::SortBank(doc, 0, vrq5::SortKey::kName)) {
    state.SkipWithError("the sort was refused");
    return;
  }
  window.UpDateMemData();
  window.history().Record(QStringLiteral("Sort"));
  UndoThenRedo(state, window, grid);
}
BENCHMARK(BM_UndoRedoSort1000)->Unit(benchmark::kMillisecond);

// Start-up inside a running application: the main window made, the clone
// file opened, the window shown and drawn.
void BM_WindowStartUp(benchmark::State& state) {
  SilentPrompts prompts;
  for (auto _ : state) {
    auto window =
        std::make_unique<vrq5::gui::MainWindow>(prompts, BenchOptions());
    window->StartUp(g_full_file);
    window->show();
    window->repaint();
    Settle();
    benchmark::DoNotOptimize(window.get());
  }
}
BENCHMARK(BM_WindowStartUp)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  g_full_file = VRQ5_FULL_FILE;
  if (const char* file = std::getenv("VRQ5_BENCH_FILE")) g_full_file = file;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
