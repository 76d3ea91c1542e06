#include <QTabBar>

#include "codec/tables.h"
#include "tests/gui/window_fixture.h"

namespace vrq5::testing {
namespace {

TEST_F(WindowTest, StartsWithTheDefaults) {
  window->StartUp("");
  EXPECT_EQ(window->windowTitle().toStdString(), std::string(AppTitle));
  EXPECT_EQ(doc().DataChanged, 0);
  EXPECT_NE(Find<QTabBar>("TabStrip1"), nullptr);
}

}  // namespace
}  // namespace vrq5::testing
