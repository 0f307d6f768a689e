// Under Wine, our programs broadcast only inside the workstation namespace that the test bed made: the test
// bed names that namespace in QM_TESTBED_NETNS (its inode number), and a process elsewhere refuses to run.
#pragma once
#include <string>

bool IsRunningUnderWine();

// Empty when this process may use the network (on Windows always); else why it must not.
std::string TestBedRefusal();
