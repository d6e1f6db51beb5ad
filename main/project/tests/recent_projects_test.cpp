#include "main/project/recent_projects.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/ini_document.h"
#include "platform/tests/temp_dir.h"

namespace tavrin::project {
namespace {

using platform::IniDocument;
using Entries = std::vector<std::string>;

RecentProjects readWith(std::string_view text, const std::set<std::string>& existing) {
  return RecentProjects::read(IniDocument::parse(text), [&](std::string_view path) {
    return existing.count(std::string(path)) > 0;
  });
}

TEST(RecentProjectsRead, PassesOverMissingKeysAndGoneProjectsAndReadsOn) {
  struct Case {
    std::string_view name;
    std::string_view file;
    std::set<std::string> existing;
    Entries expected;
  };
  const std::set<std::string> all = {"/p/A.PRJ", "/p/B.PRJ", "/p/C.PRJ",
                                     "/p/D.PRJ", "/p/E.PRJ", "/p/F.PRJ"};
  const Case cases[] = {
      {"in number order, not file order",
       "[LetzteProjekte]\nP2=/p/B.PRJ\nP1=/p/A.PRJ\nP3=/p/C.PRJ\n",
       all,
       {"/p/A.PRJ", "/p/B.PRJ", "/p/C.PRJ"}},
      {"a missing key in between",
       "[LetzteProjekte]\nP1=/p/A.PRJ\nP3=/p/C.PRJ\nP6=/p/F.PRJ\n",
       all,
       {"/p/A.PRJ", "/p/C.PRJ", "/p/F.PRJ"}},
      {"a project that is gone",
       "[LetzteProjekte]\nP1=/p/A.PRJ\nP2=/p/WEG.PRJ\nP3=/p/C.PRJ\n",
       all,
       {"/p/A.PRJ", "/p/C.PRJ"}},
      {"empty, doubled and beyond six",
       "[LetzteProjekte]\nP1=\nP2=/p/B.PRJ\nP3=/p/B.PRJ\nP4=/p/D.PRJ\nP7=/p/E.PRJ\n",
       all,
       {"/p/B.PRJ", "/p/D.PRJ"}},
      {"other keys of the section are no entries",
       "[LetzteProjekte]\nAnzahl=2\nP1=/p/A.PRJ\nPX=/p/B.PRJ\n",
       all,
       {"/p/A.PRJ"}},
      {"no section", "[Sonstiges]\nP1=/p/A.PRJ\n", all, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(readWith(c.file, c.existing).entries(), c.expected) << c.name;
}

TEST(RecentProjectsRead, APathLongerThanTheListHoldsIsNotTaken) {
  const std::string tooLong = "/" + std::string(kRecentPathLength, 'x');
  const std::string fits = "/" + std::string(kRecentPathLength - 1, 'y');
  const std::string text = "[LetzteProjekte]\nP1=" + tooLong + "\nP2=" + fits + "\n";
  EXPECT_EQ(readWith(text, {tooLong, fits}).entries(), Entries{fits});
}

TEST(RecentProjectsAvailable, RemovableDrivesAreTakenWithoutLooking) {
  platform::testing::TempDir dir;
  platform::testing::writeFile(dir / "proj" / "DA.PRJ", "[projekt]\r\n");
  platform::testing::writeFile(dir / "home" / "ALT" / "ALT.PRJ", "[projekt]\r\n");
  const std::filesystem::path home = dir / "home";
  EXPECT_TRUE(recentProjectAvailable((dir / "proj" / "DA.PRJ").string(), home));
  EXPECT_FALSE(recentProjectAvailable((dir / "proj" / "WEG.PRJ").string(), home));
  EXPECT_FALSE(recentProjectAvailable((dir / "proj").string(), home));  // a directory
  EXPECT_TRUE(recentProjectAvailable("A:\\PROJEKT\\X.PRJ", home));
  EXPECT_TRUE(recentProjectAvailable("b:\\X.PRJ", home));
  EXPECT_FALSE(recentProjectAvailable("C:\\PROJEKT\\X.PRJ", home));
  EXPECT_TRUE(recentProjectAvailable("C:\\alt\\alt.prj", home));  // under the program directory
  EXPECT_FALSE(recentProjectAvailable("", home));
}

TEST(RecentProjectsOrder, MovesAnOpenedProjectToTheFront) {
  struct Step {
    std::string opened;
    Entries expected;
  };
  const Step steps[] = {
      {"/p/1.PRJ", {"/p/1.PRJ"}},
      {"/p/2.PRJ", {"/p/2.PRJ", "/p/1.PRJ"}},
      {"/p/3.PRJ", {"/p/3.PRJ", "/p/2.PRJ", "/p/1.PRJ"}},
      {"/p/1.PRJ", {"/p/1.PRJ", "/p/3.PRJ", "/p/2.PRJ"}},  // moves up, no duplicate
      {"/p/1.PRJ", {"/p/1.PRJ", "/p/3.PRJ", "/p/2.PRJ"}},
      {"/p/4.PRJ", {"/p/4.PRJ", "/p/1.PRJ", "/p/3.PRJ", "/p/2.PRJ"}},
      {"/p/5.PRJ", {"/p/5.PRJ", "/p/4.PRJ", "/p/1.PRJ", "/p/3.PRJ", "/p/2.PRJ"}},
      {"/p/6.PRJ", {"/p/6.PRJ", "/p/5.PRJ", "/p/4.PRJ", "/p/1.PRJ", "/p/3.PRJ", "/p/2.PRJ"}},
      // The seventh drops the oldest.
      {"/p/7.PRJ", {"/p/7.PRJ", "/p/6.PRJ", "/p/5.PRJ", "/p/4.PRJ", "/p/1.PRJ", "/p/3.PRJ"}},
      {"/p/3.PRJ", {"/p/3.PRJ", "/p/7.PRJ", "/p/6.PRJ", "/p/5.PRJ", "/p/4.PRJ", "/p/1.PRJ"}},
  };
  RecentProjects list;
  for (const Step& step : steps) {
    EXPECT_TRUE(list.moveToFront(step.opened));
    EXPECT_EQ(list.entries(), step.expected) << step.opened;
  }
  EXPECT_FALSE(list.moveToFront(""));
  EXPECT_FALSE(list.moveToFront("/" + std::string(kRecentPathLength, 'x')));
  EXPECT_EQ(list.entries(), steps[std::size(steps) - 1].expected);

  EXPECT_TRUE(list.remove("/p/6.PRJ"));
  EXPECT_FALSE(list.remove("/p/6.PRJ"));
  EXPECT_EQ(list.entries(), (Entries{"/p/3.PRJ", "/p/7.PRJ", "/p/5.PRJ", "/p/4.PRJ", "/p/1.PRJ"}));
}

TEST(RecentProjectsMenu, CommandsNumberTheEntriesFrom24311) {
  RecentProjects list;
  list.moveToFront("/p/B.PRJ");
  list.moveToFront("/p/A.PRJ");
  EXPECT_EQ(RecentProjects::commandOf(0), 24311);
  EXPECT_EQ(RecentProjects::commandOf(5), 24316);
  EXPECT_EQ(list.indexOfCommand(24311), 0u);
  EXPECT_EQ(list.indexOfCommand(24312), 1u);
  EXPECT_EQ(list.indexOfCommand(24313), std::nullopt);  // no third entry
  EXPECT_EQ(list.indexOfCommand(24310), std::nullopt);
}

TEST(RecentProjectsWrite, WritesTheEntriesInPlaceAndRemovesTheRest) {
  const IniDocument before = IniDocument::parse(
      "[LetzteProjekte]\r\n"
      "; von Hand\r\n"
      "P1=/p/ALT.PRJ\r\n"
      "P2=/p/B.PRJ\r\n"
      "P03=/p/DOPPELT.PRJ\r\n"
      "P5=/p/E.PRJ\r\n"
      "Notiz=bleibt\r\n"
      "[Sonstiges]\r\n"
      "Autor=X\r\n");
  RecentProjects list;
  list.moveToFront("/p/B.PRJ");
  list.moveToFront("/p/NEU.PRJ");
  list.moveToFront("/p/C.PRJ");
  IniDocument document = before;
  EXPECT_TRUE(list.writeTo(document));
  EXPECT_EQ(document.bytes(),
            "[LetzteProjekte]\r\n"
            "; von Hand\r\n"
            "P1=/p/C.PRJ\r\n"
            "P2=/p/NEU.PRJ\r\n"
            "Notiz=bleibt\r\n"
            "P3=/p/B.PRJ\r\n"
            "[Sonstiges]\r\n"
            "Autor=X\r\n");
  const RecentProjects back = RecentProjects::read(document, [](std::string_view) { return true; });
  EXPECT_EQ(back, list);
}

}  // namespace
}  // namespace tavrin::project
