// The "\\?\" form the Windows host layer gives the system: absolute and normalized by the
// names alone, each name kept as written.
#include "platform/win32/system_path.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/wide_text.h"

namespace favpage::platform::win32 {
namespace {

TEST(SystemPath, ResolvedByTheNamesAlone) {
  const struct {
    const wchar_t* path;
    const wchar_t* base;
    const wchar_t* resolved;
  } cases[] = {
      {L"C:\\a\\b", L"D:\\w", L"C:\\a\\b"},
      {L"C:/a/./b/../c/", L"D:\\w", L"C:\\a\\c\\"},
      {L"C:\\", L"D:\\w", L"C:\\"},
      {L"C:\\..\\..\\x", L"D:\\w", L"C:\\x"},
      {L"x\\trail.\\space ", L"C:\\w", L"C:\\w\\x\\trail.\\space "},
      {L"CON.url", L"D:\\fav", L"D:\\fav\\CON.url"},
      {L"...\\name.", L"D:\\fav", L"D:\\fav\\...\\name."},
      {L"", L"D:\\fav", L"D:\\fav"},
      {L"\\top", L"D:\\fav", L"D:\\top"},
      {L"D:rel\\x", L"D:\\cur", L"D:\\cur\\rel\\x"},
      {L"D:", L"D:\\cur", L"D:\\cur"},
      {L"\\\\server\\share\\a\\..\\..\\b", L"C:\\w", L"\\\\server\\share\\b"},
      {L"\\\\server\\share", L"C:\\w", L"\\\\server\\share\\"},
      {L"..\\up", L"\\\\s\\sh\\dir", L"\\\\s\\sh\\up"},
      {L"\\top", L"\\\\s\\sh\\dir", L"\\\\s\\sh\\top"},
      {L"x", L"\\\\?\\C:\\long", L"C:\\long\\x"},
      {L"x", L"\\\\?\\UNC\\s\\sh\\d", L"\\\\s\\sh\\d\\x"},
      {L"\\\\?\\C:\\a\\..\\b.", L"D:\\w", L"\\\\?\\C:\\a\\..\\b."},
      {L"\\\\.\\pipe\\x", L"D:\\w", L"\\\\.\\pipe\\x"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ResolvePath(c.path, c.base), c.resolved) << WideToUtf8(c.path);
  }
}

TEST(SystemPath, PrefixedForTheSystem) {
  EXPECT_EQ(SystemPath(L"C:\\fav\\trail.\\CON.url"), L"\\\\?\\C:\\fav\\trail.\\CON.url");
  EXPECT_EQ(SystemPath(L"C:/fav/./x/../y\\"), L"\\\\?\\C:\\fav\\y\\");
  EXPECT_EQ(SystemPath(L"\\\\server\\share\\f"), L"\\\\?\\UNC\\server\\share\\f");
  EXPECT_EQ(SystemPath(L"\\\\?\\D:\\as is."), L"\\\\?\\D:\\as is.");
  EXPECT_EQ(ToSystemPath("C:\\fav\\*.*"), L"\\\\?\\C:\\fav\\*.*");
  // A relative path is taken against the current folder.
  const std::wstring here = AbsolutePath(L"");
  EXPECT_EQ(SystemPath(L"sub\\nul.txt"), L"\\\\?\\" + here + L"\\sub\\nul.txt");
}

TEST(SystemPath, Roots) {
  for (const wchar_t* root : {L"C:\\", L"\\\\s\\sh\\", L"\\\\s\\sh"}) {
    EXPECT_TRUE(IsRoot(root)) << WideToUtf8(root);
  }
  for (const wchar_t* folder : {L"C:\\a", L"C:\\a\\", L"\\\\s\\sh\\a", L"\\\\s\\sh\\a\\"}) {
    EXPECT_FALSE(IsRoot(folder)) << WideToUtf8(folder);
  }
}

}  // namespace
}  // namespace favpage::platform::win32
