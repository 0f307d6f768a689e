qm_windows_sources(framework/app.cpp framework/dialog.cpp framework/list_ctrl.cpp framework/resource_strings.cpp
                   framework/thread.cpp framework/wnd.cpp)
