// Messages, status texts, error lines, the stop question, a refused field's
// report and the time stamps of the result file.
#pragma once

#include <cstdio>

#include "engine/search_engine.h"

namespace zaltor {

// Formatted texts are built in a buffer of this size; a longer text is cut.
constexpr int kMessageBuffer = 4096;

// Formats the text and shows it in a message box of the given style; returns
// the answer, or 0 when the format is missing.
int ShowMessage(const char* format, unsigned style, ...) __attribute__((format(printf, 1, 3)));

// Formats the text into the status line.
void ShowStatus(const char* format, ...) __attribute__((format(printf, 1, 2)));

// "Error:" and the formatted text, written verbatim to the stream (when set)
// and flushed, then shown in the status line.
void ReportError(std::FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));

// "Stop searching for file(s)?"; the caller stops on kIdYes.
int AskStop();

// "STARTED ON <ctime>" or "ENDED ON <ctime>"; standard output when no
// stream is given.
void WriteTimeStamp(SearchEngine& engine, int started, std::FILE* stream);

// "Illegal value ..." for a criterion field, then the focus to its control.
void ReportFieldError(const char* valueText, const char* label, int controlId);

}  // namespace zaltor
