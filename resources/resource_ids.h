// Ids of the program's resources and of the main dialog's controls.
#pragma once

namespace zaltor::res {

constexpr int kAboutDialog = 100;
constexpr int kMainDialog = 102;
constexpr int kProgramIcon = 128;
constexpr int kAboutMenuString = 101;

// The About entry's command; the low four bits of a system command are the
// platform's.
constexpr int kCommandAbout = 0x0010;
constexpr int kCommandHelp = 57670;

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

constexpr int kPattern = 1000;
constexpr int kDate = 1002;
constexpr int kDateOn = 1003;
constexpr int kDateAfter = 1004;
constexpr int kDateBefore = 1005;
constexpr int kDateRange = 1006;
constexpr int kTime = 1007;
constexpr int kTimeAt = 1008;
constexpr int kTimeAfter = 1009;
constexpr int kTimeBefore = 1010;
constexpr int kTimeRange = 1011;
constexpr int kSubdirectories = 1012;
constexpr int kVerbose = 1013;
constexpr int kStepExecution = 1014;
constexpr int kArchive = 1015;
constexpr int kHidden = 1016;
constexpr int kNormal = 1017;
constexpr int kReadOnly = 1018;
constexpr int kSystem = 1019;
constexpr int kSubdir = 1020;
constexpr int kAnd = 1021;
constexpr int kOr = 1022;
constexpr int kFileAction = 1023;
constexpr int kDirectoryAction = 1024;
constexpr int kResults = 1025;
constexpr int kBatch = 1026;
constexpr int kEnvironment = 1028;
constexpr int kSize = 1029;
constexpr int kGo = 1047;
constexpr int kStatus = 1048;
constexpr int kSizeEqual = 1049;
constexpr int kSizeGreater = 1050;
constexpr int kSizeLess = 1051;
constexpr int kSizeGreaterEqual = 1052;
constexpr int kSizeLessEqual = 1053;
constexpr int kSizeRange = 1054;
constexpr int kBrowseBatch = 1056;
constexpr int kBrowseResults = 1057;
constexpr int kPatternLabel = 1060;
constexpr int kDateLabel = 1062;
constexpr int kTimeLabel = 1066;
constexpr int kSizeLabel = 1067;
constexpr int kFileLabel = 1068;
constexpr int kDirectoryLabel = 1069;
constexpr int kEnvironmentLabel = 1073;
constexpr int kReset = 1074;
constexpr int kWordsLabel = 1075;
constexpr int kWords = 1076;
constexpr int kDrives = 1080;
constexpr int kViewResults = 1081;
constexpr int kViewBatch = 1082;

}  // namespace zaltor::res
