#include "app/help_choice.h"
#include "res/resource_aux.h"

int ChooseHelpDocument(WizardPage page, int deviceCount) {
    switch (page) {
    case WizardPage::Devices:
        return deviceCount != 0 ? IDR_HELP_DEVICES : IDR_HELP_NOT_FOUND;
    case WizardPage::Shares:
        return IDR_HELP_SHARES;
    case WizardPage::Finish:
        return IDR_HELP_FINISH;
    }
    return IDR_HELP_DEVICES;
}
