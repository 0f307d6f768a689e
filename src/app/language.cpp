#include "app/language.h"

const char* LanguageForPrimaryLanguage(unsigned primaryLanguageId) {
    switch (primaryLanguageId & 0x3FF) {
    case 0x07: return "German";
    case 0x0A: return "Spanish";
    case 0x0C: return "French";
    case 0x10: return "Italian";
    case 0x13: return "Dutch";
    case 0x14: return "Norwegian";
    case 0x1D: return "Swedish";
    default: return "English";
    }
}
