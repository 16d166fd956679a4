-- Walt Disney World resort hotels, 2004.
--
-- Type  1 value, 2 moderate, 3 deluxe, 4 home away from home (vacation club villas),
--       5 campground
-- Cost  nightly rack rate range as shown to the user

CREATE TABLE Hotels (
    Type INTEGER,
    Hotel TEXT,
    Cost TEXT,
    Description TEXT
);

-- Value
INSERT INTO Hotels VALUES (1, 'Disney''s All-Star Movies Resort', '$77 - $124 per night', 'Giant figures from Disney films, such as a four-story Buzz Lightyear and the puppies of 101 Dalmatians, stand among the buildings. Rooms are small with two double beds, but clean and cheerful. A food court, two pools, a pool bar and buses to every park.');
INSERT INTO Hotels VALUES (1, 'Disney''s All-Star Music Resort', '$77 - $124 per night', 'Huge guitars, jukeboxes and maracas mark the buildings, each section devoted to a style of music from calypso to Broadway. The same compact rooms as the other All-Stars, and a pool shaped like a guitar.');
INSERT INTO Hotels VALUES (1, 'Disney''s All-Star Sports Resort', '$77 - $124 per night', 'The first of the value resorts, opened in 1994, with buildings themed to football, baseball, basketball, tennis and surfing and decorated with oversized helmets, whistles and surfboards. Basic rooms, a food court and buses to every park.');
INSERT INTO Hotels VALUES (1, 'Disney''s Pop Century Resort', '$77 - $124 per night', 'The newest value resort, opened in December 2003. Each section honors a decade from the 1950s to the 1990s with giant icons such as a Rubik''s Cube, a bowling pin and a Big Wheel. Its food court is larger than those of the All-Stars. A second half across the lake has not been finished.');

-- Moderate
INSERT INTO Hotels VALUES (2, 'Disney''s Caribbean Beach Resort', '$134 - $209 per night', 'Five island villages in bright Caribbean colors around a 45-acre lake ringed with white sand beaches and hammocks. Old Port Royale holds the food court and a pool with a Spanish fort and water cannons. The grounds are large, so an internal bus helps.');
INSERT INTO Hotels VALUES (2, 'Disney''s Coronado Springs Resort', '$134 - $209 per night', 'Mission-style buildings of Mexico and the American Southwest around a lagoon, with a Mayan pyramid at the main pool. It is also the convention hotel of the resort, so expect business travelers. Some rooms are a long walk from the lobby.');
INSERT INTO Hotels VALUES (2, 'Disney''s Port Orleans Resort - French Quarter', '$134 - $209 per night', 'A small, quiet resort laid out like the old streets of New Orleans, with wrought-iron balconies, gas lamps and magnolias. A sea serpent slide at the pool and fresh beignets at the food court. Boats run along the Sassagoula River to Downtown Disney.');
INSERT INTO Hotels VALUES (2, 'Disney''s Port Orleans Resort - Riverside', '$134 - $209 per night', 'Stately plantation mansions and rustic bayou lodges along the river, in the same style as its French Quarter neighbor. Ol'' Man Island has a large pool and a fishing hole. Boats to Downtown Disney.');

-- Deluxe
INSERT INTO Hotels VALUES (3, 'Disney''s Animal Kingdom Lodge', '$199 - $580 per night', 'A grand African lodge whose rooms overlook savannas where giraffes, zebras and antelope roam. Guides on the overlooks explain what you are seeing, day and night. Jiko and Boma are among the best restaurants on property. Buses only, and Animal Kingdom is next door.');
INSERT INTO Hotels VALUES (3, 'Disney''s BoardWalk Inn', '$289 - $715 per night', 'An Atlantic seaside inn of the early 1900s on a lakeside boardwalk of shops, restaurants, a dance hall and a dueling piano bar. Walk or take a boat to the back gate of Epcot, or a boat to Disney-MGM Studios.');
INSERT INTO Hotels VALUES (3, 'Disney''s Contemporary Resort', '$229 - $630 per night', 'The A-frame tower that the monorail runs straight through, open since 1971. Rooms are among the largest on property, and many tower rooms face the Magic Kingdom or Bay Lake. A short walk to the Magic Kingdom gates.');
INSERT INTO Hotels VALUES (3, 'Disney''s Grand Floridian Resort & Spa', '$339 - $935 per night', 'The flagship resort, a Victorian seaside hotel of red roofs and white verandas with a five-story lobby where a band or pianist plays. A full spa and health club, several fine restaurants and a marina. One monorail stop from the Magic Kingdom.');
INSERT INTO Hotels VALUES (3, 'Disney''s Polynesian Resort', '$299 - $705 per night', 'South Seas longhouses among tropical gardens and white sand beaches on the Seven Seas Lagoon. On the monorail loop, and a short walk from the Transportation and Ticket Center for the Epcot monorail. The beach is a favorite place to watch the Magic Kingdom fireworks.');
INSERT INTO Hotels VALUES (3, 'Disney''s Wilderness Lodge', '$199 - $570 per night', 'Modeled on the great national park lodges of the West, with a lobby of towering logs, an 82-foot stone fireplace, a pool fed by a hot spring and a geyser that erupts on the hour. Boats to the Magic Kingdom.');
INSERT INTO Hotels VALUES (3, 'Disney''s Yacht Club Resort', '$289 - $715 per night', 'A gray clapboard New England yacht club on Crescent Lake. It shares Stormalong Bay, a three-acre sand-bottomed pool with a shipwreck slide, with the Beach Club next door. A short walk to the back gate of Epcot.');
INSERT INTO Hotels VALUES (3, 'Disney''s Beach Club Resort', '$289 - $715 per night', 'A Victorian beach cottage resort in seaside pastels, next door to the Yacht Club and sharing its pool and restaurants. The closest resort to Epcot.');
INSERT INTO Hotels VALUES (3, 'Walt Disney World Swan', '$199 - $460 per night', 'A Michael Graves building crowned by two 47-foot swans, run by Westin rather than by Disney. Guests still ride the Disney buses and boats, but rates, discounts and policies follow the hotel chain, so compare before you book.');
INSERT INTO Hotels VALUES (3, 'Walt Disney World Dolphin', '$199 - $460 per night', 'A turquoise and coral triangle topped by two 56-foot dolphins, run by Sheraton and sharing a lagoon-side pool area with the Swan. A large convention center, Shula''s Steak House and boats to Epcot and Disney-MGM Studios.');

-- Home Away From Home
INSERT INTO Hotels VALUES (4, 'Disney''s Old Key West Resort', '$259 - $1,395 per night', 'The first Disney Vacation Club resort, a Key West town of pastel cottages along a golf course. Studios and villas of one to three bedrooms with kitchens, among the roomiest on property. Villas that members leave free are rented to anyone. Boats to Downtown Disney.');
INSERT INTO Hotels VALUES (4, 'Disney''s BoardWalk Villas', '$289 - $1,810 per night', 'Studios and villas of one to three bedrooms above the BoardWalk, sharing the pools, shops and restaurants of the Inn. Full kitchens and a washer and dryer in the larger villas. Walking distance to Epcot.');
INSERT INTO Hotels VALUES (4, 'Disney''s Beach Club Villas', '$289 - $1,270 per night', 'Studios and one- and two-bedroom villas beside the Beach Club, with a quieter pool of their own and a key to Stormalong Bay. The closest villas to Epcot.');
INSERT INTO Hotels VALUES (4, 'The Villas at Disney''s Wilderness Lodge', '$279 - $1,080 per night', 'Opened in 2000 in the style of a railroad lodge of the 1920s, with studios and one- and two-bedroom villas. Guests share the restaurants, pools and boats of the Lodge next door.');
INSERT INTO Hotels VALUES (4, 'Disney''s Saratoga Springs Resort & Spa', '$259 - $1,395 per night', 'The newest Vacation Club resort, opened in May 2004 where the Disney Institute used to be. Its look borrows from the spa town and race track of upstate New York. Across the lake from Downtown Disney, with a full spa and a golf course at the door.');

-- Campground
INSERT INTO Hotels VALUES (5, 'Disney''s Fort Wilderness Resort & Campground', 'Campsites $37 - $92, cabins $229 - $329 per night', 'Hundreds of acres of pine and cypress woods on Bay Lake with sites for tents and RVs, most with water, electricity and sewer hook-ups, and log cabins that sleep six. Trail rides, canoes, bikes, two pools, a nightly campfire sing-along and the Hoop-Dee-Doo Musical Revue. Boats to the Magic Kingdom.');
