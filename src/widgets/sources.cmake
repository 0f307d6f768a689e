qm_portable_sources(widgets/button_layout.cpp widgets/device_list_layout.cpp widgets/icon_dimming.cpp)
qm_windows_sources(widgets/device_images.cpp widgets/device_list_ctrl.cpp widgets/drop_items.cpp widgets/icon_button.cpp widgets/lazy_tree_ctrl.cpp widgets/noted_row_paint.cpp)
