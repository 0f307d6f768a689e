#include "copy/copy_progress_dlg.h"
#include "common/art_sizes.h"
#include "copy/copy_estimate.h"
#include "framework/app.h"
#include "framework/dpi.h"
#include "framework/resource_strings.h"
#include "res/resource_copy.h"
#include <commctrl.h>
#include <shlwapi.h>

namespace {
constexpr UINT_PTR kTimerRefresh = 1;
constexpr UINT kRefreshMs = 250;

std::string ByteSize(uint64_t bytes) {
    char text[64] = {};
    ::StrFormatByteSize64A(static_cast<LONGLONG>(bytes), text, sizeof text);
    return text;
}

std::string Duration(int64_t seconds) {
    char text[64] = {};
    // Whole seconds below a minute, whole minutes above it.
    const DWORD ms = static_cast<DWORD>(seconds < 60 ? seconds * 1000 : (seconds + 30) / 60 * 60000);
    ::StrFromTimeIntervalA(text, sizeof text, ms, seconds < 60 ? 2 : 3);
    std::string result = text;
    result.erase(0, result.find_first_not_of(' '));
    return result;
}

}  // namespace

CCopyProgressDlg::CCopyProgressDlg(std::shared_ptr<CopyBatch> batch)
    : CDialog(IDD_COPY_PROGRESS), m_batch(std::move(batch)) {}

void CCopyProgressDlg::Run(HWND owner) {
    CWnd ownerWindow;
    ownerWindow.Attach(owner);
    if (!Create(m_templateId, &ownerWindow)) return;
    MSG msg;
    while (m_hWnd && ::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (m_hWnd && ::IsDialogMessageA(m_hWnd, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

BOOL CCopyProgressDlg::OnInitDialog() {
    CenterWindow();
    m_startTick = ::GetTickCount64();
    ::SetDlgItemTextA(m_hWnd, IDC_COPY_STATUS, m_batch->progress.StatusText().c_str());
    if (IsBatchFinished()) {
        Close();
        return TRUE;
    }
    // One drawing per scaling: the control shows an animation at its own size, never stretched.
    const UINT drawings[] = {IDR_COPY_ANIMATION, IDR_COPY_ANIMATION_144, IDR_COPY_ANIMATION_192};
    const UINT drawing = drawings[art_sizes::ScaleStep(fw::WindowDpi(m_hWnd))];
    ::SendDlgItemMessageA(m_hWnd, IDC_COPY_ANIMATION, ACM_OPENA, reinterpret_cast<WPARAM>(AfxGetInstanceHandle()),
                          reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(drawing)));
    ::SendDlgItemMessageA(m_hWnd, IDC_COPY_ANIMATION, ACM_PLAY, static_cast<WPARAM>(-1), MAKELONG(0, 0xFFFF));
    ShowFigures();
    SetTimer(kTimerRefresh, kRefreshMs);
    return TRUE;
}

void CCopyProgressDlg::OnTimer(UINT_PTR id) {
    if (id != kTimerRefresh) return;
    if (IsBatchFinished()) {
        Close();
        return;
    }
    ::SetDlgItemTextA(m_hWnd, IDC_COPY_STATUS, m_batch->progress.StatusText().c_str());
    ShowFigures();
}

void CCopyProgressDlg::ShowFigures() {
    const CopyFigures figures = m_batch->progress.Figures();
    const std::string filesDone = std::to_string(figures.filesDone);
    const std::string filesTotal = std::to_string(figures.filesTotal);
    const std::string bytesDone = ByteSize(figures.bytesDone);
    const std::string bytesTotal = ByteSize(figures.bytesTotal);
    const int64_t secondsLeft = EstimateSecondsLeft(figures, ::GetTickCount64() - m_startTick);
    const std::string text =
        secondsLeft < 0 ? FormatResString(IDS_COPY_FIGURES, filesDone, filesTotal, bytesDone, bytesTotal)
                        : FormatResString(IDS_COPY_FIGURES_TIME_LEFT, filesDone, filesTotal, bytesDone, bytesTotal,
                                          Duration(secondsLeft));
    ::SetDlgItemTextA(m_hWnd, IDC_COPY_FIGURES, text.c_str());
    ::SendDlgItemMessageA(m_hWnd, IDC_COPY_PROGRESS_BAR, PBM_SETPOS, static_cast<WPARAM>(ProgressPercent(figures)), 0);
}

void CCopyProgressDlg::OnCancel() {
    m_batch->progress.Cancel();
    Close();
}

bool CCopyProgressDlg::IsBatchFinished() const { return m_batch->finished; }

void CCopyProgressDlg::Close() {
    KillTimer(kTimerRefresh);
    ::SendDlgItemMessageA(m_hWnd, IDC_COPY_ANIMATION, ACM_STOP, 0, 0);
    DestroyWindow();
}
