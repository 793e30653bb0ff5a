// Running a search from the dialog: Go/Stop, the worker thread, reading the
// fields for the option vector, the run and its report, the two histories
// and Reset's refusal.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

#include "dialog/open_in_editor.h"
#include "dialog/option_vector.h"
#include "dialog/search_dialog.h"
#include "dialog/window/thread_call.h"
#include "dialog/temp_directory.h"
#include "dialog/window/message_box.h"
#include "engine/run_search.h"
#include "engine/text_copy.h"
#include "resources/resource_ids.h"

namespace zaltor {

namespace {

constexpr int kOutputControls[] = {res::kResults,      res::kBatch,       res::kBrowseResults,
                                   res::kBrowseBatch,  res::kViewResults, res::kViewBatch};

constexpr int kHistoryLimit = 20;

// A preset such as "Audio(*.wav)" stands for its text from the '*' up to
// the next ')'.
std::string PresetPattern(const std::string& preset) {
  const std::size_t star = preset.find('*');
  if (star == std::string::npos) return preset;
  const std::size_t close = preset.find(')', star);
  return preset.substr(star, close == std::string::npos ? std::string::npos : close - star);
}

constexpr char kAbortText[] =
    "Search aborted due to error(s)/interruption! Please make necessary corrections.";

}  // namespace

void SearchDialog::EnableOutputControls(bool enable) {
  for (int id : kOutputControls) EnableDlgItem(id, enable);
}

void SearchDialog::OnGoStop() {
  if (searchControl.SearchIsRunning() == 1) {
    searchControl.SetRunning(0);
    SetDlgItemText(res::kGo, "Go");
    EnableOutputControls(true);
    // One run at a time: Go comes back when the worker has returned.
    if (workerThread.joinable()) EnableDlgItem(res::kGo, false);
    return;
  }
  if (workerThread.joinable()) return;
  searchControl.SetRunning(1);
  EnableOutputControls(false);
  SetDlgItemText(res::kGo, "Stop");
  workerDone.store(false);
  try {
    workerThread = std::thread(&SearchDialog::SearchThreadMain, static_cast<void*>(this));
  } catch (const std::system_error&) {
    // Nothing runs; Stop returns the dialog to idle.
  }
}

void SearchDialog::OnReset() {
  if (searchControl.SearchIsRunning() == 1) {
    DialogMessageBox("ZALTOR is searching...Please click on 'STOP' button first!", kMbIconInformation);
    return;
  }
  ResetFields();
}

void SearchDialog::SearchThreadMain(void* argument) {
  if (argument == nullptr) return;
  auto* dialog = static_cast<SearchDialog*>(argument);
  dialog->DoSearch();
  // Set before the notice is posted, so a thread waiting for it sees it.
  dialog->workerDone.store(true);
  win::PostToThreadOf(*dialog, [dialog] { dialog->OnWorkerEnded(); });
}

void SearchDialog::OnWorkerEnded() {
  if (destroying || !workerThread.joinable() || !workerDone.load()) return;
  workerThread.join();
  EnableDlgItem(res::kGo, true);
  if (endWhenWorkerDone) {
    endWhenWorkerDone = false;
    closing.store(false);
    EndDialog(kIdCancelCode);
  }
}

void SearchDialog::BeginClosing() {
  closing.store(true);
  searchControl.SetRunning(0);
}

void SearchDialog::FreeOptions() {
  for (int i = 0; i < optionCount; ++i) {
    std::free(options[i]);
    options[i] = nullptr;
  }
  optionCount = 0;
}

void SearchDialog::AppendOption(const char* option) {
  // The dialog sends at most 25 options; the last slot stays null.
  if (optionCount >= kOptionSlots - 1) return;
  options[optionCount++] = strdup(option);
  options[optionCount] = nullptr;
}

void SearchDialog::DoSearch() {
  commandLine.clear();
  FreeOptions();
  const bool completed = SendOptions() && runner(optionCount, options, &lastFilesFound, &lastDirsVisited) != kWalkStop;
  ReportRun(completed);
}

bool SearchDialog::SendOptions() {
  SearchFields fields;
  if (!ReadPattern(fields)) return false;
  ReadFields(fields);
  OptionVector vector = BuildOptionVector(fields);
  // The words join their history once the pattern has been taken.
  if (!fields.words.empty() && !(vector.refused && vector.refused->fieldId == res::kPattern)) {
    Invoke([this] { RememberWords(); });
  }
  if (vector.refused) {
    RefuseField(*vector.refused);
    return false;
  }
  if (fields.results.empty()) {
    // Naming the default file may make its directory: only for a search
    // that goes ahead.
    fields.results = DefaultResultFile();
    vector = BuildOptionVector(fields);
  }
  for (const std::string& option : vector.options) AppendOption(option.c_str());
  for (int i = 0; i < optionCount; ++i) (commandLine += options[i]) += ' ';
  SetStatusText(commandLine.c_str());
  return true;
}

bool SearchDialog::ReadPattern(SearchFields& fields) {
  char pattern[kMaxPath];
  GetDlgItemText(res::kPattern, pattern, sizeof pattern);
  if (pattern[0] == '\0') {
    FrameworkMessageBox("File name/pattern is required, at the least, to run!", kMbIconHand);
    FocusControl(res::kPattern);
    return false;
  }
  Invoke([this] { RememberPattern(); });
  GetDlgItemText(res::kPattern, pattern, sizeof pattern);
  fields.pattern = pattern;
  if (std::strchr(pattern, ':') == nullptr) {
    const std::string item = Invoke([this] { return drivesCombo->GetLBText(drivesCombo->GetCurSel()); });
    if (item.find(':') != std::string::npos) fields.drive = item.substr(0, 3);
    return true;
  }
  // A pattern that names its drive chooses that drive's item.
  const std::string prefix(pattern, std::min<std::size_t>(2, std::strlen(pattern)));
  const int item = Invoke([this, &prefix] {
    const int found = drivesCombo->FindString(-1, prefix.c_str());
    if (found >= 0) drivesCombo->SetCurSel(found);
    return found;
  });
  if (item >= 0) return true;
  FrameworkMessageBox("Invalid drive typed in for name/pattern!", kMbIconHand);
  FocusControl(res::kPattern);
  return false;
}

std::string SearchDialog::FieldText(int id) {
  char text[kMaxPath];
  GetDlgItemText(id, text, sizeof text);
  return text;
}

void SearchDialog::ReadFields(SearchFields& fields) {
  fields.words = GetDlgItemText(res::kWords);
  fields.date = FieldText(res::kDate);
  fields.dateButton = GetCheckedRadioButton(res::kDateOn, res::kDateRange);
  fields.time = FieldText(res::kTime);
  fields.timeButton = GetCheckedRadioButton(res::kTimeAt, res::kTimeRange);
  fields.size = FieldText(res::kSize);
  fields.sizeButton = GetCheckedRadioButton(res::kSizeEqual, res::kSizeRange);
  fields.subdirectories = IsDlgButtonChecked(res::kSubdirectories) != 0;
  fields.verbose = IsDlgButtonChecked(res::kVerbose) != 0;
  fields.stepExecution = IsDlgButtonChecked(res::kStepExecution) != 0;
  fields.fileAction = FieldText(res::kFileAction);
  fields.directoryAction = FieldText(res::kDirectoryAction);
  fields.results = FieldText(res::kResults);
  fields.batch = FieldText(res::kBatch);
  fields.environment = FieldText(res::kEnvironment);
  fields.exactAttributes = IsDlgButtonChecked(res::kAnd) != 0;
  fields.archive = IsDlgButtonChecked(res::kArchive) != 0;
  fields.hidden = IsDlgButtonChecked(res::kHidden) != 0;
  fields.normal = IsDlgButtonChecked(res::kNormal) != 0;
  fields.readOnly = IsDlgButtonChecked(res::kReadOnly) != 0;
  fields.system = IsDlgButtonChecked(res::kSystem) != 0;
  fields.directory = IsDlgButtonChecked(res::kSubdir) != 0;
}

std::string SearchDialog::DefaultResultFile() {
  char tempDirectory[kMaxPath];
  GetTempDirectory(tempDirectory, fs);
  return std::string(tempDirectory) + "zltoutputs.txt";
}

void SearchDialog::RefuseField(const FieldRefusal& refused) {
  char message[kMaxPath];
  std::snprintf(message, sizeof message,
                "The %s value is too long: with '%s' put in front of it, it exceeds 259 characters.",
                refused.fieldName, refused.prefix.c_str());
  FrameworkMessageBox(message, kMbIconHand);
  FocusControl(refused.fieldId);
}

void SearchDialog::ReportRun(bool completed) {
  if (completed) {
    char message[256];
    std::snprintf(message, sizeof message,
                  "Search completed! %ld file(s) found based on criteria specified and %ld directories "
                  "visited.\nPLEASE MAKE SURE TO EXIT THE EDITOR WHEN FINISHED VIEWING FILES.",
                  static_cast<long>(lastFilesFound), static_cast<long>(lastDirsVisited));
    SetStatusText(message);
    // A closing dialog opens nothing more.
    if (!closing.load()) {
      OpenInEditor(kDefaultEditor, res::kBatch);
      OpenInEditor(kDefaultEditor, res::kResults);
    }
  } else {
    SetStatusText(kAbortText);
  }
  searchControl.SetRunning(0);
  SetDlgItemText(res::kGo, "Go");
  EnableOutputControls(true);
}

void SearchDialog::RememberPattern() {
  int index = patternCombo->GetCurSel();
  std::string text;
  if (index < 0) {
    text = Trimmed(patternCombo->WindowText(), " ");
    index = patternCombo->FindStringExact(-1, text.c_str());
    if (index < 0) {
      if (patternCombo->GetCount() >= kHistoryLimit) patternCombo->DeleteString(kHistoryLimit - 1);
      patternCombo->InsertString(kPresetCount, text.c_str());
    }
  } else {
    text = patternCombo->GetLBText(index);
  }
  if (index >= 0 && index < kPresetCount) {
    text = PresetPattern(text);
  } else if (index >= kPresetCount) {
    patternCombo->DeleteString(index);
    patternCombo->InsertString(kPresetCount, text.c_str());
  }
  patternCombo->SetWindowText(text.c_str());
}

void SearchDialog::RememberWords() {
  int index = wordsCombo->GetCurSel();
  std::string text;
  if (index < 0) {
    text = Trimmed(wordsCombo->WindowText(), " ");
    index = wordsCombo->FindStringExact(-1, text.c_str());
    if (index >= 0) {
      wordsCombo->DeleteString(index);
    } else if (wordsCombo->GetCount() >= kHistoryLimit) {
      wordsCombo->DeleteString(kHistoryLimit - 1);
    }
  } else {
    text = wordsCombo->GetLBText(index);
    wordsCombo->DeleteString(index);
  }
  wordsCombo->InsertString(0, text.c_str());
}

}  // namespace zaltor
