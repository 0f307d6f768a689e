#include "shares/share_page_loader.h"
#include "app/quickmap_dlg.h"
#include "discovery/device_list_rows.h"
#include "framework/resource_strings.h"
#include "res/resource.h"

void LoadSharePage(CQuickmapDlg& window, unsigned generation) {
    if (!window.IsCurrentGeneration(generation)) return;
    window.SetProgressAnimation(true);
    window.m_bNoShareResources = 0;
    CTreeCtrl& tree = window.ShareTree();
    if (window.m_bAssignMode) {
        tree.SetCheckBoxes(true);
        window.SetStatusText(IDS_STATUS_SHARE_PAGE);
    } else {
        tree.SetCheckBoxes(false);
        const std::string finished = LoadResString(IDS_STATUS_FINISH_PAGE);
        window.SetStatusText(window.m_bMapFailed ? finished : LoadResString(IDS_CONGRATULATIONS) + " " + finished);
    }
    tree.DeleteAllItems();

    DeviceRegistry& registry = window.Registry();
    if (!registry.devices.empty() && registry.selectedDevice < 0) registry.selectedDevice = 0;
    const DeviceEntry* entry = registry.SelectedEntry();
    if (entry && entry->name[0]) {
        // The appliance is the root; its shared folders come from the Windows network.
        const HTREEITEM root = tree.InsertItem(entry->name, kImageAppliance);
        tree.Expand(root, TVE_EXPAND);
        if (window.m_bNoShareResources || tree.GetCount() <= 1) {
            tree.SetItemImage(root, kImageNameConflict, kImageNameConflict);
            window.PostMessage(UM_NO_SHARES);
        }
        tree.SelectItem(root);
    }
    window.SetProgressAnimation(false);
}
