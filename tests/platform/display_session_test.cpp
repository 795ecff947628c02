#include <gtest/gtest.h>

#include <string>

#include "platform/linux/display_choice.h"
#include "platform/linux/session_lock.h"
#include "support/temp_folder.h"

namespace vb {
namespace {

DisplayFacts Facts(std::string backend, bool wayland, bool layerShell, bool x) {
  return DisplayFacts{std::move(backend), wayland, layerShell, x};
}

// A Wayland window that can neither dock nor stay above would run unseen: the bar takes the
// layer shell or X, and says why when it has neither.
TEST(DisplayChoice, LayerShellFirstThenXAndNeverAWaylandWindowWithoutIt) {
  EXPECT_EQ(ChooseBarDisplay(Facts("", true, true, true)), BarDisplay::kLayerShell);
  EXPECT_EQ(ChooseBarDisplay(Facts("wayland", true, true, false)), BarDisplay::kLayerShell);
  EXPECT_EQ(ChooseBarDisplay(Facts("", true, false, true)), BarDisplay::kX11);
  EXPECT_EQ(ChooseBarDisplay(Facts("wayland", true, false, true)), BarDisplay::kX11);
  EXPECT_EQ(ChooseBarDisplay(Facts("", false, false, true)), BarDisplay::kX11);
  // The user's choice of X holds, also where the layer shell is offered.
  EXPECT_EQ(ChooseBarDisplay(Facts("x11", true, true, true)), BarDisplay::kX11);

  EXPECT_EQ(ChooseBarDisplay(Facts("", true, false, false)), BarDisplay::kNone);
  EXPECT_NE(NoDisplayMessage(Facts("", true, false, false)).find("no layer shell"),
            std::string::npos);
  EXPECT_EQ(ChooseBarDisplay(Facts("x11", true, true, false)), BarDisplay::kNone);
  EXPECT_EQ(NoDisplayMessage(Facts("x11", true, true, false)),
            "velloband: cannot open the display\n");
  EXPECT_EQ(ChooseBarDisplay(Facts("", false, false, false)), BarDisplay::kNone);
  EXPECT_EQ(NoDisplayMessage(Facts("", false, false, false)),
            "velloband: cannot open the display\n");
}

TEST(SessionLock, OneHolderPerSessionUntilItEnds) {
  testing::TempFolder folder;
  const std::string path = SessionLockPath(folder.path(), "wayland-1");
  EXPECT_EQ(path, folder.path() + "/velloband-wayland-1.lock");
  {
    SessionLock first;
    ASSERT_TRUE(first.Take(path));
    EXPECT_TRUE(first.Take(path)) << "the holder asks again";
    SessionLock second;
    EXPECT_FALSE(second.Take(path));
    EXPECT_FALSE(second.Held());
    SessionLock otherSession;
    EXPECT_TRUE(otherSession.Take(SessionLockPath(folder.path(), "wayland-2")));
  }
  SessionLock later;
  EXPECT_TRUE(later.Take(path)) << "a lock outlived its holder";
}

TEST(SessionLock, ADisplayGivenAsAPathStaysInTheRuntimeFolderAndNoFolderBlocksNothing) {
  EXPECT_EQ(SessionLockPath("/run/user/1000", "/tmp/sockets/wayland-0"),
            "/run/user/1000/velloband-_tmp_sockets_wayland-0.lock");
  EXPECT_EQ(SessionLockPath("", "wayland-0"), "");
  EXPECT_EQ(SessionLockPath("/run/user/1000", ""), "");
  SessionLock lock;
  EXPECT_TRUE(lock.Take(""));
  EXPECT_TRUE(lock.Take("/nonexistent-folder/velloband.lock"));
}

}  // namespace
}  // namespace vb
