// The main dialog: every search field, Go/Stop, Reset, Help and Exit, the
// output file fields and the status line. It is the front end the engine
// reports through while a search runs on the dialog's worker thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <iterator>
#include <string>
#include <thread>

#include "dialog/window/dialog_window.h"
#include "engine/front_end.h"
#include "platform/file_system.h"

namespace zaltor {

struct FieldRefusal;
struct SearchFields;

class SearchDialog : public win::DialogWindow, public FrontEnd {
 public:
  // What Go runs: RunSearch's shape. The default is RunSearch on the
  // process's engine.
  using SearchRunner = std::function<int(int count, char** vector, std::uint32_t* filesOut,
                                         std::uint32_t* dirsOut)>;

  static constexpr int kOptionSlots = 100;
  // The patterns that head the pattern list, before the remembered ones.
  static constexpr const char* kPresets[] = {
      "Audio(*.wav)",        "Document(*.doc)",    "Image(*.gif)", "Image(*.jpg)", "Movie(*.mpeg)",
      "Music(*.mp3)", "Presentation(*.ppt)", "Spreadsheet(*.xls)", "Text(*.txt)",  "Video(*.avi)",
  };
  static constexpr int kPresetCount = static_cast<int>(std::size(kPresets));

  // fs lists the drives, names the temporary directory and translates
  // between drive paths and host paths.
  explicit SearchDialog(FileSystem& fs = HostFileSystem(), SearchRunner runner = {});
  // Stops a search still running and waits for its worker, serving the
  // worker's requests meanwhile, before anything is destroyed.
  ~SearchDialog() override;

  // The front-end channel; any thread.
  int DialogMessageBox(const char* text, unsigned style) override;
  void SetStatusText(const char* text) override;
  void FocusControl(int controlId) override;

  void ResetFields();
  static void SetDropDownHeight(win::ComboBox& combo, int items);

  // Starts the editor on the file named in the control; always 0.
  int OpenInEditor(const char* defaultEditor, int controlId);
  void OnViewResults();
  void OnViewBatch();
  void OnBrowseResults();
  void OnBrowseBatch();

  void OnSysCommand(int command, long param) override;
  win::Icon OnQueryDragIcon() const { return icon; }
  // What the About entry opens; the application sets it.
  std::function<void()> aboutCommand;

  // Go/Stop and Reset.
  void OnGoStop();
  void OnReset();
  // The worker's entry; the argument is the dialog.
  static void SearchThreadMain(void* argument);
  void DoSearch();
  void RememberPattern();
  void RememberWords();

  // What the last run sent and found.
  const std::string& CommandLine() const { return commandLine; }
  int OptionCount() const { return optionCount; }
  char* const* Options() const { return options; }
  std::uint32_t LastFilesFound() const { return lastFilesFound; }
  std::uint32_t LastDirsVisited() const { return lastDirsVisited; }
  // True from Go until the worker has returned.
  bool WorkerActive() const { return workerThread.joinable(); }

 protected:
  void OnInitDialog() override;
  void OnCancel() override;
  void OnCommand(int id) override;
  void OnPaint() override;

 private:
  // A box with the application's name as caption, as the framework shows it.
  int FrameworkMessageBox(const char* text, unsigned style);
  // The reply that stops, for a question asked while the dialog closes.
  static int ClosingAnswer(unsigned style);
  // False, after telling the user why, when the default editor has no file
  // to open in the field's text.
  bool DefaultEditorCanOpen(int controlId, const char* field);
  void OnDestroy();
  void EnableOutputControls(bool enable);
  void FreeOptions();
  void AppendOption(const char* option);
  // The option vector of the fields, sent to the status line; false, after
  // telling the user why, when a field refuses it.
  bool SendOptions();
  // The pattern, which must be given, into its history, and the drive it
  // is searched on; false after telling the user why not.
  bool ReadPattern(SearchFields& fields);
  // Every other field, a text at most 259 bytes as the engine takes it.
  void ReadFields(SearchFields& fields);
  std::string FieldText(int id);
  // The result file when the Results field names none.
  std::string DefaultResultFile();
  void RefuseField(const FieldRefusal& refused);
  // The status line, the editors and the idle controls after a run.
  void ReportRun(bool completed);
  void Browse(int fieldId, const char* title, const char* initialName, const char* extension,
              const char* filter);
  void OnWorkerEnded();
  // Closing: stop the run and answer its requests without showing boxes.
  void BeginClosing();

  // Fields of a run, written by the worker only.
  std::string commandLine;
  std::uint32_t lastFilesFound = 0;
  std::uint32_t lastDirsVisited = 0;
  char* options[kOptionSlots] = {};
  int optionCount = 0;

  win::ComboBox* drivesCombo = nullptr;
  win::ComboBox* wordsCombo = nullptr;
  win::ComboBox* patternCombo = nullptr;
  win::Icon icon;

  FileSystem& fs;
  SearchRunner runner;
  std::thread workerThread;
  std::atomic<bool> workerDone{false};
  std::atomic<bool> closing{false};
  bool endWhenWorkerDone = false;
  bool destroying = false;
};

}  // namespace zaltor
