// The language variant every thread of the program loads its texts and dialogs in. Windows' resource loader
// follows the thread's UI language, older Windows and Wine its locale, and a new thread starts with the
// user's defaults: so each thread gets the program's choice before it loads anything.
#pragma once
#include <windows.h>

namespace fw {
// Gives `locale` to the calling thread and to every thread AfxBeginThread starts from now on.
void SetProgramLanguage(LCID locale);
// Gives the calling thread the program's language; nothing when none was chosen.
void ApplyProgramLanguage();
}  // namespace fw
