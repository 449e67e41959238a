// The browsers' profiles below the user's home folder (the POSIX host's places for them):
// which browsers are offered, and a profile chosen by its name exactly as the browser
// writes it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "generate/source_factory.h"
#include "platform/host_path.h"
#include "support/test_support.h"

namespace favpage::test {
namespace {

class BrowserProfilesTest : public ::testing::Test {
 protected:
  TempDir dir;
  EnvOverride home{"HOME", dir.host().string().c_str()};
};

// The browsers a menu offers are those with a profile below this user's home folder; a
// browser's own folder without any profile in it does not count.
TEST_F(BrowserProfilesTest, InstalledBrowsersAreThoseWithAProfile) {
  WriteBytes(dir.hostPath(".config/chromium/Default/Bookmarks"), "{}");
  std::filesystem::create_directories(dir.hostPath(".config/vivaldi/Default"));
  WriteBytes(dir.hostPath(".mozilla/firefox/profiles.ini"),
             "[Profile1]\nName=second\nPath=/elsewhere\n[Profile0]\nName=main\nIsRelative=1\n"
             "Path=Profiles/main\n");
  WriteBytes(dir.hostPath(".mozilla/firefox/Profiles/main/places.sqlite"), "");
  EXPECT_EQ(InstalledBrowsers(), (std::vector<std::string>{"chromium", "firefox"}));
  EXPECT_EQ(BrowserBookmarksFile("firefox", ""),
            dir.internal(".mozilla/firefox/Profiles/main/places.sqlite"));
}

// Firefox names a profile by its Name=, Chromium by its folder or by the name it shows
// (its "Local State"). A name is matched as written: "/" and "\" are characters of it.
TEST_F(BrowserProfilesTest, ProfilesAreChosenByTheirNamesAsWritten) {
  WriteBytes(dir.hostPath(".mozilla/firefox/profiles.ini"),
             "[Profile0]\nName=Work/Home\nPath=Profiles/a\n[Profile1]\nName=Back\\Slash\n"
             "Path=Profiles/b\n[Profile2]\nName=\xE4\xBB\x95\xE4\xBA\x8B \xF0\x9F\x98\x80\n"
             "Path=Profiles/c\n");
  for (const char* folder : {"a", "b", "c"}) {
    WriteBytes(dir.hostPath(".mozilla/firefox/Profiles/" + std::string(folder) + "/places.sqlite"),
               "");
  }
  const std::string chrome = ".config/google-chrome/";
  for (const char* folder : {"Default", "Profile 1", "Work"}) {
    WriteBytes(dir.hostPath(chrome + folder + "/Bookmarks"), "{}");
  }
  WriteBytes(dir.hostPath(chrome + "Local State"),
             "{\"profile\": {\"info_cache\": {\"Default\": {\"name\": \"Person 1\"}, "
             "\"Profile 1\": {\"name\": \"Work\"}, \"Work\": {\"name\": \"Other\"}, "
             "\"Gone\": {\"name\": \"Old\"}}}}");

  const struct {
    const char* browser;
    const char* name;  // as typed (UTF-8)
    std::string file;  // empty: no such profile
  } cases[] = {
      {"firefox", "Work/Home", ".mozilla/firefox/Profiles/a/places.sqlite"},
      {"firefox", "Back\\Slash", ".mozilla/firefox/Profiles/b/places.sqlite"},
      {"firefox", "\xE4\xBB\x95\xE4\xBA\x8B \xF0\x9F\x98\x80",
       ".mozilla/firefox/Profiles/c/places.sqlite"},
      {"firefox", "Work\\Home", ""},
      {"firefox", "work/home", ""},
      {"chrome", "Profile 1", chrome + "Profile 1/Bookmarks"},
      {"chrome", "Person 1", chrome + "Default/Bookmarks"},
      // A folder's own name comes before the name another profile shows.
      {"chrome", "Work", chrome + "Work/Bookmarks"},
      {"chrome", "Other", chrome + "Work/Bookmarks"},
      {"chrome", "Old", ""},
      {"chrome", "Default/", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.browser) + ":" + c.name);
    const std::string profile = platform::FromHostText(c.name);
    if (!c.file.empty()) {
      EXPECT_EQ(BrowserBookmarksFile(c.browser, profile), dir.internal(c.file));
      continue;
    }
    try {
      BrowserBookmarksFile(c.browser, profile);
      ADD_FAILURE() << "found";
    } catch (const SourceError& error) {
      // The name as it was typed, in the message's quotes.
      EXPECT_NE(platform::ToHostText(error.what()).find("'" + std::string(c.name) + "'"),
                std::string::npos)
          << platform::ToHostText(error.what());
    }
  }
}

}  // namespace
}  // namespace favpage::test
