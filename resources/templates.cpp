// Dialog templates 100 (About) and 102 (the main dialog).
#include <iterator>

#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "zaltor/version.h"

namespace zaltor::res {

namespace {

using win::ControlKind;
using win::ControlTemplate;
using win::DialogTemplate;
using win::kGroup;
using win::kNoId;
using win::kNoPrefix;
using win::kSorted;
using win::kTabStop;

constexpr ControlKind kPush = ControlKind::kPushButton;
constexpr ControlKind kDefPush = ControlKind::kDefaultPushButton;
constexpr ControlKind kFrame = ControlKind::kGroupBox;
constexpr ControlKind kLabel = ControlKind::kLabel;
constexpr ControlKind kEdit = ControlKind::kEdit;
constexpr ControlKind kRadio = ControlKind::kRadioButton;
constexpr ControlKind kCheck = ControlKind::kCheckBox;
constexpr unsigned kGT = kGroup | kTabStop;

const ControlTemplate kMainControls[] = {
    {kGo, kDefPush, "Go", 251, 113, 50, 32, kTabStop},
    {kReset, kPush, "Re&set", 252, 148, 50, 14, kTabStop},
    {kCommandHelp, kPush, "&Help", 252, 167, 50, 14, kTabStop},
    {kIdCancel, kPush, "E&xit", 252, 186, 50, 14, kTabStop},
    {kNoId, kFrame, "File Filters", 7, 7, 235, 137, kGroup},
    {kPatternLabel, kLabel, "Name/Pattern:", 13, 19, 48, 8, kGroup},
    {kPattern, ControlKind::kComboDropDown, "", 63, 18, 77, 13, kTabStop},
    {kNoId, kLabel, "Drives:", 144, 20, 23, 8, kGroup},
    {kDrives, ControlKind::kComboDropList, "", 170, 18, 66, 30, kTabStop | kSorted},
    {kWordsLabel, kLabel, "Words/Phrases/Hex:", 14, 40, 68, 8, kGroup},
    {kWords, ControlKind::kComboDropDown, "", 83, 36, 153, 30, kTabStop | kSorted},
    {kDateLabel, kLabel, "Date:", 13, 67, 18, 8, kGroup},
    {kDate, kEdit, "", 34, 64, 70, 14, kTabStop},
    {kDateOn, kRadio, "On", 111, 67, 25, 10, kGT},
    {kDateAfter, kRadio, "After", 136, 67, 31, 10, kTabStop},
    {kDateBefore, kRadio, "Before", 166, 67, 37, 10, kTabStop},
    {kDateRange, kRadio, "Range", 203, 67, 37, 10, kTabStop},
    {kTimeLabel, kLabel, "Time:", 13, 90, 18, 8, kGroup},
    {kTime, kEdit, "", 34, 89, 69, 14, kTabStop},
    {kTimeAt, kRadio, "At", 111, 92, 23, 10, kGT},
    {kTimeAfter, kRadio, "After", 135, 92, 31, 10, kTabStop},
    {kTimeBefore, kRadio, "Before", 165, 92, 37, 10, kTabStop},
    {kTimeRange, kRadio, "Range", 203, 92, 36, 10, kTabStop},
    {kSizeLabel, kLabel, "Size:", 14, 120, 16, 8, kGroup},
    {kSize, kEdit, "", 34, 117, 69, 14, kTabStop},
    {kSizeEqual, kRadio, "=", 112, 120, 20, 10, kGroup},
    {kSizeGreater, kRadio, ">", 135, 120, 20, 10, 0},
    {kSizeLess, kRadio, "<", 158, 120, 20, 10, 0},
    {kSizeGreaterEqual, kRadio, ">=", 179, 120, 24, 10, 0},
    {kSizeLessEqual, kRadio, "<=", 204, 120, 24, 10, 0},
    {kSizeRange, kRadio, "Range", 112, 133, 37, 10, 0},
    {kNoId, kFrame, "Runtime Flags", 7, 145, 235, 24, kGroup},
    {kSubdirectories, kCheck, "Include Subdirectories", 13, 156, 86, 10, kTabStop},
    {kVerbose, kCheck, "Verbose", 115, 156, 42, 10, kTabStop},
    {kStepExecution, kCheck, "Step Execution", 175, 156, 64, 10, kTabStop},
    {kNoId, kFrame, "File/Directory Actions", 7, 170, 235, 29, kGroup},
    {kFileLabel, kLabel, "File:", 13, 183, 14, 8, kGroup},
    {kFileAction, kEdit, "", 39, 181, 76, 14, kTabStop},
    {kDirectoryLabel, kLabel, "Directory:", 122, 183, 31, 8, kGroup},
    {kDirectoryAction, kEdit, "", 159, 181, 78, 14, kTabStop},
    {kNoId, kFrame, "File Outputs", 7, 200, 298, 29, kGroup},
    {kViewResults, kPush, "Results", 9, 210, 32, 14, kTabStop},
    {kResults, kEdit, "", 45, 210, 76, 14, kTabStop},
    {kBrowseResults, kPush, "Browse", 125, 210, 30, 14, kTabStop},
    {kViewBatch, kPush, "Batch", 161, 210, 24, 14, kTabStop},
    {kBatch, kEdit, "", 189, 210, 76, 14, kTabStop},
    {kBrowseBatch, kPush, "Browse", 271, 210, 30, 14, kTabStop},
    {kNoId, kFrame, "Advanced", 7, 229, 298, 29, kGroup},
    {kEnvironmentLabel, kLabel, "Environment:", 15, 243, 42, 8, kGroup},
    {kEnvironment, kEdit, "", 59, 239, 242, 14, kTabStop},
    {kStatus, ControlKind::kStatusText, "", 7, 259, 298, 30, kTabStop},
    {kNoId, kFrame, "File Attributes", 246, 7, 59, 102, kGroup},
    {kArchive, kCheck, "Archive", 253, 17, 40, 10, kGT},
    {kHidden, kCheck, "Hidden", 253, 30, 39, 10, kTabStop},
    {kNormal, kCheck, "Normal", 253, 42, 38, 10, kTabStop},
    {kReadOnly, kCheck, "Read-Only", 253, 56, 49, 10, kTabStop},
    {kSubdir, kCheck, "Subdir", 253, 69, 36, 10, kTabStop},
    {kSystem, kCheck, "System", 253, 81, 39, 10, kTabStop},
    {kAnd, kRadio, "AND", 272, 95, 27, 10, kGroup},
    {kOr, kRadio, "OR", 247, 95, 23, 10, 0},
};

const ControlTemplate kAboutControls[] = {
    {kNoId, ControlKind::kIcon, "", 11, 17, 20, 20, 0},
    {kNoId, kLabel, "ZALTOR File Utility Version " ZALTOR_VERSION, 40, 10, 119, 8, kNoPrefix},
    {kIdOk, kDefPush, "OK", 96, 48, 50, 14, kGT},
};

constexpr unsigned kPopupStyle = win::kDialogCaption | win::kDialogSystemMenu | win::kDialogModalFrame;

const DialogTemplate kTemplates[] = {
    {kMainDialog, 312, 297, "MS Sans Serif", 8, "ZALTOR File Utility V" ZALTOR_VERSION, kPopupStyle, kMainControls,
     static_cast<int>(std::size(kMainControls))},
    {kAboutDialog, 241, 68, "MS Sans Serif", 8, "About ZALTOR32", kPopupStyle, kAboutControls,
     static_cast<int>(std::size(kAboutControls))},
};

}  // namespace

const win::DialogTemplate* FindDialogTemplate(int id) {
  for (const DialogTemplate& dialog : kTemplates) {
    if (dialog.id == id) return &dialog;
  }
  return nullptr;
}

}  // namespace zaltor::res
