// Which searches may scan with a name-only listing.
#include "engine/entry_details.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zaltor {
namespace {

SearchRequest Defaults() {
  SearchRequest request;
  request.attrMask = kAttrAll;
  return request;
}

TEST(ScanNeedsEntryDetailsTest, NamesAndContentAloneNeedNoDetails) {
  SearchRequest request = Defaults();
  EXPECT_FALSE(ScanNeedsEntryDetails(request));
  char content[] = "needle";
  request.contentBytes = content;
  request.contentLength = 6;
  std::strcpy(request.exactName, "a.txt");
  std::strcpy(request.dirCommand, "rmdir");
  EXPECT_FALSE(ScanNeedsEntryDetails(request));
}

TEST(ScanNeedsEntryDetailsTest, EveryCriterionOnDetailsAndTheListingNeedThem) {
  SearchRequest attributes = Defaults();
  attributes.attrMask = kAttrReadOnly;
  EXPECT_TRUE(ScanNeedsEntryDetails(attributes));
  SearchRequest none = Defaults();
  none.attrMask = 0;  // "N": every entry passes, but only MatchAttributes knows that
  EXPECT_TRUE(ScanNeedsEntryDetails(none));
  SearchRequest size = Defaults();
  size.sizeFromOp = 1;
  EXPECT_TRUE(ScanNeedsEntryDetails(size));
  SearchRequest time = Defaults();
  time.dateTimeFrom.timeOp = 'A';
  EXPECT_TRUE(ScanNeedsEntryDetails(time));
  SearchRequest date = Defaults();
  date.dateTimeFrom.dateOp = '@';
  EXPECT_TRUE(ScanNeedsEntryDetails(date));
  SearchRequest listing = Defaults();
  std::strcpy(listing.fileCommand, "dir");
  EXPECT_TRUE(ScanNeedsEntryDetails(listing));
}

}  // namespace
}  // namespace zaltor
