qm_portable_sources(platform/unc_name.cpp)
qm_windows_sources(platform/free_drive_letter.cpp platform/map_drive_dialog.cpp platform/remembered_connections.cpp
                   platform/share_export.cpp platform/wine_drives.cpp
                   platform/wine_network.cpp platform/wnet_table.cpp)
list(APPEND QM_EXTRA_LIBS mpr)
