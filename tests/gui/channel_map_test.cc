// View > Channel Map: a mark for every channel, a click on one selects its
// row in the grid, and the picture saves as PNG.
#include <QImage>
#include <QTabWidget>
#include <QTableView>

#include "files/clone_file.h"
#include "gui/channel_map_view.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

class ChannelMapWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartOnSimulatedReceiver();
    ASSERT_TRUE(
        window->OpenNamedFile(QString::fromStdString(SamplePath("demo.VQ5"))));
    Trigger("mnuChannelMap");
    view = Find<gui::ChannelMapView>("picChannelMap");
    ASSERT_NE(view, nullptr);
    QApplication::processEvents();
  }
  gui::ChannelMapView* view = nullptr;
};

TEST_F(ChannelMapWindowTest, AMarkForEveryChannelAndAClickSelectsItsRow) {
  ASSERT_EQ(static_cast<int>(view->map().marks.size()), doc().ChannelsInUse());
  ASSERT_GE(view->map().marks.size(), 10u);
  // 00-009: pixels from its neighbours (00-005 and 00-006 lie within a
  // pixel of each other). A copy: the map is rebuilt.
  const ChannelMark mark = view->map().marks[9];
  QPoint at = view->PointOf(mark);
  ASSERT_TRUE(view->MarkAtPoint(at));
  EXPECT_EQ(view->MarkAtPoint(at)->row, mark.row);
  ClickTab(1);
  QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at);
  EXPECT_EQ(window->CurrentTab(), 3);
  EXPECT_EQ(window->CurrentRow(), mark.row);
  // Nothing is hit far from every mark.
  EXPECT_FALSE(view->MarkAtPoint(QPoint(2, 2)));

  // The map follows the document.
  window->SelectRow(mark.row);
  prompts.answers = {gui::Answer::kOk};
  Click("cmbClear");
  EXPECT_EQ(static_cast<int>(view->map().marks.size()), doc().ChannelsInUse());
}

// The Table tab tells the picture in words, and Enter on a line selects its
// row as a click on the mark does (and presses no button of the dialog).
TEST_F(ChannelMapWindowTest, TableListsTheChannelsAndEnterSelectsARow) {
  auto* table = Find<QTableView>("grdChannelMap");
  ASSERT_NE(table, nullptr);
  EXPECT_FALSE(table->accessibleName().isEmpty());
  QAbstractItemModel* model = table->model();
  ASSERT_EQ(model->rowCount(), doc().ChannelsInUse());
  QStringList headers;
  for (int c = 0; c < model->columnCount(); ++c) {
    headers << model->headerData(c, Qt::Horizontal).toString();
  }
  EXPECT_EQ(headers, QStringList({"Lane", "Row", "Frequency", "Name"}));
  const std::vector<MapTableRow> lines = MapTableRows(view->map());
  ASSERT_GE(lines.size(), 6u);
  const MapTableRow line = lines[5];
  EXPECT_EQ(model->index(5, 0).data().toString().toStdString(), line.lane);
  EXPECT_EQ(model->index(5, 1).data().toString().toStdString(), line.label);

  ClickTab(1);
  // Alt+T shows the table, Tab goes into it.
  auto* dialog = Find<QDialog>("dlgChannelMap");
  dialog->activateWindow();
  QTest::keyClick(dialog, Qt::Key_T, Qt::AltModifier);
  EXPECT_EQ(Find<QTabWidget>("tabChannelMap")->currentWidget(), table);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), table);
  table->setCurrentIndex(model->index(5, 2));
  QTest::keyClick(table, Qt::Key_Return);
  EXPECT_EQ(window->CurrentTab(), 3);
  EXPECT_EQ(window->CurrentRow(), line.row);
  EXPECT_TRUE(prompts.dialogs.empty());  // Save as PNG was not pressed

  // Cleared, the row leaves the table; the line the user is on stays.
  window->SelectRow(line.row);
  table->setCurrentIndex(model->index(6, 0));
  const int next_row = lines[6].row;
  prompts.answers = {gui::Answer::kOk};
  Click("cmbClear");
  EXPECT_EQ(model->rowCount(), doc().ChannelsInUse());
  EXPECT_EQ(MapTableRows(view->map())[table->currentIndex().row()].row,
            next_row);
}

TEST_F(ChannelMapWindowTest, SavesItsPictureAsPng) {
  std::string path = dir.File("map.png");
  prompts.file_names = {QString::fromStdString(path)};
  ASSERT_TRUE(window->SaveChannelMap());
  QImage image(QString::fromStdString(path));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), view->size());
  // A folder is no place for it.
  prompts.file_names = {QString::fromStdString(dir.path())};
  EXPECT_FALSE(window->SaveChannelMap());
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"File Open Error"});
}

}  // namespace
}  // namespace vrq5::testing
