#include "text/text_file.h"

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/io_error.h"
#include "support/test_support.h"

namespace favpage {
namespace {

using test::ReadBytes;
using test::Sjis;
using test::WriteBytes;
namespace fs = std::filesystem;

std::vector<std::string> ReadLines(const std::string& path) {
  TextFile file(path, TextMode::kRead);
  std::vector<std::string> lines;
  while (!file.Eof()) lines.push_back(file.ReadLine());
  file.Close();
  return lines;
}

// The code and message of the IoError that `action` raises.
template <typename Action>
std::pair<int, std::string> ErrorOf(Action action) {
  try {
    action();
  } catch (const IoError& error) {
    return {error.code(), error.what()};
  }
  return {0, "no error"};
}

// The path an IoError names, so that a terminal can say which file failed.
template <typename Action>
std::string PathOf(Action action) {
  try {
    action();
  } catch (const IoError& error) {
    return error.path();
  }
  return "no error";
}

class TextFileTest : public ::testing::Test {
 protected:
  test::TempDir dir_;
  std::string file_ = dir_.internal("page.html");
  fs::path host_ = dir_.hostPath("page.html");
};

struct LineCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

const LineCase kLineCases[] = {
    {"CR LF", "a\r\nb\r\n", {"a", "b"}},
    {"LF", "a\nb\n", {"a", "b"}},
    {"a lone CR vanishes", "a\rb\n\rc\r", {"ab", "c"}},
    {"last line without end", "a\r\r\nb", {"a", "b"}},
    {"empty file", "", {}},
    {"one empty line", "\r\n", {""}},
    {"empty lines", "\n\n\r\n", {"", "", ""}},
    {"0x1A at a line start ends the file",
     "a\n\x1A"
     "b\nc\n",
     {"a"}},
    {"0x1A alone", "\x1A", {}},
    {"0x1A inside a line ends the line",
     "ab\x1A"
     "cd\r\nef\n",
     {"ab", "ef"}},
    {"0x1A inside the last line",
     "ab\x1A"
     "cd",
     {"ab"}},
    {"0x1A after a dropped CR",
     "a\n\r\x1A"
     "b\nc\n",
     {"a", ""}},
    {"Shift_JIS second bytes kept",
     "\x83\x5C\x95\x5C\r\n\x83\x40",
     {"\x83\x5C\x95\x5C", "\x83\x40"}},
};

TEST_F(TextFileTest, ReadingLines) {
  for (const LineCase& c : kLineCases) {
    SCOPED_TRACE(c.name);
    WriteBytes(host_, c.bytes);
    EXPECT_EQ(ReadLines(file_), c.lines);
  }
}

TEST_F(TextFileTest, LinesLongerThanTheBufferAndMarksAtItsEdges) {
  const std::string longLine(200000, 'x');
  WriteBytes(host_, longLine + "\r\nend");
  EXPECT_EQ(ReadLines(file_), (std::vector<std::string>{longLine, "end"}));

  // A CR LF split by the buffer's edge, then a 0x1A that is the first byte of a refill.
  const std::string first(65535, 'y');
  WriteBytes(host_, first + "\r\n" + std::string(65534, 'z') + "\n\x1A" + "after");
  EXPECT_EQ(ReadLines(file_), (std::vector<std::string>{first, std::string(65534, 'z')}));
}

TEST_F(TextFileTest, ReadingPastTheEndRaises100) {
  WriteBytes(host_, "only\r\n");
  TextFile file(file_, TextMode::kRead);
  EXPECT_EQ(file.ReadLine(), "only");
  EXPECT_TRUE(file.Eof());
  const auto [code, message] = ErrorOf([&] { file.ReadLine(); });
  EXPECT_EQ(code, 100);
  EXPECT_EQ(message, Sjis("ファイルの末尾以降を読み込みました"));
}

TEST_F(TextFileTest, WritingEndsEveryLineWithCrLf) {
  WriteBytes(host_, "old contents that must go");
  {
    TextFile file(file_, TextMode::kCreate);
    file.WriteLine("<html>");
    file.WriteLine("");
    file.WriteLine(Sjis("表示"));
    file.Close();
  }
  EXPECT_EQ(ReadBytes(host_), "<html>\r\n\r\n" + Sjis("表示") + "\r\n");

  {
    TextFile file(file_, TextMode::kAppend);
    file.WriteLine("</html>");
  }  // not closed: the destructor still writes what is buffered
  EXPECT_EQ(ReadBytes(host_), "<html>\r\n\r\n" + Sjis("表示") + "\r\n</html>\r\n");
}

TEST_F(TextFileTest, ManyLinesBeyondTheBuffer) {
  std::string expected;
  {
    TextFile file(file_, TextMode::kCreate);
    for (int i = 0; i < 20000; ++i) {
      const std::string line = "<DD><A HREF=\"http://example.com/" + std::to_string(i) + "\">";
      file.WriteLine(line);
      expected += line + "\r\n";
    }
    file.Close();
  }
  EXPECT_EQ(ReadBytes(host_), expected);
}

TEST_F(TextFileTest, PathLimitIs259Bytes) {
  const std::string folder = dir_.internal() + "\\";
  const std::string at259 = folder + std::string(259 - folder.size(), 'a');
  const std::string at260 = folder + std::string(260 - folder.size(), 'b');
  ASSERT_EQ(at259.size(), 259u);
  TextFile(at259, TextMode::kCreate).Close();
  EXPECT_TRUE(fs::exists(dir_.hostPath(std::string(259 - folder.size(), 'a'))));
  const auto [code, message] = ErrorOf([&] { TextFile(at260, TextMode::kCreate); });
  EXPECT_EQ(code, 3);
  EXPECT_EQ(message, Sjis("ファイル名の指定が間違っています"));
  EXPECT_FALSE(fs::exists(dir_.hostPath(std::string(260 - folder.size(), 'b'))));
  EXPECT_EQ(ErrorOf([] { TextFile("", TextMode::kRead); }).first, 3);
}

TEST_F(TextFileTest, OpenFailuresRaiseCodedErrors) {
  WriteBytes(dir_.hostPath("readonly.css"), "keep");
  fs::permissions(dir_.hostPath("readonly.css"), fs::perms::owner_read);
  const struct {
    const char* name;
    std::string path;
    TextMode mode;
    int code;
    std::string message;
  } cases[] = {
      {"read a missing file", dir_.internal("none.html"), TextMode::kRead, 2,
       Sjis("ファイルが見つかりません")},
      {"append to a missing file", dir_.internal("none.html"), TextMode::kAppend, 2,
       Sjis("ファイルが見つかりません")},
      {"a missing folder", dir_.internal("none\\page.html"), TextMode::kCreate, 3,
       Sjis("ファイル名の指定が間違っています")},
      {"a read-only file", dir_.internal("readonly.css"), TextMode::kCreate, 5,
       Sjis("ファイルへのアクセスが拒否されました")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto [code, message] = ErrorOf([&] { TextFile(c.path, c.mode); });
    EXPECT_EQ(code, c.code);
    EXPECT_EQ(message, c.message);
    EXPECT_EQ(PathOf([&] { TextFile(c.path, c.mode); }), c.path);
  }
  EXPECT_EQ(ReadBytes(dir_.hostPath("readonly.css")), "keep");
}

TEST_F(TextFileTest, DiskFullRaises101AtClose) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  TextFile file("\\dev\\full", TextMode::kCreate);
  file.WriteLine("page");
  const auto [code, message] = ErrorOf([&] { file.Close(); });
  EXPECT_EQ(code, 101);
  EXPECT_EQ(message, Sjis("ディスクがいっぱいです"));
}

TEST_F(TextFileTest, ErrorsAfterTheOpenNameTheFileToo) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  TextFile full("\\dev\\full", TextMode::kCreate);
  full.WriteLine("page");
  EXPECT_EQ(PathOf([&] { full.Close(); }), "\\dev\\full");
  WriteBytes(host_, "");
  TextFile empty(file_, TextMode::kRead);
  EXPECT_EQ(PathOf([&] { empty.ReadLine(); }), file_);
}

TEST_F(TextFileTest, DestructorSwallowsAFailedWrite) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  EXPECT_NO_THROW({
    TextFile file("\\dev\\full", TextMode::kCreate);
    file.WriteLine("lost");
  });
}

// A close whose last write fails still lets go of the file: the same process opens it
// again at once, as the next run of the window does.
TEST_F(TextFileTest, FailedCloseReleasesTheFile) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  TextFile file("\\dev\\full", TextMode::kCreate);
  file.WriteLine("lost");
  EXPECT_THROW(file.Close(), IoError);
  EXPECT_NO_THROW(TextFile("\\dev\\full", TextMode::kCreate).Close());
}

TEST_F(TextFileTest, CopyTextLinesEndsEveryLineWithCrLf) {
  const struct {
    const char* name;
    std::string input;
    std::string output;
  } cases[] = {
      {"mixed line ends", "a\nb\r\nc", "a\r\nb\r\nc\r\n"},
      {"empty input", "", ""},
      {"empty lines", "\n\n", "\r\n\r\n"},
      {"stops at the end mark", "body {}\r\n\x1A garbage\r\n", "body {}\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(dir_.hostPath("in.css"), c.input);
    TextFile in(dir_.internal("in.css"), TextMode::kRead);
    TextFile out(dir_.internal("out.css"), TextMode::kCreate);
    CopyTextLines(in, out);
    out.Close();
    in.Close();
    EXPECT_EQ(ReadBytes(dir_.hostPath("out.css")), c.output);
  }
}

TEST_F(TextFileTest, CopyOntoItselfFailsWith32AndKeepsTheFile) {
  WriteBytes(host_, "body { color: black }\r\n");
  TextFile in(file_, TextMode::kRead);
  const auto [code, message] = ErrorOf([&] { TextFile(file_, TextMode::kCreate); });
  EXPECT_EQ(code, 32);
  EXPECT_EQ(message, Sjis("I/O エラー (32)"));
  in.Close();
  EXPECT_EQ(ReadBytes(host_), "body { color: black }\r\n");
}

}  // namespace
}  // namespace favpage
