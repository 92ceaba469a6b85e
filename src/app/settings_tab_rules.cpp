#include "app/settings_tab_rules.h"

namespace velutreck {

void FillCompressionList(ComboBox& cboCompression) {
    cboCompression.Clear();
    cboCompression.AddItem("LP2");
    cboCompression.AddItem("LP4");
    cboCompression.SetListIndex(1);
}

}  // namespace velutreck
