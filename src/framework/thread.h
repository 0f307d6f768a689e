// Worker threads in the framework's shape: one pointer-sized argument, the object deletes itself at the end.
// Each starts in the program's language (framework/thread_language.h).
#pragma once
#include <windows.h>

using AFX_THREADPROC = UINT (*)(LPVOID);

class CWinThread {
public:
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    DWORD ResumeThread() const { return ::ResumeThread(m_hThread); }

private:
    friend CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, DWORD createFlags);
    CWinThread(AFX_THREADPROC proc, LPVOID param) : m_proc(proc), m_param(param) {}
    ~CWinThread();
    static unsigned __stdcall Entry(void* self);

    AFX_THREADPROC m_proc;
    LPVOID m_param;
};

// Returns null when the thread could not be started. The returned object is gone once the thread ends,
// so callers keep it only as a token of a running worker. With CREATE_SUSPENDED the caller can store the
// token before the worker runs (and could clear it), then calls ResumeThread.
CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, DWORD createFlags = 0);
