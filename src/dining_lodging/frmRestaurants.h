#pragma once

#include "common/PanePage.h"

// "Eating in Walt Disney World": every park's restaurants in one numbered
// overview. Nothing in the program opens it; it is kept for completeness of
// the guide.
class frmRestaurants : public common::PanePage {
    Q_OBJECT
public:
    frmRestaurants();

protected:
    void fillPage(platform::Database& content) override;
};
