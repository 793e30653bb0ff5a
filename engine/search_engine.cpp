#include "engine/search_engine.h"

#include <cstdlib>

namespace zaltor {

SearchEngine::~SearchEngine() { std::free(request.contentBytes); }

SearchEngine& ProcessEngine() {
  static SearchEngine engine(HostFileSystem());
  return engine;
}

}  // namespace zaltor
