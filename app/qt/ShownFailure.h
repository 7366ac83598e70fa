// A cycle's failure as the window tells it: in the user's language, while the outcome that the
// cli prints keeps the core's English.
#pragma once

#include "app/CycleOutcome.h"

namespace stormbell {

/// `outcome` with its Message in the user's words; one that did not fail, or whose cause is no
/// std::exception, is given back as it is. Never throws but for a failed allocation.
CycleOutcome InShownWords(CycleOutcome outcome);

} // namespace stormbell
