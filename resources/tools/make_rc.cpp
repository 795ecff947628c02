// vb_make_rc OUTPUT.rc: writes the Windows resource script and, beside it, the icon files that
// it names.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "resources/icons.h"
#include "resources/tools/rc_script.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.rc\n", argv[0]);
    return 2;
  }
  const std::filesystem::path rcPath = argv[1];
  bool ok = WriteFile(rcPath, vb::res::RcScript());
  for (int id : vb::res::kIconIds) {
    const auto icoPath = rcPath.parent_path() / vb::res::IconFileName(id);
    ok = WriteFile(icoPath, vb::res::IcoFile(id)) && ok;
  }
  if (!ok) {
    std::fprintf(stderr, "%s: cannot write %s or its icons\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
