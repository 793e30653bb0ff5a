#include "engine/parse_options.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "engine/content/hex_text.h"
#include "engine/front_end.h"
#include "engine/criteria/attributes.h"
#include "engine/messages.h"
#include "engine/output/output_files.h"
#include "engine/text_compare.h"
#include "engine/text_copy.h"
#include "platform/drive_path.h"

namespace zaltor {

namespace {

enum class Option {
  kPattern, kMatchName, kContent, kDate, kTime, kSize, kAttributes, kRecurse, kVerbose,
  kStepExecution, kFileCommand, kDirCommand, kEnvironment, kOutFile, kBatchFile,
};

struct OptionName {
  const char* longName;
  const char* shortName;
  Option option;
  bool takesValue;
};

constexpr OptionName kOptions[] = {
    {"/fpattern", "/fp", Option::kPattern, true},
    {"/matchfilename", "/mf", Option::kMatchName, true},
    {"/sp", nullptr, Option::kContent, true},
    {"/filedate", "/fd", Option::kDate, true},
    {"/filetime", "/ft", Option::kTime, true},
    {"/filesize", "/fs", Option::kSize, true},
    {"/fattr", "/fa", Option::kAttributes, true},
    {"/r", nullptr, Option::kRecurse, false},
    {"/verbose", "/v", Option::kVerbose, false},
    {"/se", nullptr, Option::kStepExecution, false},
    {"/fcmd", nullptr, Option::kFileCommand, true},
    {"/dcmd", nullptr, Option::kDirCommand, true},
    {"/env", nullptr, Option::kEnvironment, true},
    {"/outfile", "/of", Option::kOutFile, true},
    {"/batchfile", "/bf", Option::kBatchFile, true},
};

const OptionName* FindOption(const char* element) {
  for (const OptionName& name : kOptions) {
    if (StrICmp(element, name.longName) == 0 ||
        (name.shortName != nullptr && StrICmp(element, name.shortName) == 0)) {
      return &name;
    }
  }
  return nullptr;
}

// Opens an output stream for /outfile or /batchfile; a stream of an earlier
// occurrence of the same option is closed, its file left in place.
bool OpenOutput(SearchEngine& engine, std::FILE*& stream, std::string& streamName, const char* path) {
  std::FILE* opened = engine.fs.OpenTextForWrite(path);
  if (opened == nullptr) return false;
  if (stream != nullptr && stream != stdout) std::fclose(stream);
  stream = opened;
  streamName = path;
  return true;
}

ParseResult SetContent(SearchRequest& request, const char* value) {
  request.contentLength = 0;
  // The NUL ends the digits for DecodeHex.
  request.contentBytes.reset(new (std::nothrow) char[std::strlen(value) + 1]);
  if (request.contentBytes == nullptr) return kParseOutOfMemory;
  std::strcpy(request.contentBytes.get(), value);
  if (StrNICmp(value, "HEX=", 4) != 0) {
    request.contentLength = static_cast<std::int32_t>(std::strlen(value));
  } else {
    std::int32_t length = 0;
    if (!DecodeHex(request.contentBytes.get() + 4, &length)) return kParseRejected;
    std::memmove(request.contentBytes.get(), request.contentBytes.get() + 4, length);
    request.contentLength = length;
  }
  request.contentNeedle = ContentNeedle(request.contentBytes.get(), request.contentLength);
  return kParseGo;
}

// Checks the start drive and directory and writes the file headers.
ParseResult SetUpRun(SearchEngine& engine, char* startDirectory, bool startGiven,
             const char* environment) {
  SearchRequest& request = engine.request;
  if (!startGiven) {
    if (engine.fs.GetCwd(startDirectory, kMaxPath) == nullptr) {
      ShowMessage("Cannot get the working directory!", kStyleError);
      return kParseRejected;
    }
  } else if (engine.fs.ChDrive(DriveNumber(startDirectory[0])) != kFsOk) {
    ShowMessage("Drive '%c:' does not exist or is inactive/restricted!", kStyleError,
                startDirectory[0]);
    return kParseRejected;
  }
  StatData stat;
  if (engine.fs.Stat(startDirectory, &stat) != kFsOk) {
    ShowMessage("Directory specified in file pattern does not exist!", kStyleError);
    return kParseRejected;
  }
  engine.pendingDirs.push(startDirectory);
  if (request.resultFile != nullptr) WriteResultHeader(engine);
  if (request.batchFile != nullptr) {
    WriteBatchHeader(engine);
    if (environment != nullptr && !WriteEnvironmentLines(engine, environment)) {
      return kParseRejected;
    }
  }
  return kParseGo;
}

}  // namespace

void ResetRequest(SearchEngine& engine) { engine.request = SearchRequest(); }

ParseResult ParseOptions(SearchEngine& engine, int count, char** vector) {
  engine.flags = RunFlags();
  ResetRequest(engine);
  engine.lastListedDirectory[0] = '\0';
  SearchRequest& request = engine.request;
  request.attrMask = kAttrAll;
  request.resultFile = stdout;

  char startDirectory[kMaxPath] = {};
  bool startGiven = false;
  const char* environment = nullptr;
  if (count < 2) count = 0;

  for (int i = 0; i < count; ++i) {
    const OptionName* option = FindOption(vector[i]);
    if (option == nullptr) {
      ShowMessage("Unknown option '%s'.\n", kStyleError, vector[i]);
      continue;
    }
    char* value = nullptr;
    if (option->takesValue) {
      if (i + 1 >= count) return kParseRejected;
      value = vector[++i];
    }
    ParseResult result = kParseGo;
    switch (option->option) {
      case Option::kPattern:
        ApplyFilePattern(engine, value, startDirectory);
        startGiven = true;
        break;
      case Option::kMatchName:
        CopyBounded(request.exactName, sizeof request.exactName, value);
        break;
      case Option::kContent:
        result = SetContent(request, value);
        break;
      case Option::kDate:
        result = ParseDateOption(engine, value);
        break;
      case Option::kTime:
        result = ParseTimeOption(engine, value);
        break;
      case Option::kSize:
        result = ParseSizeOption(engine, value);
        break;
      case Option::kAttributes:
        request.attrMask = 0;
        if (!ParseAttributeCriterion(&request.attrMask, &request.attrMode, value)) {
          result = kParseRejected;
        }
        break;
      case Option::kRecurse:
        engine.flags.recurseSubdirs = 1;
        break;
      case Option::kVerbose:
        engine.flags.verbose = 1;
        break;
      case Option::kStepExecution:
        engine.flags.stepExecution = 1;
        break;
      case Option::kFileCommand:
        CopyBounded(request.fileCommand, sizeof request.fileCommand, value);
        break;
      case Option::kDirCommand:
        CopyBounded(request.dirCommand, sizeof request.dirCommand, value);
        break;
      case Option::kEnvironment:
        environment = value;
        break;
      case Option::kOutFile:
        if (!OpenOutput(engine, request.resultFile, request.resultFileName, value)) {
          ShowMessage("Cannot create output file '%s'.", kStyleError, value);
          result = kParseRejected;
        }
        break;
      case Option::kBatchFile:
        if (!OpenOutput(engine, request.batchFile, request.batchFileName, value)) {
          ShowMessage("Cannot create batch file '%s'.", kStyleError, value);
          result = kParseRejected;
        }
        break;
    }
    if (result != kParseGo) return result;
  }
  return SetUpRun(engine, startDirectory, startGiven, environment);
}

}  // namespace zaltor
