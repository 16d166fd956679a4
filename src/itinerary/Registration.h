#pragma once

namespace itinerary {

// Registers every window of itinerary planning with the form registry.
void registerForms();

} // namespace itinerary
