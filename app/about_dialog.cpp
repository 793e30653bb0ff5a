#include "app/about_dialog.h"

#include "resources/resource_ids.h"
#include "resources/resources.h"

namespace zaltor {

AboutDialog::AboutDialog(win::DialogWindow* parent)
    : win::DialogWindow(*res::FindDialogTemplate(res::kAboutDialog), parent) {}

}  // namespace zaltor
