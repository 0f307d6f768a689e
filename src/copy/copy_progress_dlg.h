// The progress window of one batch of copies: what is being copied where, files and bytes done of all,
// the time left, a bar, and Cancel, which stops the batch and the file being copied.
#pragma once
#include "copy/copy_job.h"
#include "framework/dialog.h"
#include <memory>

class CCopyProgressDlg : public CDialog {
public:
    explicit CCopyProgressDlg(std::shared_ptr<CopyBatch> batch);

    // Shows the window owned by `owner` and runs this thread's messages until it has closed: when the
    // batch is finished or the user cancelled it. The owner stays usable meanwhile.
    void Run(HWND owner);

protected:
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    void OnCancel() override;
    void OnOK() override {}

private:
    bool IsBatchFinished() const;
    void ShowFigures();
    void Close();

    std::shared_ptr<CopyBatch> m_batch;
    ULONGLONG m_startTick = 0;
};
