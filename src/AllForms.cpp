#include "AllForms.h"

#include "dining_lodging/Registration.h"
#include "guide/Registration.h"
#include "itinerary/Registration.h"
#include "organiser/Registration.h"
#include "shell/Registration.h"

void registerAllForms() {
    shell::registerForms();
    itinerary::registerForms();
    guide::registerForms();
    dining_lodging::registerForms();
    organiser::registerForms();
}
