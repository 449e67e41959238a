// Names that Windows' own path rules would take for devices or shorten ("CON.url",
// "nul.txt", "trail.", "space ") are files and folders like any other: written, listed
// and read back through the host layer by the names they have.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/dir_search.h"
#include "platform/folders.h"
#include "platform/host_file.h"
#include "platform/profile.h"
#include "support/test_support.h"

namespace favpage::platform {
namespace {

int WriteFile(const std::string& path, const std::string& bytes) {
  HostFile file;
  if (const int code = file.Open(path, FileAccess::kCreate, FileShare::kRead); code != 0) {
    return code;
  }
  if (const int code = file.Write(bytes.data(), bytes.size()); code != 0) return code;
  return file.Close();
}

std::string ReadFile(const std::string& path) {
  HostFile file;
  if (file.Open(path, FileAccess::kRead, FileShare::kRead) != 0) return "(cannot open)";
  std::string bytes;
  char buffer[64];
  std::size_t got = 0;
  while (file.Read(buffer, sizeof buffer, got) == 0 && got > 0) bytes.append(buffer, got);
  return bytes;
}

std::set<std::string> List(const std::string& folder) {
  std::set<std::string> names;
  DirSearch search;
  FindData found;
  for (bool more = search.First(folder + "\\*.*", 0x3F, found); more; more = search.Next(found)) {
    if (found.name != "." && found.name != "..") names.insert(found.name);
  }
  return names;
}

TEST(ReservedNames, AreFilesAndFoldersLikeAnyOther) {
  test::TempDir dir;
  const std::string top = dir.internal();
  const char* files[] = {"CON.url", "nul.txt", "aux", "COM1.url", "lpt9", "name.", "blank "};
  const char* folders[] = {"trail.", "space ", "PRN", "dots..."};
  for (const char* name : folders) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(CreateFolder(top + "\\" + name));
    EXPECT_TRUE(DirectoryExists(top + "\\" + name));
    // A file inside, reached through the folder's own name.
    ASSERT_EQ(WriteFile(top + "\\" + name + "\\inner.url", "[InternetShortcut]\r\nURL=in\r\n"), 0);
    EXPECT_EQ(List(top + "\\" + name), std::set<std::string>{"inner.url"});
  }
  for (const char* name : files) {
    SCOPED_TRACE(name);
    const std::string path = top + "\\" + name;
    ASSERT_EQ(WriteFile(path, std::string("[InternetShortcut]\r\nURL=https://") + name + "/\r\n"),
              0);
    EXPECT_EQ(ReadFile(path), std::string("[InternetShortcut]\r\nURL=https://") + name + "/\r\n");
    EXPECT_EQ(ReadProfileString("InternetShortcut", "URL", "", path),
              std::string("https://") + name + "/");
    EXPECT_FALSE(DirectoryExists(path));
  }
  std::set<std::string> all(std::begin(files), std::end(files));
  all.insert(std::begin(folders), std::end(folders));
  EXPECT_EQ(List(top), all);
}

}  // namespace
}  // namespace favpage::platform
