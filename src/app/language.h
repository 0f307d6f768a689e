// The language named to the appliance, from the primary language of the system's default locale.
#pragma once

const char* LanguageForPrimaryLanguage(unsigned primaryLanguageId);
