#pragma once

namespace organiser {

// Registers every window of the trip organiser with the form registry.
void registerForms();

// The contact list, the own tips and the don't-forget list: one window class
// with a table of what differs.
void registerListWindows();

} // namespace organiser
