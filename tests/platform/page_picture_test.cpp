#include "platform/linux/page_picture.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <cstdint>
#include <thread>

#include "support/temp_folder.h"

namespace vb {
namespace {

using namespace std::chrono_literals;

void SavePicture(const std::string& path, int width, int height) {
  GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height);
  gdk_pixbuf_fill(pixbuf, 0x336699ff);
  ASSERT_TRUE(gdk_pixbuf_save(pixbuf, path.c_str(), "png", nullptr, nullptr));
  g_object_unref(pixbuf);
}

class PagePictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* proxy : {"http_proxy", "all_proxy", "ALL_PROXY"}) unsetenv(proxy);
    SavePicture(folder.File("small.png"), 20, 10);
    SavePicture(folder.File("other.png"), 30, 10);
    SavePicture(folder.File("wide.png"), 4097, 1);
    SavePicture(folder.File("tall.png"), 1, 5000);
    server.Get(R"(/(\w+)\.png)", [&](const httplib::Request& request, httplib::Response& response) {
      response.set_content(testing::ReadFile(folder.File(request.matches[1].str() + ".png")),
                           "image/png");
    });
    port = server.bind_to_any_port("127.0.0.1");
    listener = std::thread([this] { server.listen_after_bind(); });
  }

  void TearDown() override {
    while (!server.is_running()) std::this_thread::sleep_for(1ms);
    server.stop();
    listener.join();
  }

  // Wants `name` and runs the GTK thread's loop until the picture has settled; its width, or 0
  // when there is nothing to draw.
  int WidthOf(const std::string& name) {
    const int before = settled;
    picture.Want(name, page);
    EXPECT_EQ(picture.Surface(), nullptr) << "read on the GTK thread";
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (settled == before && std::chrono::steady_clock::now() < deadline) {
      if (!g_main_context_iteration(nullptr, FALSE)) std::this_thread::sleep_for(2ms);
    }
    EXPECT_EQ(settled, before + 1) << name;
    return picture.Surface() ? cairo_image_surface_get_width(picture.Surface()) : 0;
  }

  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port) + path;
  }

  testing::TempFolder folder;
  const std::string page = folder.File("velloband.html");
  httplib::Server server;
  int port = 0;
  std::thread listener;
  int settled = 0;
  PagePicture picture{[this] { ++settled; }};
};

TEST_F(PagePictureTest, LoadsOffTheGtkThreadUpTo4096PixelsASideAndLeavesNoFileBehind) {
  EXPECT_EQ(WidthOf(folder.File("small.png")), 20);
  ASSERT_NE(picture.Surface(), nullptr);
  EXPECT_EQ(
      *reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(picture.Surface())),
      0xFF336699u);
  EXPECT_EQ(WidthOf("file://" + folder.File("other.png")), 30);
  EXPECT_EQ(WidthOf(Url("/small.png")), 20);
  EXPECT_EQ(WidthOf(Url("/missing.png")), 0);

  // A page that names another picture while one loads shows the one it names.
  picture.Want(Url("/other.png"), page);
  EXPECT_EQ(WidthOf(folder.File("small.png")), 20);

  // Pictures over 4096 pixels a side are not shown.
  for (const std::string& name : {folder.File("wide.png"), folder.File("tall.png"),
                                  Url("/wide.png"), folder.File("none.png")}) {
    EXPECT_EQ(WidthOf(name), 0) << name;
  }
  EXPECT_EQ(folder.FileCount(), 4) << "the fetched copy is gone";
}

}  // namespace
}  // namespace vb
