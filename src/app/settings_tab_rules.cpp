#include "app/settings_tab_rules.h"

#include <string>

#include "tracklist/media_limits.h"

namespace velutreck {

void FillCompressionList(ComboBox& cboCompression) {
    cboCompression.Clear();
    cboCompression.AddItem("LP2");
    cboCompression.AddItem("LP4");
    cboCompression.SetListIndex(1);
}

void FillDiscLengthList(ComboBox& cboDiscLength) {
    cboDiscLength.Clear();
    for (const int minutes : MiniDiscLengths) {
        cboDiscLength.AddItem(std::to_string(minutes) + " minutes");
    }
    cboDiscLength.SetListIndex(MiniDiscLengthIndex(DefaultMiniDiscMinutes));
}

}  // namespace velutreck
