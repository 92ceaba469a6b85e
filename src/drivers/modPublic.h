// Routines shared by the drivers.
#pragma once

#include <string>

#include "drivers/driver_context.h"

namespace velutreck {

// Makes literal text safe in the key notation: each of "~%^+()[]{}" is wrapped in braces.
// Throws an Overflow failure for a text of more than 32,767 characters.
std::string EscapeKeys(const std::string& text);

// The shared steps of the drivers: a waited injection ("type"), a not-waited one ("send"),
// a click and a Down key posted straight to a window, and the two pauses.
void TypeKeys(const DriverContext& context, const std::string& notation);
void SendKeys(const DriverContext& context, const std::string& notation);
void PostClick(const DriverContext& context, WindowHandle window);
void PostDownKey(const DriverContext& context, WindowHandle window);
void PauseShort(const DriverContext& context);     // 500 ms
// The shell's "open": throws an Automation failure with the error Windows reported, if any.
void ShellStart(const DriverContext& context, const std::string& file, const std::string& parameters);
void PauseGeneral(const DriverContext& context);   // GeneralShortPause seconds

// Activation that waits for a busy program: while the window's program does not respond, it is
// tried again each second for up to GeneralLongPause seconds before the failure stands.
void ActivateTitled(const DriverContext& context, const std::string& title);
void ActivateTask(const DriverContext& context, TaskId task);

}  // namespace velutreck
