// The writers of the result file and the batch file.
#pragma once

#include <ctime>
#include <string>

#include "engine/search_engine.h"
#include "zaltor/version.h"

namespace zaltor {

// Version text written into both headers.
inline constexpr char kVersionText[] = "V" ZALTOR_VERSION;

// Whether a name or directory is written inside double quotes: it holds a
// blank or one of & | < > ^ ( ) , ; = %.
bool NeedsQuotes(const char* text);
// text, inside double quotes when NeedsQuotes says so.
std::string QuoteName(const char* text);
// False for a name with a control character, a backslash or a double quote,
// which cannot be written into either file without changing what the line
// says.
bool IsWritableName(const char* name);
// A name as a batch line holds it: '%' doubled, so cmd reads it as it is.
std::string BatchText(const std::string& text);

// The lines that head the result file and the batch file.
void WriteResultHeader(SearchEngine& engine);
void WriteBatchHeader(SearchEngine& engine);

// "SET" lines for the "+"-separated assignments of value (none when already
// written in this run); false on a missing value or a rejected assignment.
bool WriteEnvironmentLines(SearchEngine& engine, const char* value);

// Text buffers of FormatEntryTime: "01/05/2003" and "02:07p".
constexpr int kDateText = 11;
constexpr int kTimeText = 7;

// Listing block header (when the directory changes) and listing line of the
// entry; false when the entry is missing.
bool ListEntry(SearchEngine& engine, const char* directory, const FindData* entry);
// The date and time columns of the listing; false when a text buffer is
// missing.
bool FormatEntryTime(SearchEngine& engine, std::time_t time, char* dateText, char* timeText);

// The template with every "%f"-like token replaced, in the engine's
// substitution buffer; nullptr when an argument is missing or the template
// does not hold the token.
const char* SubstituteToken(SearchEngine& engine, const char* templ, const char* token,
                            const char* replacement);

}  // namespace zaltor
