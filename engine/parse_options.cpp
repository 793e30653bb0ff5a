#include "engine/parse_options.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "engine/content/hex_text.h"
#include "engine/front_end.h"
#include "engine/criteria/attributes.h"
#include "engine/messages.h"
#include "engine/options.h"
#include "engine/output/output_files.h"
#include "engine/text_compare.h"
#include "engine/text_copy.h"
#include "platform/drive_path.h"

namespace zaltor {

namespace {

// Opens an output stream for /outfile or /batchfile; a stream of an earlier
// occurrence of the same option is closed, its file left in place.
bool OpenOutput(FileSystem& fs, std::FILE*& stream, std::string& streamName, const char* path) {
  std::FILE* opened = fs.OpenTextForWrite(path);
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

// What the options leave for the start of the run.
struct RunStart {
  char startDirectory[kMaxPath] = {};
  bool startGiven = false;
  const char* environment = nullptr;
};

ParseResult OpenResultFile(SearchRequest& request, FileSystem& fs, const char* path) {
  if (OpenOutput(fs, request.resultFile, request.resultFileName, path)) return kParseGo;
  ShowMessage("Cannot create output file '%s'.", kStyleError, path);
  return kParseRejected;
}

ParseResult OpenBatchFile(SearchRequest& request, FileSystem& fs, const char* path) {
  if (OpenOutput(fs, request.batchFile, request.batchFileName, path)) return kParseGo;
  ShowMessage("Cannot create batch file '%s'.", kStyleError, path);
  return kParseRejected;
}

ParseResult SetAttributes(SearchRequest& request, char* value) {
  request.attrMask = 0;
  return ParseAttributeCriterion(&request.attrMask, &request.attrMode, value) ? kParseGo : kParseRejected;
}

// One option and its value (nullptr for an option without one) into the
// engine's state.
ParseResult ApplyOption(SearchEngine& engine, Option option, char* value, RunStart& start) {
  SearchRequest& request = engine.request;
  switch (option) {
    case Option::kPattern:
      ApplyFilePattern(engine, value, start.startDirectory);
      start.startGiven = true;
      return kParseGo;
    case Option::kMatchName:
      CopyBounded(request.exactName, sizeof request.exactName, value);
      return kParseGo;
    case Option::kContent:
      return SetContent(request, value);
    case Option::kDate:
      return ParseDateOption(engine, value);
    case Option::kTime:
      return ParseTimeOption(engine, value);
    case Option::kSize:
      return ParseSizeOption(engine, value);
    case Option::kAttributes:
      return SetAttributes(request, value);
    case Option::kRecurse:
      engine.flags.recurseSubdirs = 1;
      return kParseGo;
    case Option::kVerbose:
      engine.flags.verbose = 1;
      return kParseGo;
    case Option::kStepExecution:
      engine.flags.stepExecution = 1;
      return kParseGo;
    case Option::kFileCommand:
      CopyBounded(request.fileCommand, sizeof request.fileCommand, value);
      return kParseGo;
    case Option::kDirCommand:
      CopyBounded(request.dirCommand, sizeof request.dirCommand, value);
      return kParseGo;
    case Option::kEnvironment:
      start.environment = value;
      return kParseGo;
    case Option::kOutFile:
      return OpenResultFile(request, engine.fs, value);
    case Option::kBatchFile:
      return OpenBatchFile(request, engine.fs, value);
  }
  return kParseGo;
}

// The start drive and directory: the current ones when no pattern named
// them. Pushes the start directory when it exists.
ParseResult CheckStart(SearchEngine& engine, RunStart& start) {
  if (!start.startGiven) {
    if (engine.fs.GetCwd(start.startDirectory, kMaxPath) == nullptr) {
      ShowMessage("Cannot get the working directory!", kStyleError);
      return kParseRejected;
    }
  } else if (engine.fs.ChDrive(DriveNumber(start.startDirectory[0])) != kFsOk) {
    ShowMessage("Drive '%c:' does not exist or is inactive/restricted!", kStyleError,
                start.startDirectory[0]);
    return kParseRejected;
  }
  StatData stat;
  if (engine.fs.Stat(start.startDirectory, &stat) != kFsOk) {
    ShowMessage("Directory specified in file pattern does not exist!", kStyleError);
    return kParseRejected;
  }
  engine.pendingDirs.push(start.startDirectory);
  return kParseGo;
}

// The headers of both files and the batch file's environment lines.
ParseResult WriteHeaders(SearchEngine& engine, const char* environment) {
  SearchRequest& request = engine.request;
  if (request.resultFile != nullptr) WriteResultHeader(engine);
  if (request.batchFile != nullptr) {
    WriteBatchHeader(engine);
    if (environment != nullptr && !WriteEnvironmentLines(engine, environment)) {
      return kParseRejected;
    }
  }
  return kParseGo;
}

// The state a run starts from: every option at its default.
void StartRequest(SearchEngine& engine) {
  engine.flags = RunFlags();
  ResetRequest(engine);
  engine.lastListedDirectory[0] = '\0';
  engine.request.attrMask = kAttrAll;
  engine.request.resultFile = stdout;
}

}  // namespace

void ResetRequest(SearchEngine& engine) { engine.request = SearchRequest(); }

ParseResult ParseOptions(SearchEngine& engine, int count, char** vector) {
  StartRequest(engine);
  RunStart start;
  if (count < 2) count = 0;
  for (int i = 0; i < count; ++i) {
    const OptionDefinition* option = FindOption(vector[i]);
    if (option == nullptr) {
      ShowMessage("Unknown option '%s'.\n", kStyleError, vector[i]);
      continue;
    }
    char* value = nullptr;
    if (option->valueName != nullptr) {
      if (i + 1 >= count) return kParseRejected;
      value = vector[++i];
    }
    const ParseResult result = ApplyOption(engine, option->option, value, start);
    if (result != kParseGo) return result;
  }
  const ParseResult result = CheckStart(engine, start);
  return result != kParseGo ? result : WriteHeaders(engine, start.environment);
}

}  // namespace zaltor
