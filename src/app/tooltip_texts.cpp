#include "app/tooltip_texts.h"

#include <string>

namespace velutreck {

void SetToolTips(const ControlLookup& controlFor) {
    for (const ToolTipEntry& entry : StartUpToolTips) {
        controlFor(entry.id).SetToolTipText(std::string(entry.text));
    }
}

}  // namespace velutreck
