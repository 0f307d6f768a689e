qm_portable_sources(copy/copy_estimate.cpp copy/copy_names.cpp copy/copy_progress.cpp copy/drop_routing.cpp
                    copy/media_extensions.cpp)
qm_windows_sources(copy/copy_counter.cpp copy/copy_exception.cpp copy/copy_progress_dlg.cpp
                   copy/copy_progress_thread.cpp copy/copy_queue.cpp copy/copy_worker.cpp
                   copy/file_copier.cpp copy/file_finisher.cpp copy/file_identity.cpp copy/file_transfer.cpp
                   copy/wide_text.cpp)
list(APPEND QM_EXTRA_LIBS shlwapi)
