-- Resort comparison chart, one row per hotel of the Hotels table.
--
-- Category   Value, Moderate, Deluxe, Home Away From Home or Campground
-- NumPeople  guests a standard room (studio, cabin) sleeps
-- RoomSize   floor area of a standard room (studio, cabin) in square feet

CREATE TABLE HotelInfo (
    Name TEXT,
    Setting TEXT,
    Dining TEXT,
    Category TEXT,
    NumPeople INTEGER,
    RoomSize INTEGER,
    ClosestTo TEXT
);

INSERT INTO HotelInfo VALUES ('Disney''s All-Star Movies Resort', 'Classic Disney movies', 'World Premiere Food Court, Silver Screen Spirits pool bar', 'Value', 4, 260, 'Animal Kingdom');
INSERT INTO HotelInfo VALUES ('Disney''s All-Star Music Resort', 'Music from calypso to Broadway', 'Intermission Food Court, Singing Spirits pool bar', 'Value', 4, 260, 'Animal Kingdom');
INSERT INTO HotelInfo VALUES ('Disney''s All-Star Sports Resort', 'Football, baseball, basketball, tennis and surfing', 'End Zone Food Court, Grandstand Spirits pool bar', 'Value', 4, 260, 'Animal Kingdom');
INSERT INTO HotelInfo VALUES ('Disney''s Pop Century Resort', 'Pop culture of the 1950s to the 1990s', 'Everything POP food court, Petals pool bar', 'Value', 4, 260, 'Disney-MGM Studios');
INSERT INTO HotelInfo VALUES ('Disney''s Caribbean Beach Resort', 'Caribbean island villages', 'Old Port Royale food court, Captain''s Tavern', 'Moderate', 4, 340, 'Epcot');
INSERT INTO HotelInfo VALUES ('Disney''s Coronado Springs Resort', 'Mexico and the American Southwest', 'Maya Grill, Pepper Market, Francisco''s lounge', 'Moderate', 4, 314, 'Animal Kingdom');
INSERT INTO HotelInfo VALUES ('Disney''s Port Orleans Resort - French Quarter', 'Old New Orleans', 'Sassagoula Floatworks and Food Factory, Scat Cat''s Club lounge', 'Moderate', 4, 314, 'Downtown Disney');
INSERT INTO HotelInfo VALUES ('Disney''s Port Orleans Resort - Riverside', 'Mansions and bayou of the Old South', 'Boatwright''s Dining Hall, Riverside Mill food court, River Roost lounge', 'Moderate', 4, 314, 'Downtown Disney');
INSERT INTO HotelInfo VALUES ('Disney''s Animal Kingdom Lodge', 'African wildlife lodge', 'Jiko - The Cooking Place, Boma - Flavors of Africa, Mara food court', 'Deluxe', 4, 344, 'Animal Kingdom');
INSERT INTO HotelInfo VALUES ('Disney''s BoardWalk Inn', 'Atlantic seaside boardwalk of the early 1900s', 'Flying Fish Cafe, Spoodles, Big River Grille, ESPN Club, BoardWalk Bakery', 'Deluxe', 5, 371, 'Epcot');
INSERT INTO HotelInfo VALUES ('Disney''s Contemporary Resort', 'Modern A-frame tower', 'California Grill, Chef Tamble''s, Concourse Steakhouse, Food and Fun Center', 'Deluxe', 5, 436, 'Magic Kingdom');
INSERT INTO HotelInfo VALUES ('Disney''s Grand Floridian Resort & Spa', 'Victorian seaside hotel', 'Victoria & Albert''s, Citricos, Narcoossee''s, 1900 Park Fare, Grand Floridian Cafe, Gasparilla Grill', 'Deluxe', 5, 440, 'Magic Kingdom');
INSERT INTO HotelInfo VALUES ('Disney''s Polynesian Resort', 'South Pacific islands', '''Ohana, Kona Cafe, Spirit of Aloha Dinner Show, Captain Cook''s Snack Company', 'Deluxe', 5, 409, 'Magic Kingdom');
INSERT INTO HotelInfo VALUES ('Disney''s Wilderness Lodge', 'National park lodge of the American West', 'Artist Point, Whispering Canyon Cafe, Roaring Fork snack bar', 'Deluxe', 4, 340, 'Magic Kingdom');
INSERT INTO HotelInfo VALUES ('Disney''s Yacht Club Resort', 'New England yacht club', 'Yachtsman Steakhouse, Yacht Club Galley, Ale and Compass lounge', 'Deluxe', 5, 381, 'Epcot');
INSERT INTO HotelInfo VALUES ('Disney''s Beach Club Resort', 'Victorian beach cottages', 'Cape May Cafe, Beaches & Cream Soda Shop, Hurricane Hanna''s pool grill', 'Deluxe', 5, 381, 'Epcot');
INSERT INTO HotelInfo VALUES ('Walt Disney World Swan', 'Playful modern architecture', 'Palio, Kimonos, Garden Grove Cafe', 'Deluxe', 4, 360, 'Epcot');
INSERT INTO HotelInfo VALUES ('Walt Disney World Dolphin', 'Playful modern architecture', 'Shula''s Steak House, Coral Cafe, Dolphin Fountain', 'Deluxe', 4, 360, 'Epcot');
INSERT INTO HotelInfo VALUES ('Disney''s Old Key West Resort', 'Key West island town', 'Olivia''s Cafe, Good''s Food To Go', 'Home Away From Home', 4, 376, 'Downtown Disney');
INSERT INTO HotelInfo VALUES ('Disney''s BoardWalk Villas', 'Atlantic seaside boardwalk of the early 1900s', 'The restaurants of the BoardWalk Inn', 'Home Away From Home', 4, 359, 'Epcot');
INSERT INTO HotelInfo VALUES ('Disney''s Beach Club Villas', 'Victorian beach cottages', 'The restaurants of the Beach Club Resort', 'Home Away From Home', 4, 356, 'Epcot');
INSERT INTO HotelInfo VALUES ('The Villas at Disney''s Wilderness Lodge', 'Railroad lodge of the 1920s', 'The restaurants of the Wilderness Lodge', 'Home Away From Home', 4, 356, 'Magic Kingdom');
INSERT INTO HotelInfo VALUES ('Disney''s Saratoga Springs Resort & Spa', 'Spa town of upstate New York', 'Artist''s Palette market, On the Rocks pool bar', 'Home Away From Home', 4, 355, 'Downtown Disney');
INSERT INTO HotelInfo VALUES ('Disney''s Fort Wilderness Resort & Campground', 'Pine forest campground', 'Trail''s End Restaurant, Crockett''s Tavern, Hoop-Dee-Doo Musical Revue', 'Campground', 6, 504, 'Magic Kingdom');
