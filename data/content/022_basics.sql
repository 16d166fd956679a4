-- Basics: the basic facts page. IntId is the topic (1 to 8, the order of the topic list),
-- info one paragraph. Paragraphs of a topic show in insertion order.
CREATE TABLE Basics (
    IntId INTEGER,
    info TEXT
);

-- Topic 1
INSERT INTO Basics (IntId, info) VALUES (1, 'Walt Disney World is not one park but a whole resort of about 30,000 acres, roughly the size of San Francisco. It holds four theme parks, two water parks, a shopping and nightlife district, more than twenty resort hotels, five championship golf courses, two miniature golf courses and a sports complex, all tied together by Disney''s own buses, boats and monorails.');
INSERT INTO Basics (IntId, info) VALUES (1, 'The four theme parks are the Magic Kingdom, with Cinderella Castle and the classic Disney rides, Epcot, with the pavilions of Future World and the eleven countries of World Showcase, the Disney-MGM Studios, a tribute to movies and television with some of the biggest thrill rides, and Animal Kingdom, with live animals, a safari and the Tree of Life.');
INSERT INTO Basics (IntId, info) VALUES (1, 'For hot days there are two water parks, Typhoon Lagoon and Blizzard Beach. In the evening, Downtown Disney offers shops, restaurants, the clubs of Pleasure Island, Cirque du Soleil''s La Nouba and the DisneyQuest indoor game park. Disney''s BoardWalk near Epcot has more restaurants, clubs and street performers.');
INSERT INTO Basics (IntId, info) VALUES (1, 'Nobody sees it all in one trip, and nobody should try. Choose the parks and attractions that matter most to your family, leave time to rest at your hotel, and save something for the next visit.');

-- Topic 2
INSERT INTO Basics (IntId, info) VALUES (2, 'The parks are least crowded from the week after New Year''s Day until mid-February, from late April through May once the Easter crowds are gone, from early September until the week before Thanksgiving, and during the first two weeks of December. Room rates are usually lowest at the same times.');
INSERT INTO Basics (IntId, info) VALUES (2, 'The busiest weeks are Christmas to New Year''s Day, Easter week, Presidents'' Day week, Thanksgiving week and most of the summer, when schools are out. On the busiest days the Magic Kingdom can fill to capacity and close its gates by mid-morning.');
INSERT INTO Basics (IntId, info) VALUES (2, 'Central Florida is hot and humid from June through September, with highs in the 90s and a thunderstorm on most afternoons. Winter days are usually mild and sunny, but a cold front can bring mornings in the 30s or 40s, so pack a jacket. Hurricane season runs from June through November.');
INSERT INTO Basics (IntId, info) VALUES (2, 'Off-season visits have a price of their own: the parks close earlier, parades and fireworks may run on fewer nights, and some attractions close for refurbishment. Check the park hours for your dates before you decide.');

-- Topic 3
INSERT INTO Basics (IntId, info) VALUES (3, 'Walt Disney World lies about 20 miles southwest of downtown Orlando. From Interstate 4, exits 64, 65, 67 and 68 lead onto Disney property, and the purple and red road signs guide you to each park and resort. Orlando International Airport is about 25 miles away, a drive of 30 to 45 minutes.');
INSERT INTO Basics (IntId, info) VALUES (3, 'From the airport you can rent a car, take a shuttle van such as Mears Transportation, or hire a taxi or town car. Most rental car companies have desks inside the airport terminal.');
INSERT INTO Basics (IntId, info) VALUES (3, 'Once you are on property, Disney''s buses, boats and monorails are free. Buses link every resort with every park. Monorails run between the Transportation and Ticket Center, the Magic Kingdom, Epcot and the Contemporary, Polynesian and Grand Floridian resorts. Boats serve the resorts on Bay Lake and the Seven Seas Lagoon, the Epcot area resorts and Downtown Disney.');
INSERT INTO Basics (IntId, info) VALUES (3, 'Drivers pay a parking fee at the theme parks, but guests of Disney resorts park free. Trams carry you from the parking lots to the gates. At the Magic Kingdom you park at the Transportation and Ticket Center and finish the trip by monorail or ferryboat, so allow extra time.');
INSERT INTO Basics (IntId, info) VALUES (3, 'Allow up to an hour for any trip on Disney transportation, especially at park opening and closing, and plan a direct route: going from one resort to another by bus often means changing at a park or at Downtown Disney.');

-- Topic 4
INSERT INTO Basics (IntId, info) VALUES (4, 'Staying at a Disney resort puts you close to the parks and brings many extras: free buses, boats and monorails, free parking at the parks, early entry to one park on selected days, the right to charge purchases to your room, delivery of park purchases to your hotel, and admission to the parks even on days when they are full.');
INSERT INTO Basics (IntId, info) VALUES (4, 'Disney''s resorts come in several price levels. The value resorts (All-Star Sports, All-Star Music, All-Star Movies and Pop Century) are the least expensive. The moderate resorts (Caribbean Beach, Coronado Springs and the two Port Orleans resorts) add more theming and dining. The deluxe resorts, such as the Grand Floridian, Polynesian, Contemporary, Wilderness Lodge, Animal Kingdom Lodge and the Epcot area hotels, offer the most convenience and the best restaurants. Fort Wilderness has campsites and cabins.');
INSERT INTO Basics (IntId, info) VALUES (4, 'Hotels off Disney property, along U.S. 192 in Kissimmee, on International Drive or around Lake Buena Vista, are often cheaper and may have larger rooms or suites. You will need a car or a hotel shuttle, and you pay to park at the parks every day.');
INSERT INTO Basics (IntId, info) VALUES (4, 'The hotels of the Downtown Disney area and the Swan and Dolphin stand on Disney property but are not run by Disney. They offer some of the extras of the Disney resorts, so ask which ones before you book.');
INSERT INTO Basics (IntId, info) VALUES (4, 'For a first visit with children, the convenience of a Disney resort is usually worth the extra cost. The midday break at the hotel pool is much easier when your room is only a bus ride away.');

-- Topic 5
INSERT INTO Basics (IntId, info) VALUES (5, 'The simplest ticket is the 1-Day/1-Park ticket. It admits you to one theme park for one day, and you may not move to a second park that day. For a trip of more than a day or two it is the most expensive way to buy.');
INSERT INTO Basics (IntId, info) VALUES (5, 'Park Hopper passes admit you to all four theme parks on a set number of days, and you may move from park to park as often as you like. Park Hopper Plus passes add visits to the water parks, Pleasure Island, DisneyQuest and Disney''s Wide World of Sports. Unused days on these passes never expire, so leftover days can be saved for your next trip.');
INSERT INTO Basics (IntId, info) VALUES (5, 'Guests of Disney resorts may also buy the Ultimate Park Hopper, which covers the theme parks and all of the extras from the day you arrive until the day you leave. Frequent visitors should look at the Annual Pass and the Premium Annual Pass.');
INSERT INTO Basics (IntId, info) VALUES (5, 'Children aged 3 to 9 pay the children''s price, and children under 3 get in free. The Park Tickets page of this program lists each ticket with its features and 2004 prices.');

-- Topic 6
INSERT INTO Basics (IntId, info) VALUES (6, 'Most sit-down restaurants at Walt Disney World do not take reservations in the usual sense. They take priority seatings instead: you call ahead and name a time, and when you arrive you get the next table of the right size. Expect a short wait even with a priority seating, but it is far shorter than walking in.');
INSERT INTO Basics (IntId, info) VALUES (6, 'You can make priority seatings by calling Disney''s dining reservation line up to 60 days ahead, or at Guest Relations in the parks and at your resort''s front desk once you arrive. Character meals, Cinderella''s Royal Table, the California Grill and the dinner shows fill up first, so call as early as you can.');
INSERT INTO Basics (IntId, info) VALUES (6, 'The dinner shows, such as the Hoop-Dee-Doo Musical Revue at Fort Wilderness and the luau at the Polynesian, take true reservations and require payment in full when you book.');
INSERT INTO Basics (IntId, info) VALUES (6, 'If your plans change, call to cancel so that another family can have your table. Use the schedule planner in this program to keep up to three reservations for each day of your trip.');

-- Topic 7
INSERT INTO Basics (IntId, info) VALUES (7, 'Start with the Start Here page. Tell the Travisto when your trip begins, who is coming along and how you feel about thrill rides, water rides and shows, and whether you will stay at a Disney resort. Everything else in the program builds on these answers, and you can change them at any time.');
INSERT INTO Basics (IntId, info) VALUES (7, 'Next open Itinerary Suggestions. For each park it suggests which attractions to see in the morning, in the afternoon and in the evening, chosen to suit your party.');
INSERT INTO Basics (IntId, info) VALUES (7, 'My Daily Schedule is where your plan comes together. For each day of your trip choose a park and attractions for the morning, afternoon and evening, add notes and up to three dining reservations, then save the day. You can print your schedules or save them as a text file to carry on a handheld computer.');
INSERT INTO Basics (IntId, info) VALUES (7, 'The guide menus hold the attractions of every park, tips on many subjects, the restaurants, the resort hotels, guest reviews, maps, park hours, Fastpass and height information. If you are in a hurry, the keyword search looks through the tips, restaurants, attractions and hotels for any word you type.');
INSERT INTO Basics (IntId, info) VALUES (7, 'The organiser keeps track of your trip budget, your flight and hotel reservations, a preparation checklist, a daily journal, your contacts, your own tips and a list of things not to forget.');

-- Topic 8
INSERT INTO Basics (IntId, info) VALUES (8, 'The Travisto was written by Disney fans who have visited Walt Disney World many times and wanted to share what they learned along the way. It gathers tips, facts and planning tools for the whole resort in one place on your computer, with no internet connection needed.');
INSERT INTO Basics (IntId, info) VALUES (8, 'The Travisto is an independent guide. It is not produced, sponsored or endorsed by The Walt Disney Company, and the opinions in it are our own.');
INSERT INTO Basics (IntId, info) VALUES (8, 'The information in this edition was believed to be correct in 2004, but prices, hours, attractions and restaurants change often. Please confirm anything important, such as ticket prices and park hours, with Walt Disney World before your trip.');
