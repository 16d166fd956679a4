#include "dining_lodging/Registration.h"

#include "dining_lodging/frmHotelCategory.h"
#include "dining_lodging/frmHotels.h"
#include "dining_lodging/frmQuickRestaurant.h"
#include "dining_lodging/frmRestaurants.h"
#include "dining_lodging/frmSample.h"

void dining_lodging::registerForms() {
    using platform::Forms;
    registerRestaurantLists();
    Forms::registerForm<frmRestaurants>(QStringLiteral("frmRestaurants"));
    Forms::registerForm<frmQuickRestaurant>(QStringLiteral("frmQuickRestaurant"));
    registerCharacterDining();
    registerReviewViewers();
    Forms::registerForm<frmHotels>(QStringLiteral("frmHotels"));
    Forms::registerForm<frmSample>(QStringLiteral("frmSample"));
    Forms::registerForm<frmHotelCategory>(QStringLiteral("frmHotelCategory"));
}
