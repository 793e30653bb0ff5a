#include "engine/search_engine.h"

namespace zaltor {

SearchEngine& ProcessEngine() {
  static SearchEngine engine(HostFileSystem());
  return engine;
}

}  // namespace zaltor
