#include "framework/thread.h"
#include "framework/thread_language.h"
#include <process.h>

CWinThread::~CWinThread() {
    if (m_hThread) ::CloseHandle(m_hThread);
}

unsigned __stdcall CWinThread::Entry(void* self) {
    auto* thread = static_cast<CWinThread*>(self);
    UINT result = 0;
    fw::ApplyProgramLanguage();
    try {
        result = thread->m_proc(thread->m_param);
    } catch (...) {
        result = 1;
    }
    delete thread;
    return result;
}

CWinThread* AfxBeginThread(AFX_THREADPROC proc, LPVOID param, DWORD createFlags) {
    auto* thread = new CWinThread(proc, param);
    unsigned id = 0;
    // Started suspended so the handle and id are stored before the worker can finish and delete the object.
    uintptr_t handle = _beginthreadex(nullptr, 0, &CWinThread::Entry, thread, CREATE_SUSPENDED, &id);
    if (!handle) {
        delete thread;
        return nullptr;
    }
    thread->m_hThread = reinterpret_cast<HANDLE>(handle);
    thread->m_nThreadID = id;
    if (!(createFlags & CREATE_SUSPENDED)) thread->ResumeThread();
    return thread;
}
