// The stand-in for mpr under Wine: servers and shares are Wine's UNC namespace, connections are Wine
// drive letters remembered under HKCU\Network.
#pragma once
#include "platform/wnet_table.h"

// The provider the stand-in names for every resource, as Windows names its SMB network.
extern const char kWindowsNetworkProvider[];

WNetTable WineWNetTable();
