// Running a search from the dialog: Go/Stop, the worker thread, the option
// vector built from the fields, the two histories and Reset's refusal.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>
#include <utility>

#include "dialog/open_in_editor.h"
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

// The operator letter of the first checked button of a date or time group.
const char* DateTimeOperator(int checked, int first) {
  switch (checked - first) {
    case 1:
      return "A";
    case 2:
      return "B";
    case 3:
      return "R";
    default:
      return "@";
  }
}

const char* SizeOperator(int checked) {
  switch (checked) {
    case res::kSizeGreater:
      return "G:";
    case res::kSizeLess:
      return "L:";
    case res::kSizeGreaterEqual:
      return "GE:";
    case res::kSizeLessEqual:
      return "LE:";
    case res::kSizeRange:
      return "R:";
    default:
      return "E:";
  }
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

bool SearchDialog::AppendValue(const char* option, const std::string& prefix, const char* text, int fieldId,
                               const char* fieldName) {
  const std::string value = prefix + text;
  if (value.size() > static_cast<std::size_t>(kMaxPath - 1)) {
    char message[kMaxPath];
    std::snprintf(message, sizeof message,
                  "The %s value is too long: with '%s' put in front of it, it exceeds 259 characters.",
                  fieldName, prefix.c_str());
    FrameworkMessageBox(message, kMbIconHand);
    FocusControl(fieldId);
    return false;
  }
  AppendOption(option);
  AppendOption(value.c_str());
  return true;
}

void SearchDialog::DoSearch() {
  commandLine.clear();
  FreeOptions();
  bool go = false;
  char pattern[kMaxPath];
  GetDlgItemText(res::kPattern, pattern, sizeof pattern);
  if (pattern[0] == '\0') {
    FrameworkMessageBox("File name/pattern is required, at the least, to run!", kMbIconHand);
    FocusControl(res::kPattern);
  } else {
    Invoke([this] { RememberPattern(); });
    GetDlgItemText(res::kPattern, pattern, sizeof pattern);
    go = true;
  }

  std::string drive;
  if (go && std::strchr(pattern, ':') != nullptr) {
    const std::string prefix(pattern, std::min<std::size_t>(2, std::strlen(pattern)));
    const int item = Invoke([this, &prefix] {
      const int found = drivesCombo->FindString(-1, prefix.c_str());
      if (found >= 0) drivesCombo->SetCurSel(found);
      return found;
    });
    if (item < 0) {
      FrameworkMessageBox("Invalid drive typed in for name/pattern!", kMbIconHand);
      FocusControl(res::kPattern);
      go = false;
    }
  } else if (go) {
    const std::string item = Invoke([this] { return drivesCombo->GetLBText(drivesCombo->GetCurSel()); });
    if (item.find(':') != std::string::npos) drive = item.substr(0, 3);
  }
  go = go && AppendValue("/fp", drive, pattern, res::kPattern, "Name/Pattern");

  if (go) {
    const std::string words = GetDlgItemText(res::kWords);
    if (!words.empty()) {
      Invoke([this] { RememberWords(); });
      AppendOption("/sp");
      AppendOption(words.c_str());
    }
  }
  char text[kMaxPath];
  if (go && GetDlgItemText(res::kDate, text, sizeof text) > 0) {
    const char* op = DateTimeOperator(GetCheckedRadioButton(res::kDateOn, res::kDateRange), res::kDateOn);
    go = AppendValue("/fd", op, text, res::kDate, "Date");
  }
  if (go && GetDlgItemText(res::kTime, text, sizeof text) > 0) {
    const char* op = DateTimeOperator(GetCheckedRadioButton(res::kTimeAt, res::kTimeRange), res::kTimeAt);
    go = AppendValue("/ft", op, text, res::kTime, "Time");
  }
  if (go && GetDlgItemText(res::kSize, text, sizeof text) > 0) {
    const char* op = SizeOperator(GetCheckedRadioButton(res::kSizeEqual, res::kSizeRange));
    go = AppendValue("/fs", op, text, res::kSize, "Size");
  }
  if (go) {
    if (IsDlgButtonChecked(res::kSubdirectories)) AppendOption("/r");
    if (IsDlgButtonChecked(res::kVerbose)) AppendOption("/v");
    if (IsDlgButtonChecked(res::kStepExecution)) AppendOption("/se");
    if (GetDlgItemText(res::kFileAction, text, sizeof text) > 0) {
      AppendOption("/fcmd");
      AppendOption(text);
    }
    if (GetDlgItemText(res::kDirectoryAction, text, sizeof text) > 0) {
      AppendOption("/dcmd");
      AppendOption(text);
    }
    AppendOption("/of");
    if (GetDlgItemText(res::kResults, text, sizeof text) > 0) {
      AppendOption(text);
    } else {
      char tempDirectory[kMaxPath];
      GetTempDirectory(tempDirectory, fs);
      AppendOption((std::string(tempDirectory) + "zltoutputs.txt").c_str());
    }
    if (GetDlgItemText(res::kBatch, text, sizeof text) > 0) {
      AppendOption("/bf");
      AppendOption(text);
    }
    if (GetDlgItemText(res::kEnvironment, text, sizeof text) > 0) {
      AppendOption("/env");
      AppendOption(text);
    }
    std::string attributes = IsDlgButtonChecked(res::kAnd) ? "M:" : "";
    const std::pair<int, char> letters[] = {{res::kArchive, 'A'}, {res::kHidden, 'H'}, {res::kNormal, 'N'},
                                            {res::kReadOnly, 'R'}, {res::kSystem, 'S'}, {res::kSubdir, 'D'}};
    for (const auto& [id, letter] : letters) {
      if (IsDlgButtonChecked(id)) attributes += letter;
    }
    AppendOption("/fa");
    AppendOption(attributes.c_str());

    for (int i = 0; i < optionCount; ++i) (commandLine += options[i]) += ' ';
    SetStatusText(commandLine.c_str());
  }

  bool completed = false;
  if (go) completed = runner(optionCount, options, &lastFilesFound, &lastDirsVisited) != kWalkStop;
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
