// View > Channel Map: a mark for every channel, a click on one selects its
// row in the grid, and the picture saves as PNG.
#include <QImage>

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
  ASSERT_GE(view->map().marks.size(), 6u);
  const ChannelMark mark = view->map().marks[5];  // the map is rebuilt
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
