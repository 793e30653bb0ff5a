// A SearchHarness whose engine reads files through a FaultFileSystem.
#pragma once

#include <memory>
#include <string>

#include "reliability/fault_file_system.h"
#include "support/search_harness.h"

namespace zaltor::testing {

struct FaultHarness {
  explicit FaultHarness(const std::string& extraDrives = "") : h(extraDrives), fault(*h.fs) {
    h.engine = std::make_unique<SearchEngine>(fault);
  }
  ~FaultHarness() { h.engine.reset(); }

  SearchHarness h;
  FaultFileSystem fault;
};

}  // namespace zaltor::testing
