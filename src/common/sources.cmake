qm_windows_sources(common/text_compare_win.cpp)
qm_portable_sources(common/network_names.cpp)
