#include "framework/thread_language.h"
#include <atomic>

namespace {
std::atomic<LCID> g_programLocale{0};
}  // namespace

namespace fw {
void SetProgramLanguage(LCID locale) {
    g_programLocale = locale;
    ApplyProgramLanguage();
}

void ApplyProgramLanguage() {
    const LCID locale = g_programLocale;
    if (!locale) return;
    ::SetThreadLocale(locale);
    ::SetThreadUILanguage(LANGIDFROMLCID(locale));
}
}  // namespace fw
