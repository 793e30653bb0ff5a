#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include "engine/match_entry.h"
#include "in_memory_file_system.h"

namespace zaltor {
namespace {

using testing::InMemoryFileSystem;

// 2003-01-31 14:15:30 UTC; the fake file system converts times as UTC.
constexpr std::time_t kJan31At1415 = 1044022530;

class MatchEntryTest : public ::testing::Test {
 protected:
  MatchEntryTest() { engine.request.attrMask = kAttrAll; }

  FindData Entry(const char* name, unsigned attrib = kAttrArchive) {
    FindData entry;
    std::strncpy(entry.name, name, sizeof entry.name - 1);
    entry.SetDetails({attrib, 10, kJan31At1415});
    return entry;
  }
  bool Match(const char* pattern, const char* name, const char* directory = "C:\\docs") {
    std::strncpy(engine.request.namePattern, pattern, kMaxPath - 1);
    return MatchEntry(engine, Entry(name), directory);
  }
  void SetContent(const std::string& bytes) {
    engine.request.contentBytes = std::make_unique<char[]>(bytes.size());
    std::memcpy(engine.request.contentBytes.get(), bytes.data(), bytes.size());
    engine.request.contentLength = static_cast<std::int32_t>(bytes.size());
    engine.request.contentNeedle = ContentNeedle(bytes.data(), engine.request.contentLength);
  }

  InMemoryFileSystem fs;
  SearchEngine engine{fs};
};

TEST_F(MatchEntryTest, ExtensionWithoutStarMustBeEqualIgnoringCase) {
  EXPECT_EQ(Match("*.txt", "notes.TXT"), true);
  EXPECT_EQ(Match("*.txt", "read.me.txt"), false);  // entry extension "me.txt"
  EXPECT_EQ(Match("*.htm", "page.html"), false);
  EXPECT_EQ(Match("*.gz", "archive.tar.gz"), false);
  EXPECT_EQ(Match("*.tar.gz", "archive.tar.gz"), true);
  EXPECT_EQ(Match("*.txt", "notes."), false);
}

TEST_F(MatchEntryTest, QuestionMarkInAPlainExtensionOnlyEqualsItself) {
  EXPECT_EQ(Match("*.t?t", "a.txt"), false);
  EXPECT_EQ(Match("*.t?t", "a.t?t"), true);
}

TEST_F(MatchEntryTest, NameWithoutADotOrPatternWithoutADotSkipsTheRecheck) {
  EXPECT_EQ(Match("*.txt", "README"), true);
  EXPECT_EQ(Match("*report*", "report.final.doc"), true);
}

TEST_F(MatchEntryTest, ExtensionWithStarIsAWildcardIgnoringCase) {
  for (const char* name : {"a.b.c", "x.", "noext", "a.TXT"}) {
    EXPECT_EQ(Match("*.*", name), true) << name;
  }
  EXPECT_EQ(Match("*.t*", "a.txt"), true);
  EXPECT_EQ(Match("*.T*", "a.txt"), true);
  EXPECT_EQ(Match("*.t*", "a.doc"), false);
  EXPECT_EQ(Match("*.t*", "a."), true);  // an empty entry extension passes
  EXPECT_EQ(Match("*.t*t", "a.text"), true);
  EXPECT_EQ(Match("*.t*t", "a.tt"), true);
  EXPECT_EQ(Match("*.t*t", "a.tex"), false);
  EXPECT_EQ(Match("*.?x*", "a.txt"), true);
  EXPECT_EQ(Match("*.?x*", "a.x"), false);
  EXPECT_EQ(Match("*.*.gz", "a.tar.gz"), true);
  EXPECT_EQ(Match("*.*.gz", "a.tar.bz2"), false);
}

TEST_F(MatchEntryTest, PatternExtensionStartsAtItsFirstDot) {
  EXPECT_EQ(Match("a.b.*", "a.b.c"), true);
  EXPECT_EQ(Match("a.b.*", "a.c.c"), false);
}

TEST_F(MatchEntryTest, ExactNameIgnoresCase) {
  std::strcpy(engine.request.exactName, "README.TXT");
  EXPECT_EQ(Match("*.txt", "readme.txt"), true);
  EXPECT_EQ(Match("*.txt", "readme2.txt"), false);
  EXPECT_EQ(Match("*.txt", "other.txt"), false);
}

TEST_F(MatchEntryTest, AppliesAttributeAndSizeCriteria) {
  engine.request.attrMask = static_cast<int>(kAttrDirectory);
  EXPECT_EQ(MatchEntry(engine, Entry("sub", kAttrDirectory), "C:\\"), true);
  EXPECT_EQ(MatchEntry(engine, Entry("file.txt"), "C:\\"), false);
  engine.request.attrMask = kAttrAll;
  engine.request.sizeFromOp = kSizeGreater;
  engine.request.sizeFrom = 10;
  EXPECT_EQ(MatchEntry(engine, Entry("file.txt"), "C:\\"), false);
  engine.request.sizeFrom = 9;
  EXPECT_EQ(MatchEntry(engine, Entry("file.txt"), "C:\\"), true);
}

TEST_F(MatchEntryTest, TimeAndDateTestTheLocalWriteTime) {
  DateTimeCriterion& from = engine.request.dateTimeFrom;
  from.timeOp = '@';
  from.time.tm_hour = 14;
  from.time.tm_min = 15;
  EXPECT_EQ(MatchEntry(engine, Entry("a"), "C:\\"), true);
  from.time.tm_min = 16;
  EXPECT_EQ(MatchEntry(engine, Entry("a"), "C:\\"), false);

  from.timeOp = 'R';
  from.time.tm_hour = 14;
  from.time.tm_min = 0;
  engine.request.dateTimeTo.time.tm_hour = 14;
  engine.request.dateTimeTo.time.tm_min = 15;
  EXPECT_EQ(MatchEntry(engine, Entry("a"), "C:\\"), true);
  engine.request.dateTimeTo.time.tm_min = 14;
  EXPECT_EQ(MatchEntry(engine, Entry("a"), "C:\\"), false);

  from.timeOp = 0;
  from.dateOp = 'A';
  from.time.tm_year = 103;
  from.time.tm_mon = 0;
  from.time.tm_mday = 30;
  EXPECT_EQ(MatchEntry(engine, Entry("a"), "C:\\"), true);
  from.time.tm_mday = 31;
  EXPECT_EQ(MatchEntry(engine, Entry("a"), "C:\\"), false);
}

// An entry as a listing hands it over: its details come from the listing
// when first asked for, and the asks are counted.
class ListedDetails : public EntryDetailsSource {
 public:
  EntryDetails DetailsOf(const char*) const override {
    ++asked;
    return {kAttrArchive | kAttrReadOnly, 7, kJan31At1415};
  }
  FindData Entry(const char* name) const {
    FindData entry;
    std::strncpy(entry.name, name, sizeof entry.name - 1);
    entry.SetListed(false, this);
    return entry;
  }
  mutable int asked = 0;
};

TEST_F(MatchEntryTest, CriteriaOnDetailsTakeThemFromTheListingOnceAndNamesAloneNever) {
  ListedDetails listing;
  std::strcpy(engine.request.namePattern, "*.*");
  EXPECT_EQ(MatchEntry(engine, listing.Entry("a.txt"), "C:\\"), true);
  EXPECT_EQ(listing.asked, 0);

  // Each passes only on the listing's values, never on blank details.
  SearchRequest& request = engine.request;
  const std::function<void()> criteria[] = {
      [&] { request.attrMask = kAttrReadOnly; },
      [&] { request.attrMask = kAttrReadOnly | kAttrArchive; request.attrMode = 'M'; },
      [&] { request.sizeFromOp = kSizeEqual; request.sizeFrom = 7; },
      [&] { request.dateTimeFrom.timeOp = '@'; request.dateTimeFrom.time.tm_hour = 14;
            request.dateTimeFrom.time.tm_min = 15; },
      [&] { request.dateTimeFrom.dateOp = '@'; request.dateTimeFrom.time.tm_year = 103;
            request.dateTimeFrom.time.tm_mday = 31; },
  };
  for (std::size_t i = 0; i < std::size(criteria); ++i) {
    SCOPED_TRACE(i);
    request.attrMask = kAttrAll;
    request.attrMode = 0;
    request.sizeFromOp = 0;
    request.dateTimeFrom = DateTimeCriterion();
    criteria[i]();
    listing.asked = 0;
    FindData entry = listing.Entry("a.txt");
    EXPECT_EQ(MatchEntry(engine, entry, "C:\\"), true);
    EXPECT_EQ(MatchEntry(engine, entry, "C:\\"), true);
    EXPECT_EQ(listing.asked, 1);
  }
}

TEST_F(MatchEntryTest, UnconvertibleWriteTimeFailsTimeAndDateCriteria) {
  fs.unconvertibleTime = kJan31At1415;
  EXPECT_EQ(MatchEntry(engine, Entry("a"), "C:\\"), true);
  engine.request.dateTimeFrom.dateOp = 'B';
  engine.request.dateTimeFrom.time.tm_year = 200;
  EXPECT_EQ(MatchEntry(engine, Entry("a"), "C:\\"), false);
  engine.request.dateTimeFrom.dateOp = 0;
  engine.request.dateTimeFrom.timeOp = 'A';
  EXPECT_EQ(MatchEntry(engine, Entry("a"), "C:\\"), false);
}

TEST_F(MatchEntryTest, SearchesContentAtTheJoinedPath) {
  fs.files["C:\\docs\\notes.txt"] = "a line with TODO in it";
  fs.files["C:\\\\top.txt"] = "todo";
  SetContent("todo");
  EXPECT_EQ(Match("*.txt", "notes.txt"), true);
  EXPECT_EQ(Match("*.txt", "top.txt", "C:\\"), true);
  EXPECT_EQ(fs.opened, (std::vector<std::string>{"C:\\docs\\notes.txt", "C:\\\\top.txt"}));
  SetContent("missing");
  EXPECT_EQ(Match("*.txt", "notes.txt"), false);
}

TEST_F(MatchEntryTest, ContentIsSearchedOnlyAfterEveryOtherCriterionPassed) {
  fs.files["C:\\docs\\notes.txt"] = "todo";
  SetContent("todo");
  engine.request.sizeFromOp = kSizeLess;
  engine.request.sizeFrom = 5;
  EXPECT_EQ(Match("*.txt", "notes.txt"), false);
  EXPECT_EQ(Match("*.doc", "notes.txt"), false);
  EXPECT_TRUE(fs.opened.empty());
}

TEST_F(MatchEntryTest, DirectoryMatchesOnlyWithoutContent) {
  FindData sub = Entry("sub", kAttrDirectory);
  std::strcpy(engine.request.namePattern, "*");
  EXPECT_EQ(MatchEntry(engine, sub, "C:\\docs"), true);
  SetContent("x");
  EXPECT_EQ(MatchEntry(engine, sub, "C:\\docs"), false);
}

TEST_F(MatchEntryTest, PathOverTheLimitDoesNotMatch) {
  std::string directory = "C:\\" + std::string(250, 'd');
  std::string fits(259 - directory.size() - 1, 'f');  // 259 characters in all
  std::string tooLong = fits + "g";
  fs.files[directory + "\\" + fits] = "x";
  fs.files[directory + "\\" + tooLong] = "x";
  SetContent("x");
  EXPECT_EQ(Match("*", fits.c_str(), directory.c_str()), true);
  EXPECT_EQ(Match("*", tooLong.c_str(), directory.c_str()), false);
  EXPECT_EQ(fs.opened.size(), 1u);
}

}  // namespace
}  // namespace zaltor
