// Which track-naming boxes can be used: names are typed only after an erase, so "Generate track
// names" needs "Erase", and "only alpha characters" needs both. Only enabled states change.
#pragma once

#include "platform/controls.h"

namespace velutreck {

inline void NamingOptionsRule(CheckBox& chkErase, CheckBox& chkNameTracks, CheckBox& chkOnlyAlpha) {
    const bool erase = chkErase.Value() != 0;
    const bool nameTracks = chkNameTracks.Value() != 0;
    chkNameTracks.SetEnabled(erase);
    chkOnlyAlpha.SetEnabled(erase && nameTracks);
}

}  // namespace velutreck
