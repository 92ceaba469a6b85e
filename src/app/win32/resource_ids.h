// The ids of Velutreck.exe's resources, shared by velutreck.rc and the window's code.
#pragma once

#define IDI_PROGRAM 1
#define IDI_TRACK_LIST 101
#define IDI_NERO 102
#define IDI_SIMPLE_BURNER 103
#define IDI_UP_ARROW 104
#define IDI_DOWN_ARROW 105
