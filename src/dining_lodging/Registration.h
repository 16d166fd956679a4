#pragma once

namespace dining_lodging {

// Registers every window of dining and lodging with the form registry.
void registerForms();

// The families of windows that differ only in their table, each registering
// one window per entry, and the character dining page.
void registerRestaurantLists();
void registerReviewViewers();
void registerCharacterDining();

} // namespace dining_lodging
