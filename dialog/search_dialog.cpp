#include "dialog/search_dialog.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <utility>

#include "dialog/drive_list.h"
#include "dialog/open_in_editor.h"
#include "dialog/temp_directory.h"
#include "dialog/window/application.h"
#include "dialog/window/help.h"
#include "dialog/window/icon_resource.h"
#include "dialog/window/message_box.h"
#include "dialog/window/save_as.h"
#include "engine/run_search.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"

namespace zaltor {

namespace {

constexpr char kStoppingText[] = "Stopping the search...  ZALTOR closes when it has stopped.";

const win::DialogTemplate& MainTemplate() { return *res::FindDialogTemplate(res::kMainDialog); }

// The engine names the fields it sends the focus to by these ids.
static_assert(kControlDate == res::kDate && kControlTime == res::kTime && kControlSize == res::kSize);

}  // namespace

SearchDialog::SearchDialog(FileSystem& fs, SearchRunner runner)
    : win::DialogWindow(MainTemplate()), fs(fs), runner(std::move(runner)) {
  icon = win::LoadIconResource(res::kProgramIcon);
  activeDialog = this;
  if (!this->runner) {
    this->runner = [](int count, char** vector, std::uint32_t* files, std::uint32_t* dirs) {
      return RunSearch(count, vector, files, dirs);
    };
  }
}

SearchDialog::~SearchDialog() {
  destroying = true;
  if (workerThread.joinable()) {
    BeginClosing();
    // The worker's last requests still need this thread; it is never waited
    // for while it might be asking.
    while (!workerDone.load()) win::PumpMessages(20);
    workerThread.join();
  }
  OnDestroy();
  FreeOptions();
}

void SearchDialog::OnInitDialog() {
  drivesCombo = &Combo(res::kDrives);
  wordsCombo = &Combo(res::kWords);
  patternCombo = &Combo(res::kPattern);

  const char* aboutText = res::LoadResourceString(res::kAboutMenuString);
  if (aboutText != nullptr && *aboutText != '\0') {
    AppendSystemMenu(0, nullptr);
    AppendSystemMenu(res::kCommandAbout, aboutText);
  }
  SetIcons(icon, icon);
  ResetFields();
  SetDropDownHeight(*patternCombo, 7);
  patternCombo->LimitText(260);
  for (const char* preset : kPresets) patternCombo->AddString(preset);
  SetDropDownHeight(*wordsCombo, 5);
  SetDropDownHeight(*drivesCombo, 10);
  FillDriveList(*drivesCombo, fs);
}

void SearchDialog::ResetFields() {
  for (int id : {res::kArchive, res::kHidden, res::kReadOnly, res::kNormal, res::kSystem, res::kSubdir,
                 res::kSubdirectories}) {
    CheckDlgButton(id, win::kChecked);
  }
  CheckRadioButton(res::kAnd, res::kOr, res::kOr);
  CheckRadioButton(res::kDateOn, res::kDateRange, res::kDateOn);
  CheckRadioButton(res::kTimeAt, res::kTimeRange, res::kTimeAt);
  CheckRadioButton(res::kSizeEqual, res::kSizeRange, res::kSizeEqual);
  SetStatusText(
      "Please enter a value for the 'Name/Pattern:' field to do a search.  All other fields are "
      "defaulted/optional.");
  char tempDirectory[kMaxPath];
  GetTempDirectory(tempDirectory, fs);
  char resultName[kMaxPath];
  char batchName[kMaxPath];
  // GetTempDirectory keeps the directory short enough for both names.
  std::snprintf(resultName, sizeof resultName, "%.*szltoutputs.txt", kMaxTempDirectory, tempDirectory);
  std::snprintf(batchName, sizeof batchName, "%.*szltbatch.bat", kMaxTempDirectory, tempDirectory);
  SetDlgItemText(res::kResults, resultName);
  SetDlgItemText(res::kBatch, batchName);
  SetDlgItemText(res::kFileAction, "dir");
  for (int id : {res::kPattern, res::kWords, res::kDate, res::kTime, res::kSize, res::kDirectoryAction,
                 res::kEnvironment}) {
    SetDlgItemText(id, "");
  }
  CheckDlgButton(res::kVerbose, win::kUnchecked);
  CheckDlgButton(res::kStepExecution, win::kUnchecked);
  FocusControl(res::kPattern);
}

void SearchDialog::SetDropDownHeight(win::ComboBox& combo, int items) { combo.SetDroppedItems(items); }

int SearchDialog::DialogMessageBox(const char* text, unsigned style) {
  if (text == nullptr) return kIdOk;
  if (closing.load()) return ClosingAnswer(style);
  return win::MessageBox(this, text, MainTemplate().title, style);
}

int SearchDialog::FrameworkMessageBox(const char* text, unsigned style) {
  if (closing.load()) return ClosingAnswer(style);
  const std::string caption = win::ApplicationName();
  return win::MessageBox(this, text, caption.c_str(), style);
}

int SearchDialog::ClosingAnswer(unsigned style) {
  switch (style & kMbButtonMask) {
    case kMbYesNo:
      // "Continue?" after an error stops on No; the stop question on Yes.
      return (style & kMbIconMask) == kMbIconQuestion ? kIdYes : kIdNo;
    case kMbRetryCancel:
    case kMbOkCancel:
    case kMbYesNoCancel:
      return kIdCancel;
    case kMbAbortRetryIgnore:
      return kIdAbort;
    default:
      return kIdOk;
  }
}

void SearchDialog::SetStatusText(const char* text) {
  if (text == nullptr) return;
  // Decided on the dialog's thread, after a closing text that is already
  // shown: the run's last words do not replace it.
  Invoke([this, text] {
    if (!closing.load()) SetDlgItemText(res::kStatus, text);
  });
}

void SearchDialog::FocusControl(int controlId) { FocusDlgItem(controlId); }

int SearchDialog::OpenInEditor(const char* defaultEditor, int controlId) {
  char field[kMaxPath];
  GetDlgItemText(controlId, field, sizeof field);
  const char* editorValue = std::getenv("EDITOR");
  if (editorValue == nullptr && kDefaultEditorNeedsExistingFile && !DefaultEditorCanOpen(controlId, field)) {
    return 0;
  }
  // The editor is another program: it gets the host's name for the file.
  std::string fileName;
  if (field[0] != '\0') {
    fileName = fs.HostPath(field);
    if (fileName.empty()) fileName = field;
  }
  StartEditor(EditorCommand(editorValue, defaultEditor, fileName),
              [this](const char* text, unsigned style) { return DialogMessageBox(text, style); });
  return 0;
}

bool SearchDialog::DefaultEditorCanOpen(int controlId, const char* field) {
  // The desktop's opener, started without a file or on one that does not
  // exist, prints its usage and ends: nothing would appear.
  std::string text;
  StatData data;
  if (field[0] == '\0') {
    text = std::string("The ") + (controlId == res::kBatch ? "Batch" : "Results") +
           " field names no file.  The desktop's opener (" + kDefaultEditor +
           ") needs one: name a file, or set EDITOR to an editor that starts without one.";
  } else if (fs.Stat(field, &data) != 0) {
    text = std::string("'") + field + "' does not exist yet: a search writes it.  The desktop's opener (" +
           kDefaultEditor + ") opens only existing files; set EDITOR to an editor that can create it.";
  } else {
    return true;
  }
  DialogMessageBox(text.c_str(), kMbIconHand);
  return false;
}

void SearchDialog::OnViewResults() { OpenInEditor(kDefaultEditor, res::kResults); }

void SearchDialog::OnViewBatch() { OpenInEditor(kDefaultEditor, res::kBatch); }

void SearchDialog::Browse(int fieldId, const char* title, const char* initialName, const char* extension,
                          const char* filter) {
  win::SaveAsRequest request;
  request.title = title;
  request.initialName = initialName;
  request.defaultExtension = extension;
  request.filter = filter;
  request.flags = win::kOfnOverwritePrompt | win::kOfnHideReadOnly | win::kOfnNoChangeDir;
  request.owner = this;
  std::string chosen;
  if (!win::GetSaveFileName(request, &chosen)) return;
  // The engine reads drive paths; a file on no drive cannot be named.
  const std::string drivePath = fs.DrivePath(chosen.c_str());
  if (drivePath.empty()) {
    const std::string text = "'" + chosen +
                             "' lies on none of the drives (ZALTOR_DRIVES), so a search cannot write it.  "
                             "Choose a file on one of the drives.";
    DialogMessageBox(text.c_str(), kMbIconHand);
    return;
  }
  SetDlgItemText(fieldId, drivePath.c_str());
}

void SearchDialog::OnBrowseResults() {
  Browse(res::kResults, "Output Text File", "zltoutputs", "TXT", "Text Files (*.txt)|*.txt|");
}

void SearchDialog::OnBrowseBatch() {
  Browse(res::kBatch, "Output Batch File", "zltbatch", "BAT", "Batch Files (*.bat)|*.bat|");
}

void SearchDialog::OnSysCommand(int command, long param) {
  if ((command & 0xfff0) == res::kCommandAbout) {
    if (aboutCommand) aboutCommand();
    return;
  }
  win::DialogWindow::OnSysCommand(command, param);
}

void SearchDialog::OnCommand(int id) {
  switch (id) {
    case res::kGo:
      OnGoStop();
      break;
    case res::kReset:
      OnReset();
      break;
    case res::kBrowseResults:
      OnBrowseResults();
      break;
    case res::kBrowseBatch:
      OnBrowseBatch();
      break;
    case res::kViewBatch:
      OnViewBatch();
      break;
    case res::kViewResults:
      OnViewResults();
      break;
    default:
      win::DialogWindow::OnCommand(id);
      break;
  }
}

void SearchDialog::OnPaint() {
  const ClientSize client = GetClientSize();
  const int size = 32;
  DrawIcon((client.width - size + 1) / 2, (client.height - size + 1) / 2, icon);
}

void SearchDialog::OnCancel() {
  if (workerThread.joinable()) {
    // The dialog ends once the worker has returned; see OnWorkerEnded.
    // Meanwhile it keeps answering and says why it is still there.
    endWhenWorkerDone = true;
    BeginClosing();
    SetDlgItemText(res::kStatus, kStoppingText);
    EnableDlgItem(res::kGo, false);
    return;
  }
  win::DialogWindow::OnCancel();
}

void SearchDialog::OnDestroy() { win::WinHelp(std::string(), win::kHelpQuit, 0); }

}  // namespace zaltor
