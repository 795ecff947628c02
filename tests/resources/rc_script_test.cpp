#include "resources/tools/rc_script.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "resources/icons.h"
#include "resources/resource_ids.h"
#include "support/source_dir.h"
#include "support/temp_folder.h"

namespace vb::res {
namespace {

using testing::ReadFile;
using testing::TempFolder;

// The Windows build compiles the committed copy, so it must match what the generator writes.
TEST(RcScript, GeneratorWritesTheCommittedScriptAndTheResourceCompilerTakesIt) {
  const std::filesystem::path committed = testing::SourceDir() / "resources" / "win32";
  TempFolder folder;
  ASSERT_EQ(std::system((std::string(VB_MAKE_RC) + " " + folder.File("velloband.rc")).c_str()), 0);
  const std::string script = RcScript();
  EXPECT_EQ(ReadFile(folder.File("velloband.rc")), script);
  EXPECT_EQ(ReadFile((committed / "velloband.rc").string()), script)
      << "regenerate with: vb_make_rc resources/win32/velloband.rc";
  for (int id : kIconIds) {
    EXPECT_EQ(ReadFile(folder.File(IconFileName(id))), IcoFile(id)) << id;
    EXPECT_EQ(ReadFile((committed / IconFileName(id)).string()), IcoFile(id)) << id;
  }
  EXPECT_NE(script.find("MENUITEM \"软件更新\", 40013, GRAYED"), std::string::npos);
  EXPECT_NE(script.find("103 DIALOGEX 0, 0, 435, 343\nSTYLE DS_SETFONT | DS_MODALFRAME | "
                        "WS_POPUP | WS_CAPTION\nCAPTION \"V1.14－配置\"\nFONT 10, \"宋体\""),
            std::string::npos);
  EXPECT_NE(script.find("CONTROL \"\", 1048, \"Edit\", WS_BORDER | WS_TABSTOP | ES_MULTILINE | "
                        "ES_AUTOVSCROLL | WS_DISABLED, 211, 189, 217, 48"),
            std::string::npos);

  if (std::system("x86_64-w64-mingw32-windres --version >/dev/null 2>&1") != 0) return;
  const std::string compile =
      "cd " + folder.path() + " && x86_64-w64-mingw32-windres velloband.rc -O coff -o v.res";
  EXPECT_EQ(std::system(compile.c_str()), 0);
}

TEST(Icons, EachIconHasBothSizesOnATransparentBackground) {
  for (int id : kIconIds) {
    for (int size : kIconSizes) {
      const IconImage image = DrawIcon(id, size);
      ASSERT_EQ(image.rgba.size(), static_cast<std::size_t>(size * size * 4));
      EXPECT_EQ(image.rgba[3], 0) << id;  // top-left corner
      int opaque = 0;
      for (std::size_t i = 3; i < image.rgba.size(); i += 4) opaque += image.rgba[i] == 255;
      EXPECT_GT(opaque, size * size / 8) << id << " " << size;
    }
  }
  EXPECT_TRUE(IcoFile(ids::IDR_MENU).empty());
}

}  // namespace
}  // namespace vb::res
