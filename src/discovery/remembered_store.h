// The remembered appliances in the user's part of the registry, one value per appliance.
#pragma once
#include "discovery/remembered_appliances.h"

// Under HKEY_CURRENT_USER.
extern const char kRememberedAppliancesKey[];

// Values that do not decode are left out; nothing stored gives an empty list.
RememberedAppliances LoadRememberedAppliances();

// Replaces what was stored; false when the key cannot be written.
bool SaveRememberedAppliances(const RememberedAppliances& appliances);
