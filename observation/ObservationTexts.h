// Every text the decoder and the needle sweep show the user, in one table.
#pragma once

#include "platform/ShownText.h"

namespace stormbell::texts {

inline constexpr const char* CannotAssignLog = "Cannot ASSIGN METAR.LOG.";
inline constexpr const char* CannotAssignTmp = "Cannot ASSIGN METAR.TMP.";
inline constexpr const char* CannotCreateTmp = "Cannot CREATE METAR.TMP.";
inline constexpr const char* CannotCreateLog = "Cannot CREATE METAR.LOG.";
/// The lock file beside the log cannot be opened as a regular file or locked.
inline constexpr const char* CannotLockLog = "Cannot LOCK METAR.LOG.";
/// Followed by the system's reason; both files are left as they are.
inline constexpr const char* CannotReplaceLog =
    "Cannot replace METAR.LOG with METAR.TMP; both files were left as they are: ";
/// Followed by the file name and the system's reason.
inline constexpr const char* CannotReadLog = "Cannot read ";
inline constexpr const char* CannotWriteLog = "Cannot write ";
inline constexpr const char* SweepCompleted = STORMBELL_TEXT("Status", "Completed");

} // namespace stormbell::texts
