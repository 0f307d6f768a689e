qm_portable_sources(common/art_sizes.cpp common/network_names.cpp)
qm_windows_sources(common/text_compare_win.cpp)
