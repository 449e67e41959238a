// The toolkit's own texts (standard buttons, the file dialog) in Japanese, as the rest
// of the window is, whatever language the user's desktop is set to.
#pragma once

class QCoreApplication;

namespace favpage::ui {

// Installs the toolkit's Japanese catalogue into `app`. False when it is not installed on
// this system: the standard texts then stay in the toolkit's own English.
bool InstallToolkitTranslations(QCoreApplication& app);

}  // namespace favpage::ui
