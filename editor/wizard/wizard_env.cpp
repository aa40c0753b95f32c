#include "editor/wizard/wizard_env.h"

#include <algorithm>

#include "common/files.h"
#include "common/macro_record.h"

namespace orv::editor {

std::string WizardEnv::CaptureFile() const {
    return InFolder(ProgramDir, "TempCap.Txt");
}

bool WizardEnv::HasPopupMenus() const {
    return std::any_of(Library.begin(), Library.end(),
                       [](const LibraryEntry& m) { return m.Kind == MacroKind::PopupMenu; });
}

}  // namespace orv::editor
