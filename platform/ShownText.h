// Marks a fixed text that a person reads. The core keeps it in English, as the cli, the log and
// the tests read it; the desktop shows it in the user's language, looked up by context and text.
#pragma once

#define STORMBELL_TEXT(context, text) text
