// The input/output error's message table and the default error display's "." rule.
#include "base/io_error.h"

#include <gtest/gtest.h>

#include "base/messages.h"
#include "support/test_support.h"

namespace favpage {
namespace {

using test::Sjis;

TEST(IoErrorTest, MessagesFollowTheCodeTable) {
  const struct {
    int code;
    const char* message;
  } table[] = {
      {2, "ファイルが見つかりません"},
      {3, "ファイル名の指定が間違っています"},
      {4, "オープンしたファイルが多すぎます"},
      {5, "ファイルへのアクセスが拒否されました"},
      {100, "ファイルの末尾以降を読み込みました"},
      {101, "ディスクがいっぱいです"},
      {106, "入力値が数値ではありません"},
      {32, "I/O エラー (32)"},
      {1, "I/O エラー (1)"},
      {0, "I/O エラー (0)"},
      {1234, "I/O エラー (1234)"},
      {-1, "I/O エラー (-1)"},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.code);
    EXPECT_EQ(IoErrorMessage(row.code), Sjis(row.message));
    const IoError error(row.code);
    EXPECT_EQ(error.code(), row.code);
    EXPECT_EQ(std::string(error.what()), Sjis(row.message));
  }
}

TEST(IoErrorTest, OwnMessageKeepsItsCode) {
  const IoError error(io_code::kPathNotFound, msg::kCannotCreateFolder);
  EXPECT_EQ(error.code(), 3);
  EXPECT_EQ(std::string(error.what()), Sjis("ディレクトリを作成できません"));
  EXPECT_EQ(std::string(msg::kNoOutputName), Sjis("出力するﾌｧｲﾙ名を指定して下さい."));
  EXPECT_EQ(std::string(msg::kConfirmCaption), Sjis("確認"));
}

// The path an error is about lives in Error itself, so a handler of any kind reads it, and
// naming the path keeps the error's own kind when it is thrown.
TEST(IoErrorTest, EveryKindCarriesItsPathThroughAThrow) {
  try {
    throw IoError(io_code::kAccessDenied).AboutPath("C:\\web\\a.html");
  } catch (const Error& error) {
    EXPECT_EQ(error.path(), "C:\\web\\a.html");
    EXPECT_NE(dynamic_cast<const IoError*>(&error), nullptr);
    EXPECT_EQ(std::string(error.what()), IoErrorMessage(io_code::kAccessDenied));
  }
  EXPECT_EQ(Error("message").path(), "");
  EXPECT_EQ(Error("message", "C:\\b").path(), "C:\\b");
}

TEST(IoErrorTest, DisplayAppendsAPeriodAfterDoubleByteOrHighLastCharacter) {
  const struct {
    const char* message;
    const char* shown;
  } rows[] = {
      {"ファイルが見つかりません", "ファイルが見つかりません."},
      {"I/O エラー (32)", "I/O エラー (32)"},  // ")" is 0x29
      {"", ""},
      {"abc", "abc."},
      {"abc.", "abc."},  // "." is 0x2E itself
      {"a-", "a-"},
      {"a/", "a/."},
      {"ｲ", "ｲ."},    // half-width katakana: one byte, B2
      {"ソ", "ソ."},  // ends in the byte 5C as a second byte
      {"表示", "表示."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.message);
    EXPECT_EQ(DisplayMessage(Sjis(row.message)), Sjis(row.shown));
  }
}

}  // namespace
}  // namespace favpage
