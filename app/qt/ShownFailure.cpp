#include "app/qt/ShownFailure.h"

#include "app/CycleFailure.h"
#include "platform/qt/QtWording.h"

#include <exception>

namespace stormbell {

CycleOutcome InShownWords(CycleOutcome outcome) {
    if (!outcome.FailedAt || !outcome.Cause)
        return outcome;
    try {
        std::rethrow_exception(outcome.Cause);
    } catch (const std::exception& error) {
        outcome.Message = CycleFailureMessage(*outcome.FailedAt, outcome.Place, error, QtWording());
    } catch (...) {
    }
    return outcome;
}

} // namespace stormbell
