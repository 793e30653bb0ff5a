// Drive paths resolved the Windows way, and their host names.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/drive_table.h"

namespace zaltor {

// The current directory of each drive (index 0 for A:) as a normalised drive
// path ("C:\docs"); an empty entry stands for the drive's root.
using DriveDirectories = std::array<std::string, 26>;

// The drive number (1 to 26) of a drive letter in either case, or 0.
int DriveNumber(char letter);

// The drive number (1 to 26) a path names with a leading "X:", or 0.
int ExplicitDrive(std::string_view path);

// Resolves a drive-absolute ("C:\docs"), drive-relative ("C:docs"), rooted
// ("\docs") or relative ("docs\sub") path against the current drive and the
// current directories; '/' separates like '\', "." and ".." are applied (".."
// at a root stays there); repeated separators count as one. The result is
// normalised: "C:\docs\sub", a root "C:\". False for an empty path, a "X:"
// whose X is not a letter, or a path without a drive that starts with two
// separators (a network name, which no drive holds).
bool ResolveDrivePath(std::string_view path, int currentDrive, const DriveDirectories& currentDirs,
                      std::string* out);

// The host path of a normalised drive path; empty when its drive is not mapped.
std::string HostPathOf(const DriveTable& table, std::string_view drivePath);

// The drive path of an absolute host path, through the mapped directory that
// holds it most closely (the longest one; the lower letter on a tie); empty
// when no drive holds it. Host names holding '\' cannot be told apart from
// two names in a drive path; they are passed through as they are.
std::string DrivePathOf(const DriveTable& table, std::string_view hostPath);

}  // namespace zaltor
