qm_windows_sources(framework/app.cpp framework/button.cpp framework/com_apartment.cpp framework/dialog.cpp framework/dpi.cpp framework/internet_session.cpp framework/list_ctrl.cpp
                   framework/message_pump.cpp
                   framework/message_reflection.cpp framework/resource_strings.cpp framework/rich_edit_ctrl.cpp
                   framework/test_bed_guard.cpp framework/thread.cpp framework/thread_language.cpp framework/tooltip_ctrl.cpp framework/tree_ctrl.cpp framework/window_link.cpp
                   framework/wnd.cpp)
