// Works ahead of the walk's order for a content search: lists the
// directories the pending stack says come next and queues their candidate
// files with the content reader, so that helpers read them while the walk
// is still elsewhere. Nothing here writes, asks or reports: the walk lists
// each directory again when it gets there and acts on that listing alone,
// taking from the reader only what it found of the files still listed.
#pragma once

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "engine/content/content_reader.h"
#include "engine/search_engine.h"

namespace zaltor {

class WalkAhead {
 public:
  // helpers: the reader's threads, all reading only while reads wait.
  WalkAhead(SearchEngine& engine, int helpers) : engine(engine), helpers(helpers) {}
  // Ends the reader, if started, and takes it from the engine.
  ~WalkAhead();
  WalkAhead(const WalkAhead&) = delete;
  WalkAhead& operator=(const WalkAhead&) = delete;

  // Starts the reader if it is not yet (the engine's contentReader from
  // then on), lists the directories to be visited next that are not yet
  // listed, within the window, and has every helper read while reads wait
  // for the device. The engine's current directory is left as it was.
  void ListNext();
  // The walk has taken directory off the stack, to visit it or not: what
  // was queued for it is dropped once the visit (if any) is over.
  void Taken(const std::string& directory);

 private:
  // The candidate files of directory, at most room of them.
  std::vector<std::string> ListAhead(const std::string& directory, std::size_t room);

  SearchEngine& engine;
  const int helpers;
  std::unique_ptr<ContentReader> reader;
  std::unordered_set<std::string> listed;  // pending directories listed ahead
  bool filling = true;                     // the window is being filled
};

}  // namespace zaltor
