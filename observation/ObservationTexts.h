// Every text the decoder and the needle sweep show the user, in one table. The desktop shows
// them through the catalogues' "Messages" context; the longer ones by their start.
#pragma once

#include "platform/ShownText.h"

namespace stormbell::texts {

inline constexpr const char* CannotAssignLog =
    STORMBELL_TEXT("Messages", "Cannot ASSIGN METAR.LOG.");
inline constexpr const char* CannotAssignTmp =
    STORMBELL_TEXT("Messages", "Cannot ASSIGN METAR.TMP.");
inline constexpr const char* CannotCreateTmp =
    STORMBELL_TEXT("Messages", "Cannot CREATE METAR.TMP.");
inline constexpr const char* CannotCreateLog =
    STORMBELL_TEXT("Messages", "Cannot CREATE METAR.LOG.");
/// The lock file beside the log cannot be opened as a regular file or locked.
inline constexpr const char* CannotLockLog = STORMBELL_TEXT("Messages", "Cannot LOCK METAR.LOG.");
/// Followed by the system's reason; both files are left as they are.
inline constexpr const char* CannotReplaceLog = STORMBELL_TEXT(
    "Messages", "Cannot replace METAR.LOG with METAR.TMP; both files were left as they are: ");
/// Followed by the file name and the system's reason.
inline constexpr const char* CannotReadLog = STORMBELL_TEXT("Messages", "Cannot read ");
inline constexpr const char* CannotWriteLog = STORMBELL_TEXT("Messages", "Cannot write ");
inline constexpr const char* SweepCompleted = STORMBELL_TEXT("Status", "Completed");

} // namespace stormbell::texts
