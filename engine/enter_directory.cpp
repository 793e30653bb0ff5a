#include "engine/enter_directory.h"

#include <cstring>

#include "engine/front_end.h"
#include "engine/messages.h"
#include "platform/drive_path.h"

namespace zaltor {

WalkResult EnterDirectory(SearchEngine& engine, const char* path) {
  if (std::strchr(path, ':') != nullptr && engine.fs.ChDrive(DriveNumber(path[0])) != kFsOk) {
    ShowMessage("Invalid drive '%c:' specified in file pattern! Search stopped!\n", kStyleError,
                path[0]);
    return kWalkStop;
  }
  if (engine.fs.ChDir(path) == kFsOk) return kWalkDone;
  int answer = ShowMessage("Cannot change to directory '%s'!\nContinue?", kStyleErrorQuestion, path);
  return answer == kIdNo ? kWalkStop : kWalkSkipped;
}

}  // namespace zaltor
