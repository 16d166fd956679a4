#pragma once

// Registers every window of the program with the form registry, subsystem by
// subsystem, the main window among them. Start-up calls it once, before the
// main window opens.
void registerAllForms();
