qm_portable_sources(shares/check_rules.cpp shares/share_names.cpp)
qm_windows_sources(shares/desktop_shortcut.cpp shares/drive_mapping.cpp shares/mapped_drives.cpp
                   shares/share_item_data.cpp shares/share_listing.cpp shares/share_tree_ctrl.cpp)
