#include "engine/messages.h"

#include <cstdarg>
#include <cstring>
#include <string>

#include "engine/front_end.h"

namespace zaltor {

namespace {

void FormatInto(char (&buffer)[kMessageBuffer], const char* format, va_list args) {
  std::vsnprintf(buffer, sizeof buffer, format, args);
}

}  // namespace

int ShowMessage(const char* format, unsigned style, ...) {
  if (format == nullptr) return 0;
  char text[kMessageBuffer];
  va_list args;
  va_start(args, style);
  FormatInto(text, format, args);
  va_end(args);
  return DialogMessageBox(text, style);
}

void ShowStatus(const char* format, ...) {
  if (format == nullptr) return;
  char text[kMessageBuffer];
  va_list args;
  va_start(args, format);
  FormatInto(text, format, args);
  va_end(args);
  SetStatusText(text);
}

void ReportError(std::FILE* stream, const char* format, ...) {
  if (format == nullptr) return;
  static constexpr char kPrefix[] = "Error:";
  char text[kMessageBuffer];
  std::memcpy(text, kPrefix, sizeof kPrefix);
  va_list args;
  va_start(args, format);
  std::vsnprintf(text + sizeof kPrefix - 1, sizeof text - (sizeof kPrefix - 1), format, args);
  va_end(args);
  if (stream != nullptr) {
    std::fputs(text, stream);
    std::fflush(stream);
  }
  SetStatusText(text);
}

int AskStop() { return ShowMessage("%s", kStyleStopQuestion, "Stop searching for file(s)?"); }

void WriteTimeStamp(SearchEngine& engine, int started, std::FILE* stream) {
  std::time_t now = engine.fs.Now();
  if (stream == nullptr) stream = stdout;
  std::fputs(started ? "STARTED" : "ENDED", stream);
  std::tm local{};
  std::string when = engine.fs.LocalTime(now, &local) ? CTimeText(local) : std::string("\n");
  std::fprintf(stream, " ON %s\n", when.c_str());
  std::fflush(stream);
}

void ReportFieldError(const char* valueText, const char* label, int controlId) {
  ShowMessage("Illegal value '%s' for '%s' text field.\nPlease correct.", kStyleError, valueText,
              label);
  FocusControl(controlId);
}

}  // namespace zaltor
