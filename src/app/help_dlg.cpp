#include "app/help_dlg.h"
#include "app/help_document.h"
#include "app/rtf_sections.h"
#include "framework/app.h"
#include "res/resource.h"

CHelpDlg* CHelpDlg::Open(CWnd* owner, int helpResourceId, std::vector<HelpSection> added) {
    auto* help = new CHelpDlg(owner, helpResourceId, std::move(added));
    if (help->Create()) return help;
    // A window that was never made never reaches PostNcDestroy.
    delete help;
    return nullptr;
}

CHelpDlg::CHelpDlg(CWnd* owner, int helpResourceId, std::vector<HelpSection> added)
    : CDialog(IDD_HELP),
      m_smallIcon(static_cast<HICON>(::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDI_HELP_BUTTON),
                                                  IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                  ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR))),
      m_nHelpResourceId(helpResourceId),
      m_added(std::move(added)),
      m_pOwner(owner) {}

bool CHelpDlg::Create() { return CDialog::Create(IDD_HELP, m_pOwner); }

BOOL CHelpDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_smallIcon.get()));

    const RECT empty = {0, 0, 0, 0};
    // No horizontal scroll bar: the text wraps to the view, so it would never scroll, yet it took the height
    // of the last line. Wrapping to the view is also what the width search measures.
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_READONLY | ES_MULTILINE;
    if (!m_richEdit.Create(style, empty, this, 0)) return TRUE;
    m_richEdit.SendMessage(EM_SETTARGETDEVICE, 0, 0);
    m_richEdit.SetBackgroundColor(::GetSysColor(COLOR_INFOBK));
    m_richEdit.SetOptions(ECOOP_SET, ECO_AUTOWORDSELECTION | ECO_READONLY | ECO_SAVESEL);

    // A missing document leaves the window at its template size with an empty view.
    if (!LoadDocument()) return TRUE;
    if (!m_added.empty()) m_strDocument = AppendRtfSections(m_strDocument, m_added);
    StreamDocument();
    m_nRequestedWidth = 0;
    m_nRequestedHeight = 0;
    m_richEdit.SetEventMask(ENM_REQUESTRESIZE);
    FitToContent();
    return TRUE;
}

bool CHelpDlg::LoadDocument() {
    const HINSTANCE instance = AfxGetInstanceHandle();
    HRSRC resource = ::FindResourceA(instance, MAKEINTRESOURCEA(m_nHelpResourceId), "BIN");
    if (!resource) return false;
    HGLOBAL loaded = ::LoadResource(instance, resource);
    if (!loaded) return false;
    const void* bytes = ::LockResource(loaded);
    if (!bytes) return false;
    m_strDocument.assign(static_cast<const char*>(bytes), ::SizeofResource(instance, resource));
    return true;
}

void CHelpDlg::StreamDocument() {
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&m_strDocument);
    stream.pfnCallback = &CHelpDlg::StreamCallback;
    m_richEdit.StreamIn(SF_RTF, stream);
}

DWORD CALLBACK CHelpDlg::StreamCallback(DWORD_PTR cookie, LPBYTE buffer, LONG capacity, LONG* transferred) {
    auto* document = reinterpret_cast<std::string*>(cookie);
    *transferred = static_cast<LONG>(
        TakeDocumentPiece(*document, reinterpret_cast<char*>(buffer), static_cast<size_t>(capacity)));
    return 0;
}

ContentSize CHelpDlg::ScreenClientSize() const {
    return {::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN)};
}

// Lays the text out in a one-pixel-high view of the given width; the view answers with the size it wants.
ContentSize CHelpDlg::ProbeContentSize(int width) {
    const RECT probe = {0, 0, width, 1};
    m_richEdit.MoveWindow(probe, true);
    m_richEdit.SetRect(probe);
    m_richEdit.RequestResize();
    return {m_nRequestedWidth, m_nRequestedHeight};
}

void CHelpDlg::FitToContent() {
    const ContentSize screen = ScreenClientSize();
    const ContentSize probed =
        FindHelpContentSize(screen.width, [this](int width) { return ProbeContentSize(width); });
    const ContentSize view = HelpViewSize(probed, ::GetSystemMetrics(SM_CYMENUSIZE),
                                          ::GetSystemMetrics(SM_CXVSCROLL), screen.height);
    m_nRequestedWidth = view.width;
    m_nRequestedHeight = view.height;

    const RECT viewRect = {2, 2, 2 + view.width, 2 + view.height};
    m_richEdit.MoveWindow(viewRect, true);
    SetFormatToView();

    RECT work = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    ::MoveWindow(m_hWnd, work.left, work.top, view.width + kHelpFrameWidth, view.height + kHelpFrameHeight, TRUE);
}

// The formatting rectangle is in the view's own client coordinates; one that reached past the client area
// would hide the ends of the lines behind a horizontal scroll bar.
void CHelpDlg::SetFormatToView() {
    RECT client = {};
    ::GetClientRect(m_richEdit.m_hWnd, &client);
    m_richEdit.SetRect(client);
}

bool CHelpDlg::OnNotify(NMHDR* header, LRESULT& result) {
    if (header->hwndFrom != m_richEdit.m_hWnd || header->code != EN_REQUESTRESIZE) return false;
    const RECT& wanted = reinterpret_cast<REQRESIZE*>(header)->rc;
    m_nRequestedWidth = wanted.right - wanted.left;
    m_nRequestedHeight = wanted.bottom - wanted.top;
    result = 0;
    return true;
}

bool CHelpDlg::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg == WM_SIZE) OnSize();
    return false;  // the default handling runs as well
}

void CHelpDlg::OnSize() {
    if (!m_richEdit.m_hWnd) return;
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    const RECT inner = {client.left + 2, client.top + 2, client.right - 1, client.bottom - 1};
    m_richEdit.MoveWindow(inner, true);
    SetFormatToView();
    ::InvalidateRect(m_richEdit.m_hWnd, nullptr, TRUE);
}
