#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/content/content_matcher.h"
#include "engine/content/content_search.h"
#include "in_memory_file_system.h"

namespace zaltor {
namespace {

using testing::InMemoryFileSystem;

// Feeds text in chunks of the given sizes (the last size repeats).
bool FoundInChunks(const std::string& needle, const std::string& text,
                   const std::vector<std::size_t>& sizes) {
  const ContentNeedle read(needle.data(), static_cast<std::int32_t>(needle.size()));
  ContentMatcher matcher(read);
  std::size_t offset = 0;
  for (std::size_t i = 0; offset < text.size(); ++i) {
    std::size_t size = std::min(sizes[std::min(i, sizes.size() - 1)], text.size() - offset);
    matcher.Feed(text.data() + offset, size);
    offset += size;
  }
  return matcher.found();
}

bool Found(const std::string& needle, const std::string& text) {
  return FoundInChunks(needle, text, {text.size() + 1});
}

char Fold(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool NaiveFound(const std::string& needle, const std::string& text) {
  if (needle.empty()) return !text.empty();
  for (std::size_t start = 0; start + needle.size() <= text.size(); ++start) {
    std::size_t i = 0;
    while (i < needle.size() && Fold(needle[i]) == Fold(text[start + i])) ++i;
    if (i == needle.size()) return true;
  }
  return false;
}

TEST(ContentMatcher, FindsTheWholePhraseIgnoringCase) {
  EXPECT_TRUE(Found("hello world", "say Hello World!"));
  EXPECT_TRUE(Found("HELLO", "xhello"));
  EXPECT_FALSE(Found("hello world", "hello and world"));
  EXPECT_FALSE(Found("hello", "hell"));
}

TEST(ContentMatcher, FindsOccurrencesStartingInsideAPartialOne) {
  EXPECT_TRUE(Found("ab", "aab"));
  EXPECT_TRUE(Found("aab", "aaab"));
  EXPECT_TRUE(Found("abcabd", "abcabcabd"));
  EXPECT_TRUE(Found("abab", "abaabab"));
  EXPECT_FALSE(Found("aab", "abaaa"));
}

TEST(ContentMatcher, FoldsOnlyAsciiLetters) {
  EXPECT_TRUE(Found("a", "A"));
  EXPECT_TRUE(Found("\xe9", "caf\xe9"));
  EXPECT_FALSE(Found("\xe9", "CAF\xc9"));
  EXPECT_FALSE(Found("\xc9", "caf\xe9"));
  EXPECT_FALSE(Found("@", "`"));   // 0x40 and 0x60 differ by the case bit only
  EXPECT_FALSE(Found("[", "{"));
}

TEST(ContentMatcher, NeedleMayHoldZeroBytes) {
  std::string needle("a\0b", 3);
  EXPECT_TRUE(Found(needle, std::string("xxA\0Byy", 7)));
  EXPECT_FALSE(Found(needle, "xxa by"));
  EXPECT_FALSE(Found(needle, std::string("a\0\0b", 4)));
  EXPECT_TRUE(Found(std::string(2, '\0'), std::string("\x01\0\0", 3)));
}

TEST(ContentMatcher, FindsOccurrencesSpanningChunks) {
  const std::string text = "0123456789 the needle is here 0123456789";
  for (std::size_t size = 1; size <= text.size(); ++size) {
    EXPECT_TRUE(FoundInChunks("NEEDLE IS", text, {size})) << size;
  }
  // An occurrence that begins before a run of chunks shorter than itself.
  EXPECT_TRUE(FoundInChunks("abcdefgh", "xxabcdefghxx", {3, 1, 1, 1, 1, 5}));
}

TEST(ContentMatcher, EmptyNeedleIsFoundOnceAByteArrives) {
  const ContentNeedle empty("", 0);
  ContentMatcher matcher(empty);
  EXPECT_FALSE(matcher.Feed("", 0));
  EXPECT_TRUE(matcher.Feed("x", 1));
  const ContentNeedle none(nullptr, 0);
  EXPECT_TRUE(ContentMatcher(none).Feed("x", 1));
}

TEST(ContentMatcher, StaysFoundAfterTheFirstOccurrence) {
  const ContentNeedle ab("ab", 2);
  ContentMatcher matcher(ab);
  EXPECT_TRUE(matcher.Feed("xab", 3));
  EXPECT_TRUE(matcher.Feed("zzz", 3));
  EXPECT_TRUE(matcher.found());
}

TEST(ContentMatcher, AgreesWithAPlainSearchOnRandomInput) {
  std::mt19937 random(20030131);
  const std::string alphabet("aAbB\0\xe9\xc9 ", 8);
  auto randomText = [&](std::size_t maxLength) {
    std::string text(random() % (maxLength + 1), ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    return text;
  };
  // Short texts in small chunks, then texts and chunks long enough for the
  // scan to look at whole blocks of sixteen positions.
  struct Shape {
    std::size_t needle, text, chunk;
  };
  for (Shape shape : {Shape{6, 40, 9}, Shape{24, 300, 90}}) {
    for (int round = 0; round < 20000; ++round) {
      std::string needle = randomText(shape.needle);
      std::string text = randomText(shape.text);
      std::vector<std::size_t> sizes;
      for (int i = 0; i < 8; ++i) sizes.push_back(1 + random() % shape.chunk);
      ASSERT_EQ(FoundInChunks(needle, text, sizes), NaiveFound(needle, text))
          << "needle of " << needle.size() << " bytes in a text of " << text.size();
    }
  }
}

TEST(ContentMatcher, FindsAnOccurrenceAtEveryOffsetAndSplit) {
  // The rare bytes 'Q' and '~' sit at both ends and in the middle of the
  // needle, so every offset puts them at a different place in a block.
  const std::string needle = "q.~x.Q";
  for (std::size_t offset = 0; offset + needle.size() <= 80; ++offset) {
    std::string text(80, '.');
    text.replace(offset, needle.size(), "Q.~X.q");
    EXPECT_TRUE(Found(needle, text)) << offset;
    for (std::size_t split = 1; split < text.size(); ++split) {
      ASSERT_TRUE(FoundInChunks(needle, text, {split, text.size()})) << offset << " split at " << split;
    }
    text[offset + 2] = '^';
    EXPECT_FALSE(Found(needle, text)) << offset;
  }
}

// A restart from every byte would take about 2 * 10^9 comparisons here, far
// past the test timeout.
TEST(ContentMatcher, RepetitiveInputTakesLinearTime) {
  const std::string hay(2 << 20, 'b');
  EXPECT_FALSE(FoundInChunks(std::string(999, 'B') + "a", hay, {8192}));
  EXPECT_FALSE(FoundInChunks(std::string(999, 'b') + "a", hay, {8192}));
  EXPECT_FALSE(FoundInChunks("a" + std::string(999, 'b'), hay, {8192}));
  EXPECT_FALSE(FoundInChunks(std::string(500, 'b') + "a" + std::string(499, 'b'), hay, {8192}));
}

int Search(InMemoryFileSystem& fs, const std::string& needle, const char* path = "C:\\f") {
  return SearchFileContent(fs, path, ContentNeedle(needle.data(), static_cast<std::int32_t>(needle.size())));
}

TEST(SearchFileContent, FindsAnOccurrenceAcrossEachReadBoundary) {
  InMemoryFileSystem fs;
  std::string file(3 * kContentReadSize, '.');
  file.replace(kContentReadSize - 2, 4, "wxyz");
  file.replace(2 * kContentReadSize - 1, 4, "klmn");
  fs.files["C:\\f"] = file;
  EXPECT_EQ(Search(fs, "WXYZ"), 1);
  EXPECT_EQ(fs.readSizes, (std::vector<unsigned>{kContentReadSize, kContentReadSize}));
  EXPECT_EQ(Search(fs, "wxyz."), 1);
  EXPECT_EQ(Search(fs, ".wxyz"), 1);
  EXPECT_EQ(Search(fs, "wxyy"), 0);
  fs.readSizes.clear();
  EXPECT_EQ(Search(fs, "KLMN"), 1);
  EXPECT_EQ(fs.readSizes.size(), 3u);
  EXPECT_EQ(Search(fs, ".klmn."), 1);
}

TEST(SearchFileContent, FindsAnOccurrenceAcrossByte8192) {
  InMemoryFileSystem fs;
  std::string file(20000, '.');
  file.replace(8190, 4, "wxyz");
  fs.files["C:\\f"] = file;
  EXPECT_EQ(Search(fs, "WXYZ"), 1);
  fs.readLimit = 8192;
  EXPECT_EQ(Search(fs, "WXYZ"), 1);
}

TEST(SearchFileContent, StopsReadingAtTheFirstOccurrence) {
  InMemoryFileSystem fs;
  fs.files["C:\\f"] = "TODO" + std::string(100000, ' ');
  EXPECT_EQ(Search(fs, "todo"), 1);
  EXPECT_EQ(fs.readSizes.size(), 1u);
  EXPECT_EQ(fs.closes, 1);
}

TEST(SearchFileContent, FindsOccurrencesSpanningShortReads) {
  InMemoryFileSystem fs;
  fs.readLimit = 3;
  fs.files["C:\\f"] = "one phrase to find";
  EXPECT_EQ(Search(fs, "PHRASE TO"), 1);
}

TEST(SearchFileContent, UnopenableFileDoesNotMatch) {
  InMemoryFileSystem fs;
  EXPECT_EQ(Search(fs, "x"), 0);
  EXPECT_EQ(Search(fs, ""), 0);
  EXPECT_EQ(fs.closes, 0);
}

TEST(SearchFileContent, ReadErrorEndsTheSearchWithWhatWasFound) {
  InMemoryFileSystem fs;
  std::string file(3 * kContentReadSize, '.');
  file.replace(100, 5, "early");
  file.replace(2 * kContentReadSize + 100, 4, "late");
  fs.files["C:\\f"] = file;
  fs.failReadAt = 2;
  EXPECT_EQ(Search(fs, "late"), 0);
  EXPECT_EQ(fs.readSizes.size(), 2u);
  EXPECT_EQ(fs.closes, 1);
  EXPECT_EQ(Search(fs, "early"), 1);
  EXPECT_EQ(fs.closes, 2);
}

TEST(SearchFileContent, EmptyContentNeedsAtLeastOneByte) {
  InMemoryFileSystem fs;
  fs.files["C:\\empty"] = "";
  fs.files["C:\\one"] = "x";
  EXPECT_EQ(Search(fs, "", "C:\\empty"), 0);
  EXPECT_EQ(Search(fs, "a", "C:\\empty"), 0);
  EXPECT_EQ(Search(fs, "", "C:\\one"), 1);
  EXPECT_EQ(fs.closes, 3);
}

TEST(SearchFileContent, HexBytesFoldOnlyAsciiLetters) {
  InMemoryFileSystem fs;
  fs.files["C:\\upper"] = "CAF\xc9";
  fs.files["C:\\lower"] = "caf\xe9";
  fs.files["C:\\crlf"] = "line\r\nnext";
  EXPECT_EQ(Search(fs, "\xe9", "C:\\upper"), 0);
  EXPECT_EQ(Search(fs, "\xe9", "C:\\lower"), 1);
  EXPECT_EQ(Search(fs, "\x61", "C:\\upper"), 1);
  EXPECT_EQ(Search(fs, "\r\n", "C:\\crlf"), 1);
}

}  // namespace
}  // namespace zaltor
