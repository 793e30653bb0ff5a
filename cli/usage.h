// zaltor-cli's usage text: its own flags, then every search option as the
// option table describes it.
#pragma once

#include <string>

namespace zaltor {

std::string UsageText();

}  // namespace zaltor
