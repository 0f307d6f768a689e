#include "app/about_dlg.h"
#include "res/resource_aux.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
