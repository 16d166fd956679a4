#pragma once

namespace shell {

// Registers every window of the application shell with the form registry,
// and names the main window among them.
void registerForms();

// The help page, defined in its own file.
void registerHelp();

} // namespace shell
