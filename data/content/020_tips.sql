-- Tips: the tip pages, the Fastpass list and the park tickets page.
-- ParkId is the topic: 1 to 4 park tips (Magic Kingdom, Epcot, Disney-MGM Studios, Animal Kingdom),
-- 6 to 9 Fastpass attractions of the same parks, 10 general, 11 Downtown Disney, 12 park tickets,
-- 13 saving money, 14 souvenirs, 15 beating the lines, 16 fun for kids.
-- orderid gives the display order of topics 1 and 12 (kept in insertion order for the rest).
-- Feature1 to Feature5 are used by the ticket rows only. Search 1 keeps a row out of the keyword search.
-- Tip texts never contain the page markers: two hyphens anywhere, or an asterisk on the Downtown Disney page.
CREATE TABLE Tips (
    ParkId INTEGER,
    Tip TEXT,
    orderid INTEGER,
    Feature1 TEXT,
    Feature2 TEXT,
    Feature3 TEXT,
    Feature4 TEXT,
    Feature5 TEXT,
    Search INTEGER
);

-- Topic 1
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (1, 'Be at the Magic Kingdom gates 30 to 45 minutes before the official opening time. Main Street, U.S.A. usually opens first, and when the rope at the end of the street drops you will be among the first into the lands.', 1, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (1, 'Ride the big three mountains early. Space Mountain, Splash Mountain and Big Thunder Mountain Railroad all build long lines by mid-morning, so see one of them first and pick up a Fastpass for another.', 2, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (1, 'From the parking lot you reach the park by monorail or by ferryboat across the Seven Seas Lagoon. When the monorail ramp is packed, walk over to the ferry. The trip is just as quick and the view of the castle is lovely.', 3, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (1, 'Families with small children should start in Fantasyland. Peter Pan''s Flight, Dumbo the Flying Elephant and The Many Adventures of Winnie the Pooh load slowly, and their waits only grow as the day goes on.', 4, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (1, 'Tamble''s PhilharMagic, the 3-D film that opened in Fantasyland in 2003, is one of the best shows in any of the parks. The theater is large, so even a long line moves in one or two showings.', 5, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (1, 'The afternoon Share a Dream Come True parade starts in Frontierland and ends on Main Street. Watch it from Liberty Square or Frontierland, where the floats arrive first and the curbs are less crowded.', 6, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (1, 'Parade time is ride time. While the crowds line the parade route, the waits at Splash Mountain, Big Thunder and the Haunted Mansion often drop to a few minutes.', 7, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (1, 'For the Wishes fireworks, stand on Main Street near the hub and face Cinderella Castle. The music is timed to the bursts and Tinker Bell flies from the castle tower at the start of the show.', 8, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (1, 'On evenings when SpectroMagic runs twice, the second parade draws a much smaller crowd than the first.', 9, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (1, 'The Walt Disney World Railroad circles the park with stations on Main Street, in Frontierland and at Tamble''s Toontown Fair. It is a relaxing way to rest your feet and the quickest way to reach Toontown.', 10, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (1, 'Tom Sawyer Island closes at dusk, so plan your raft trip across the Rivers of America for the morning or early afternoon.', 11, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (1, 'Shop at the end of the day, not the start. Stores on Main Street stay open after the park closes, or ask any shop to send your purchases to the package pickup near the park entrance.', 12, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (1, 'Cinderella''s Royal Table inside the castle is the hardest table in the resort to get. Call for a priority seating as soon as the booking window opens, up to 60 days ahead.', 13, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (1, 'If you are not staying at a Disney resort, check which park offers early entry on the day of your visit. That park fills up quickly, so you may prefer another park that day.', 14, 0);

-- Topic 2
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (2, 'Future World opens at 9 a.m., but most of World Showcase does not open until 11 a.m. Spend the morning in Future World and cross the lagoon when the countries open.', 1, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (2, 'Test Track and Mission: SPACE have the longest waits in Epcot. Ride one of them first thing and get a Fastpass for the other.', 2, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (2, 'Test Track has a single rider line. If your party does not mind being split up, it can save you an hour or more in the afternoon.', 3, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (2, 'Mission: SPACE spins you in a centrifuge to recreate the force of a rocket launch. Guests prone to motion sickness, or with heart, back or neck trouble, should sit this one out. Keep your eyes on the screen and do not turn your head.', 4, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (2, 'Most guests walk around World Showcase clockwise, starting at Mexico. Go the other way, starting at Canada, and you will stay ahead of the crowd.', 5, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (2, 'Each World Showcase pavilion has live entertainment: the Voices of Liberty in The American Adventure, Off Kilter in Canada, the Dragon Legend Acrobats in China, British Invasion in the United Kingdom and the Matsuriza drummers in Japan. Times are printed on the park guide map.', 6, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (2, 'IllumiNations: Reflections of Earth plays over World Showcase Lagoon at closing time. Claim a spot at the water''s edge 30 minutes before the show. Check which way the wind blows and stand upwind of the smoke.', 7, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (2, 'Friendship boats cross World Showcase Lagoon from near Mexico and Canada to Germany and Morocco. They save a long walk on a hot afternoon.', 8, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (2, 'Guests of the BoardWalk, Yacht Club, Beach Club, Swan and Dolphin can walk or take a boat to the International Gateway between France and the United Kingdom. It is the quickest way in and out of World Showcase.', 9, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (2, 'Epcot is by far the largest of the four parks. Wear your most comfortable shoes and plan two days here if you can.', 10, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (2, 'Spaceship Earth has its longest line right after opening, when everyone walks in under the sphere. Come back in the afternoon and you can often walk right on.', 11, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (2, 'Honey, I Shrunk the Audience is loud and startling. Small children who scare easily may do better with the gentle boat ride Living with the Land, in The Land pavilion next door.', 12, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (2, 'For a quiet meal, the Rose and Crown Pub in the United Kingdom and the Restaurant Marrakesh in Morocco take walk-ins more often than Le Cellier in Canada or the Coral Reef in The Living Seas.', 13, 0);

-- Topic 3
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (3, 'Rock ''n'' Roller Coaster and The Twilight Zone Tower of Terror sit side by side at the end of Sunset Boulevard. Ride one as soon as the park opens and take a Fastpass for the other.', 1, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (3, 'Rock ''n'' Roller Coaster launches from 0 to nearly 60 miles an hour in under three seconds and goes upside down. Leave hats, glasses and loose items with a non-rider.', 2, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (3, 'The Disney-MGM Studios is smaller than the other parks. Most families can see its major attractions in one full day.', 3, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (3, 'Fantasmic! fills its 6,900-seat amphitheater long before show time. Arrive 60 to 90 minutes early on busy nights, or choose the second show on nights when two are played.', 4, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (3, 'Pick up a times guide at the gate and plan your day around the shows: Beauty and the Beast Live on Stage, the Indiana Jones Epic Stunt Spectacular, Voyage of the Little Mermaid and Playhouse Disney Live on Stage all run on set schedules.', 5, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (3, 'Arrive at the Indiana Jones Epic Stunt Spectacular early and sit near the front if you would like a chance to be picked as an extra in the show.', 6, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (3, 'The Stars and Motor Cars parade travels Hollywood Boulevard in the afternoon. The shady stretch near the Sorcerer Tamble hat is a good place to watch.', 7, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (3, 'Dine in a parked convertible at the Sci-Fi Dine-In Theater Restaurant, or let your TV mom scold you at the 50''s Prime Time Cafe. Both fill up early, so make a priority seating.', 8, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (3, 'The Disney-MGM Studios Backlot Tour ends in Catastrophe Canyon, where a flash flood pours down next to the tram. Guests on the left side get the closest look.', 9, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (3, 'Star Tours and the Tower of Terror are rough rides. Check the height and health notices before you get in line with young children.', 10, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (3, 'Younger kids love the Honey, I Shrunk the Kids Movie Set Adventure playground, with giant blades of grass and a huge garden hose to climb through.', 11, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (3, 'Who Wants To Be A Millionaire: Play It! lets guests take the hot seat for prizes. Arrive early in the day for the best chance of being chosen as a contestant.', 12, 0);

-- Topic 4
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (4, 'Animal Kingdom opens early and usually closes the earliest of the four parks. Check the park hours and plan to arrive at opening.', 1, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (4, 'Head to Kilimanjaro Safaris first. The animals are most active in the cool of the morning, and by midday many of them find shade away from the trucks.', 2, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (4, 'You will get wet on Kali River Rapids, sometimes soaked. Wear quick-dry clothes, bring a poncho or a change of clothes, and put cameras in a plastic bag.', 3, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (4, 'DINOSAUR is dark, loud and jerky, with a large Carnotaurus that lunges at the vehicle. It frightens many young children, even some who meet the height limit.', 4, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (4, 'It''s Tough to Be a Bug! plays inside the Tree of Life. Some effects feel very real, so warn little ones before the show starts.', 5, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (4, 'Festival of the Lion King in Camp Minnie-Tamble is the park''s best show. Get in line 20 to 30 minutes before show time for good seats.', 6, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (4, 'Take your time on the Pangani Forest Exploration Trail in Africa and the Maharajah Jungle Trek in Asia. The gorillas and tigers are easiest to see in the morning.', 7, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (4, 'The Wildlife Express train runs from Africa to Rafiki''s Planet Watch and Conservation Station, where you can watch the animal care staff at work.', 8, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (4, 'Tamble''s Jammin'' Jungle Parade winds around Discovery Island in the afternoon. Some guests get to ride along in the parade vehicles.', 9, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (4, 'Animal Kingdom is hot and has little shade in places. Bring water, sunscreen and hats, and plan some indoor shows for the middle of the afternoon.', 10, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (4, 'Flights of Wonder in Asia shows off birds of prey flying just above the audience. It is a good way to rest in the shade.', 11, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (4, 'Chester and Hester''s Dino-Rama in DinoLand U.S.A. holds Primeval Whirl and TriceraTop Spin, two rides the whole family can enjoy.', 12, 0);

-- Topic 6
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (6, 'Space Mountain (Tomorrowland)', 1, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (6, 'Buzz Lightyear''s Space Ranger Spin (Tomorrowland)', 2, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (6, 'The Many Adventures of Winnie the Pooh (Fantasyland)', 3, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (6, 'Peter Pan''s Flight (Fantasyland)', 4, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (6, 'Tamble''s PhilharMagic (Fantasyland)', 5, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (6, 'The Haunted Mansion (Liberty Square)', 6, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (6, 'Splash Mountain (Frontierland)', 7, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (6, 'Big Thunder Mountain Railroad (Frontierland)', 8, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (6, 'Jungle Cruise (Adventureland)', 9, 1);

-- Topic 7
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (7, 'Test Track (Future World)', 1, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (7, 'Mission: SPACE (Future World)', 2, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (7, 'Honey, I Shrunk the Audience (Future World, Imagination! pavilion)', 3, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (7, 'Living with the Land (Future World, The Land pavilion)', 4, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (7, 'Maelstrom (World Showcase, Norway pavilion)', 5, 1);

-- Topic 8
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (8, 'Rock ''n'' Roller Coaster Starring Aerosmith (Sunset Boulevard)', 1, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (8, 'The Twilight Zone Tower of Terror (Sunset Boulevard)', 2, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (8, 'The Great Movie Ride (Hollywood Boulevard)', 3, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (8, 'Voyage of the Little Mermaid (Animation Courtyard)', 4, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (8, 'Star Tours (Echo Lake)', 5, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (8, 'Indiana Jones Epic Stunt Spectacular (Echo Lake)', 6, 1);

-- Topic 9
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (9, 'Kilimanjaro Safaris (Africa)', 1, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (9, 'Kali River Rapids (Asia)', 2, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (9, 'It''s Tough to Be a Bug! (Discovery Island)', 3, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (9, 'DINOSAUR (DinoLand U.S.A.)', 4, 1);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (9, 'Primeval Whirl (DinoLand U.S.A.)', 5, 1);

-- Topic 10
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (10, 'Do not try to see everything. Walt Disney World is far too big for one trip, so choose what matters most to your family and plan the rest of the day around it.', 1, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (10, 'Plan a rest in the middle of the day. Head back to your hotel pool or for a nap after lunch and return in the evening, when the parks are cooler and the lines are shorter.', 2, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (10, 'Florida sun is strong all year. Pack sunscreen, sunglasses and hats, and drink water often, even on days that do not feel hot.', 3, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (10, 'From June to September, expect a thunderstorm almost every afternoon. Carry a poncho, and use the rain to see indoor shows while others leave the parks.', 4, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (10, 'Call ahead for priority seatings at sit-down restaurants. The popular ones, and every character meal, can be full weeks in advance.', 5, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (10, 'Choose a meeting spot in each park in case someone gets separated. Lost children are taken to the Baby Care Center or to Guest Relations.', 6, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (10, 'Allow up to an hour to get from one place to another on Disney buses, boats and monorails, especially at park opening and closing times.', 7, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (10, 'Strollers and wheelchairs can be rented near each park entrance. Keep your receipt, and you can get a replacement at any other park the same day.', 8, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (10, 'Guest Relations, just inside each park entrance, can help with park maps, show times, dining reservations, lost items and special needs.', 9, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (10, 'Lockers are available near the entrance of every park. Leave ponchos, spare clothes and souvenirs there instead of carrying them all day.', 10, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (10, 'Before you go, find out which attractions will be closed for refurbishment during your visit so that no one is disappointed.', 11, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (10, 'Break in your walking shoes at home. A full day in the parks means many miles on foot, and new shoes mean blisters.', 12, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (10, 'Write your hotel name and a cell phone number on a card and put it in each child''s pocket.', 13, 0);

-- Topic 11
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (11, 'World of Disney in the Marketplace is the largest Disney character store in the world. If you cannot find it there, it probably does not exist.', 1, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (11, 'The LEGO Imagination Center has giant LEGO sculptures along the water and a free building area where kids can play while the grown-ups shop.', 2, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (11, 'Pleasure Island is a group of nightclubs behind the Marketplace, with a New Year''s Eve street party and fireworks every single night. One admission covers every club.', 3, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (11, 'Some Pleasure Island clubs admit only guests 21 and older, and everyone should carry a photo ID. The Adventurers Club and the Comedy Warehouse are favorites with many visitors.', 4, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (11, 'On the West Side you will find Cirque du Soleil''s La Nouba, DisneyQuest, House of Blues, an AMC movie theater with 24 screens and several themed restaurants.', 5, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (11, 'La Nouba plays in its own theater, and the best seats sell out weeks ahead. Buy tickets before your trip.', 6, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (11, 'DisneyQuest is a five-floor indoor theme park of video games and virtual rides. It is a perfect choice for a rainy day or a hot afternoon.', 7, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (11, 'Dine at the Rainforest Cafe beneath its smoking volcano, or try Fulton''s Crab House aboard the riverboat and Wolfgang Puck Cafe on the West Side.', 8, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (11, 'The Downtown Disney parking lots fill up in the evening. Resort guests can take Disney buses, and boats run from Port Orleans and Old Key West.', 9, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (11, 'Bring a swimsuit or a change of clothes for the kids. The splash fountains in the Marketplace are hard for little ones to resist.', 10, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (11, 'Many Downtown Disney shops will send your purchases to your Disney resort hotel at no charge, so you do not have to carry them around.', 11, 0);

-- Topic 12
INSERT INTO Tips (ParkId, Tip, orderid, Feature1, Feature2, Feature3, Feature4, Feature5, Search) VALUES (12, '1-Day/1-Park Ticket: Adult $58.31, Child $46.86', 1, 'Admission to one theme park for one day', 'You may not move on to a second park the same day', 'A good buy only if you will visit a single park', 'Water parks and Pleasure Island are not included', NULL, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Feature1, Feature2, Feature3, Feature4, Feature5, Search) VALUES (12, '4-Day Park Hopper Pass: Adult $233.24, Child $187.44', 2, 'Admission to all four theme parks on any four days', 'Hop from park to park as often as you like each day', 'Unused days never expire', 'Water parks and Pleasure Island are not included', NULL, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Feature1, Feature2, Feature3, Feature4, Feature5, Search) VALUES (12, '5-Day Park Hopper Plus Pass: Adult $297.14, Child $238.56', 3, 'Admission to all four theme parks on any five days', 'Hop from park to park as often as you like each day', 'Includes two Plus visits', 'Plus visits: Typhoon Lagoon, Blizzard Beach, Pleasure Island, DisneyQuest or Disney''s Wide World of Sports', 'Unused days never expire', 0);
INSERT INTO Tips (ParkId, Tip, orderid, Feature1, Feature2, Feature3, Feature4, Feature5, Search) VALUES (12, '6-Day Park Hopper Plus Pass: Adult $329.09, Child $264.12', 4, 'Admission to all four theme parks on any six days', 'Hop from park to park as often as you like each day', 'Includes three Plus visits', 'Plus visits: Typhoon Lagoon, Blizzard Beach, Pleasure Island, DisneyQuest or Disney''s Wide World of Sports', 'Unused days never expire', 0);
INSERT INTO Tips (ParkId, Tip, orderid, Feature1, Feature2, Feature3, Feature4, Feature5, Search) VALUES (12, '7-Day Park Hopper Plus Pass: Adult $361.04, Child $289.68', 5, 'Admission to all four theme parks on any seven days', 'Hop from park to park as often as you like each day', 'Includes four Plus visits', 'Plus visits: Typhoon Lagoon, Blizzard Beach, Pleasure Island, DisneyQuest or Disney''s Wide World of Sports', 'Unused days never expire', 0);
INSERT INTO Tips (ParkId, Tip, orderid, Feature1, Feature2, Feature3, Feature4, Feature5, Search) VALUES (12, 'Ultimate Park Hopper Pass: priced by the length of your stay', 6, 'Sold only to guests of Disney resort hotels', 'Unlimited admission to the four theme parks from arrival day to departure day', 'Also covers both water parks, Pleasure Island, DisneyQuest and Disney''s Wide World of Sports', 'Usually the best value for resort guests who will use the extras', 'Expires when your stay ends', 0);
INSERT INTO Tips (ParkId, Tip, orderid, Feature1, Feature2, Feature3, Feature4, Feature5, Search) VALUES (12, 'Annual Pass: Adult $436.64, Child $372.74', 7, 'Unlimited admission to the four theme parks for one year', 'Free parking at the theme parks', 'Discounts on some resort rooms, dining and tours', 'Pays for itself in about two trips a year', NULL, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Feature1, Feature2, Feature3, Feature4, Feature5, Search) VALUES (12, 'Premium Annual Pass: Adult $564.29, Child $480.54', 8, 'Everything the Annual Pass offers', 'Adds Typhoon Lagoon, Blizzard Beach, Pleasure Island, DisneyQuest and Disney''s Wide World of Sports', 'Unlimited visits for one year', NULL, NULL, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Feature1, Feature2, Feature3, Feature4, Feature5, Search) VALUES (12, 'Water Park 1-Day Ticket: Adult $34.08, Child $27.69', 9, 'Admission to Typhoon Lagoon or Blizzard Beach for one day', 'Parks may close for cold weather in winter', 'Arrive early in summer, when the water parks fill up', NULL, NULL, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Feature1, Feature2, Feature3, Feature4, Feature5, Search) VALUES (12, 'Pleasure Island Admission: $22.31', 10, 'One admission covers every club for the night', 'Guests under 18 must be with a parent', 'Some clubs admit only guests 21 and older', NULL, NULL, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Feature1, Feature2, Feature3, Feature4, Feature5, Search) VALUES (12, 'DisneyQuest 1-Day Ticket: Adult $33.02, Child $26.63', 11, 'Unlimited play on every floor for one day', 'Games and rides are included in the admission', NULL, NULL, NULL, 0);

-- Topic 13
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (13, 'Buy the longest ticket you can use. The price per day drops with every day you add, and the unused days of a multi-day pass do not expire.', 1, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (13, 'Buy your park tickets before you leave home. Advance purchase is usually discounted, and you will skip the ticket windows on your first morning.', 2, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (13, 'Consider a value resort. The All-Star Sports, All-Star Music, All-Star Movies and Pop Century resorts cost far less and still give you Disney transportation and the resort perks.', 3, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (13, 'Visit in the value seasons, such as January, early February, early September and the first half of December, when room rates are lower and the parks are less crowded.', 4, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (13, 'Eat a hearty breakfast in your room or at a counter-service spot and you will spend less on snacks all morning.', 5, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (13, 'Portions at most counter-service restaurants are large enough to share. Order one meal for two small eaters.', 6, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (13, 'Carry your own refillable water bottles and a few snacks into the parks. A drink from a park cart costs several times what it does at home.', 7, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (13, 'Pack sunscreen, ponchos, film and batteries at home. They cost much more inside the parks.', 8, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (13, 'Enjoy the free fun: the parades, fireworks and street performers in the parks, the nightly campfire sing-along at Fort Wilderness and the Electrical Water Pageant on Bay Lake and the Seven Seas Lagoon.', 9, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (13, 'Ask whether your auto club or your employer offers discounts on tickets, rooms or dining before you book.', 10, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (13, 'Give each child a set amount of souvenir money before the trip. They will choose more carefully when it is their own money.', 11, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (13, 'If you stay on Disney property and do not plan to leave it, you may not need a rental car. Disney buses, boats and monorails are free for resort guests.', 12, 0);

-- Topic 14
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (14, 'Start a pin collection. Buy a lanyard and a few pins, then trade with cast members wearing pin lanyards all over the resort.', 1, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (14, 'Bring an autograph book and a thick pen for the characters. Many children treasure the signatures long after the trip is over.', 2, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (14, 'Pressed penny machines are hidden all around the parks. Bring a roll of quarters and a handful of shiny pennies.', 3, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (14, 'Write a few lines in your journal every evening while the memories are fresh. You will be glad you did when you look back.', 4, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (14, 'Pick up a free park guide map in every park you visit. They make great pages for a scrapbook.', 5, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (14, 'Get a pair of mouse ears with your name stitched on the back at The Chapeau on Main Street, U.S.A.', 6, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (14, 'At Epcot, pick up one small item from each World Showcase country. By the end of the day you will have a trip around the world in one bag.', 7, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (14, 'Have the photographers on Main Street and in the other parks take a picture of the whole family together, so someone is not always missing behind the camera.', 8, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (14, 'Buy an Epcot passport for your children and have it stamped in each World Showcase pavilion.', 9, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (14, 'Let the shops send your purchases to the package pickup or to your Disney resort, so nothing gets lost or broken on the rides.', 10, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (14, 'Before you buy, browse World of Disney at Downtown Disney. It has the largest selection of merchandise in one place.', 11, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (14, 'Save ticket stubs, napkins, menus and receipts in a large envelope. They bring back the trip better than anything you can buy.', 12, 0);

-- Topic 15
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (15, 'Be there at park opening. The first two hours are the best time of the day, and you can see as much then as in the whole afternoon.', 1, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (15, 'Use Fastpass. Slide your ticket into the machine at the attraction, come back at the time printed on the slip, and walk into the short line.', 2, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (15, 'You can pick up a new Fastpass once your first one has been used or two hours after it was printed, whichever comes first. Keep one working all day.', 3, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (15, 'Send one member of your party to collect Fastpasses for the whole group while the others ride something else. Bring everyone''s ticket along.', 4, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (15, 'During parades, fireworks and lunch hours, lines at the popular rides shrink. That is the time to ride.', 5, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (15, 'Check the tip boards for current wait times: at the end of Main Street in the Magic Kingdom, at Innoventions Plaza in Epcot, at Hollywood and Sunset in the Disney-MGM Studios and on Discovery Island in Animal Kingdom.', 6, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (15, 'Eat at odd hours. Have lunch at 11 a.m. or after 2 p.m. and dinner before 5 p.m. to avoid the longest restaurant lines.', 7, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (15, 'Ask about the rider switch at thrill rides. One adult rides while the other waits with a child who is too small, then they trade places without waiting in line again.', 8, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (15, 'Choose your days with care. Avoid holiday weeks if you can, and skip the park that offers early entry that day if you are not staying at a Disney resort.', 9, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (15, 'The last hour before closing often has the shortest waits of the day, since many families have already left.', 10, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (15, 'Try the single rider line where one is offered, such as at Test Track. Your party rides in different vehicles but gets on much sooner.', 11, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (15, 'Rainy days clear the parks. Bring a poncho and enjoy the rides while everyone else heads for the buses.', 12, 0);

-- Topic 16
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (16, 'Visit Tamble''s Toontown Fair in the Magic Kingdom. Kids can walk through Tamble''s and Minnie''s country houses, meet Tamble in the Judge''s Tent and ride The Barnstormer at Goofy''s Wiseacre Farm.', 1, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (16, 'Book a character meal. Chef Tamble''s at the Contemporary Resort, the Crystal Palace with Winnie the Pooh and friends and Cinderella''s Royal Table are favorites.', 2, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (16, 'In Epcot, stop at the Kidcot Fun Stops in World Showcase, where cast members help children make a craft and learn a word from each country.', 3, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (16, 'Let the kids dig for bones in The Boneyard, a big dinosaur dig playground in DinoLand U.S.A. at Animal Kingdom.', 4, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (16, 'Climb the giant blades of grass in the Honey, I Shrunk the Kids Movie Set Adventure at the Disney-MGM Studios.', 5, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (16, 'Explore the caves, the rope bridges and Fort Langhorn on Tom Sawyer Island. There is plenty of room to run.', 6, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (16, 'Buzz Lightyear''s Space Ranger Spin lets kids fire lasers at Zurg''s targets and keep score. Let them ride twice and try to beat their score.', 7, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (16, 'Meet the characters at Camp Minnie-Tamble in Animal Kingdom, where the greeting trails lead to Tamble, Minnie and friends from The Lion King and The Jungle Book.', 8, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (16, 'Playhouse Disney Live on Stage at the Disney-MGM Studios is made for preschoolers. Kids sit on the floor and dance and sing along.', 9, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (16, 'Watch Cinderellabration in front of Cinderella Castle, where Cinderella is crowned in a royal ceremony several times a day.', 10, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (16, 'Many Disney resorts have evening children''s clubs with dinner and activities, so parents can enjoy a night out. Reserve ahead.', 11, 0);
INSERT INTO Tips (ParkId, Tip, orderid, Search) VALUES (16, 'Cool off at the splash fountains in Epcot''s Future World and at the Downtown Disney Marketplace. Pack a swimsuit for the little ones.', 12, 0);
