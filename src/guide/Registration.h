#pragma once

namespace guide {

// Registers every window of the park guide with the form registry.
void registerForms();

// The families of windows that differ only in their table, each registering
// one window per entry, and the two trivia quizzes with their score windows.
void registerAttractionGuides();
void registerTipPages();
void registerParkAttractionLists();
void registerInfoPages();
void registerTriviaQuizzes();

} // namespace guide
