// SPDX-FileCopyrightText: 2026 The Morvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Interpretation paragraphs, one per catalogue id.
#include "catalogue/interpretations.h"

namespace morvane {

const std::array<CatalogueEntry, 37> kInterpretations = {{
    {104,
     "This is a number of rise and fall, and its emblem is the Wheel of Fortune, which turns "
     "whether anyone is ready for it or not. Ten is a one with a nought beside it, the first "
     "digit come round again after a full count, and it keeps the confidence of the one, its "
     "sense of honour and its wish to be known by name. The person or entity represented by it "
     "seldom stays long at one point of the rim. A year of promotion and easy credit is followed "
     "by one in which the same doors close; a shop that was full every Saturday finds that the "
     "trade has moved two streets away; and then the turn comes back. Nothing in the number says "
     "which half of the turn will be the longer. On balance it is counted fortunate, because what "
     "rises under it rises by its own effort and not by favour. The hub matters more than the "
     "rim. A good name, skills that travel and friends who were not chosen for their usefulness "
     "stay where they are while everything else goes round. For someone born on the tenth, or a "
     "household behind a door marked 10, that is the practical point: make no promise at the top "
     "of the wheel that cannot be kept at the bottom."},
    {105,
     "This is a number of hidden trials and betrayal from others, and the older readings give it "
     "two emblems: a clenched hand, which hides what it holds, and a lion muzzled, strength that "
     "someone else has found a way to silence. Its trouble is prepared out of sight and "
     "discovered late. A business partner keeps a second set of accounts; a colleague who agrees "
     "at every meeting argues against its bearer in rooms the bearer never enters; a plan is "
     "quietly undone by someone who once helped to make it. The number is read as a warning "
     "rather than a fortune. Suspicion of everyone would be a misfortune of its own. What "
     "protects is narrower: reading the figures in person instead of hearing them summarised, "
     "noticing who gains when a decision keeps being put off, and forgiving the people who own a "
     "mistake openly. Muzzles can be slipped. A lion that has learned to judge people well is "
     "seldom silenced twice."},
    {106,
     "This is a number of periodic sacrifice of one for the plans of others. The older readings "
     "call it the Sacrifice, and in the tarot it is the Hanged Man, who dangles upside down by "
     "one foot from a living tree, his face calm, having given up his own footing for a purpose "
     "he did not choose. The person or entity represented by it is the one who gets asked: to "
     "cover the shift, to lend the savings, to give up the holiday so that a relative's scheme "
     "can go ahead. These requests come in waves rather than all the time, and between them are "
     "quiet stretches in which the bearer's own affairs move on. There is real generosity here, "
     "and a talent for seeing a situation from the angle others miss. Twelve is counted an "
     "anxious number rather than a lucky one, because goodwill so easily becomes a habit others "
     "count on. Before each new sacrifice it is worth asking whose plan it serves and whether it "
     "was offered or taken, and keeping one aim that is never lent out."},
    {107,
     "This is a number of upheavals, so that new ground may be broken. Its emblem in the old "
     "compound readings is a reaper with a scythe, reaping a field where new shoots already show. "
     "In itself it is neither lucky nor unlucky. What it brings is change that does not wait to "
     "be invited: a post disappears, a house has to be sold, a partnership ends, just as it had "
     "all become comfortable. Thirteen comes to four, whose planet in this tradition is Uranus, "
     "the planet of sudden change, and each clearing leaves room for work that would otherwise "
     "never have been begun. As a date, the thirteenth suits the ending of what has run its "
     "course better than the signing of what should last."},
    {108,
     "This is a number of magnetic communication with the public through writing and media. "
     "Fourteen comes to five, and five belongs to Mercury, messenger of the gods, patron of "
     "merchants and travellers and giver of quick speech, so whoever carries it tends to have a "
     "ready pen and a voice that carries. Work that must reach people at a distance suits the "
     "number: journalism, publishing, broadcasting, advertising, the shop window and the "
     "newsletter, any trade in which a message has to travel and still be understood at the other "
     "end. Temperance is its card in the tarot, an angel pouring water from one cup into another "
     "without spilling a drop, and that is the skill it asks for, moving an idea from one mind to "
     "another in the right measure. It is counted fortunate for money and for dealings with many "
     "people, and it brings a good deal of movement, many journeys and frequent changes of plan. "
     "Its risk lies in haste: a figure nobody checked, a colleague's enthusiasm mistaken for a "
     "sound plan. On an office door, 14 favours any business that lives by being noticed."},
    {109,
     "This is a number of extreme luck and enchantment, the kind of good fortune that seems to "
     "arrive by spell rather than by effort, and it is counted among the luckiest of the compound "
     "numbers for obtaining money, gifts and help from others. Fifteen comes to six, the number "
     "of Venus, and the charm it gives is of that planet's sort: a warm manner, a pleasing voice, "
     "and a way of making a room turn towards the speaker without visible effort. Its gifts lie "
     "in the arts that hold an audience, music, acting, singing and storytelling among them, and "
     "its bearer can talk a way into places that stay closed to people with better "
     "qualifications. Presents, loans, introductions and second chances arrive more often than "
     "for most, frequently from people met only once. The tarot makes a blunt point about all "
     "this. Its card numbered fifteen is the Devil, who holds two figures on chains so loose they "
     "could lift them off if they chose. A power to charm can turn into a power to bind, and a "
     "gift for persuasion can be used to make others act against their own interest; the charmer "
     "may end up on either end of the chain. There is a quieter risk as well, that of coming to "
     "expect favour as a right and growing careless because things have always worked out. As a "
     "day of birth, shown on the birth page beside the destiny number, fifteen describes the "
     "manner of a life more than its course: whatever the destiny number asks will be done with "
     "charm, and opened by other people. Generosity keeps the spell honest. Favours repaid "
     "promptly, luck shared with those who had none, and nothing won by charm that could not have "
     "been asked for plainly: enchantment used that way lasts, and the other kind wears off at "
     "the worst moment."},
    {110,
     "This is a number of strange fatality, accidents, defeat of one's plans, and the old "
     "compound readings call it the Shattered Citadel. Its picture, shared with the Tower of the "
     "tarot, is a tower struck by lightning, its crown knocked off, figures falling. The blow, "
     "when it comes, arrives from outside, unannounced, and often at the moment of greatest "
     "confidence. A carefully built scheme may be brought down by an event nobody could have "
     "foreseen, such as a fire, a new law or a partner's sudden illness. Sixteen reduces to "
     "seven, the number of the inward life: what survives the fall is what was never part of the "
     "building. Since the blow itself cannot be predicted, the wise course is to build so that no "
     "single blow can bring everything down: keep a second road open, insure what can be insured, "
     "never stake all on one venture, and settle important plans early and unhurriedly. Pride is "
     "the lightning rod here. A tower that was never built too high has less to lose when the "
     "storm comes."},
    {111,
     "This is a number of high spirituality, love and peace, and the old compound readings call "
     "it the Star of the Magi, the star that guided travellers. On the tarot's Star a woman "
     "kneels under eight-pointed stars, pouring water on land and pool. It is counted fortunate. "
     "People who carry it tend to come through early troubles without bitterness and are "
     "remembered for their kindness long after they have gone, as the light of a star is still "
     "seen long after it left."},
    {112,
     "This is a number of the most difficult symbolism; quarrels and upheaval run through it from "
     "end to end, and few numbers ask as much of the person or entity represented by it. Its card "
     "in the tarot is the Moon, and the picture is worth reading slowly. A pale moon hangs over a "
     "path that runs between two towers into the hills. On either side of the path a dog and a "
     "wolf howl upwards, the tame and the wild in the same uproar, and out of a pool in the "
     "foreground a crayfish drags itself onto the land. Nothing in the scene is clear, and "
     "everything in it is restless. Disputes arise inside families and between old friends, often "
     "over money or an inheritance, and a quarrel that began as a misunderstanding can harden "
     "into an enmity that outlives its cause. Rivals work by rumour rather than in the open, and "
     "some who offer help turn out to be serving themselves. The number is counted among the "
     "least fortunate, and its readings have long linked it with larger upheavals as well, "
     "strikes, storms, fires and the sudden collapse of an employer or a market, so care on "
     "journeys over water and with anything that can burn or explode costs little. Eighteen "
     "reduces to nine, the number of Mars, and Mars supplies much of the heat: a readiness to "
     "answer a blow with a blow, and a pride that finds it hard to let an insult pass. The deeper "
     "trouble is a pull between appetite and conscience, in which the wish for possessions, "
     "position and victory keeps trying to push the spiritual nature aside. Whenever appetite "
     "wins, the quarrels multiply; whenever conscience is given its place, they thin out. That is "
     "why eighteen is better understood as a stern teacher than as a curse. Its bearer does well "
     "to stay out of feuds that belong to other people, to ask what a flatterer wants before "
     "answering, and to meet open hostility with courtesy instead of a matching anger, because "
     "anger is the fuel on which this number runs. A family that lives at number 18 should settle "
     "its disputes at the table on the day they arise, before the rest of the street has heard "
     "them. Followed steadily, that course means the storms of eighteen leave something of value "
     "behind them. False friends fall away, borrowed ambitions are dropped, and what remains is a "
     "weathered judgement that has been tested and did not break. The path in the picture, after "
     "all, leads between the towers and out into open country beyond them."},
    {113,
     "This is a number of the most fortune and favour among the compound numbers, and the old "
     "readings call it the Prince of Heaven. Its tarot card, the Sun, shows why: a child rides a "
     "white horse bareback under a blazing sun, with sunflowers leaning over a garden wall "
     "behind. Nineteen adds to ten and then to one, so it ends on the digit of the Sun as well. "
     "Whoever carries it tends to be liked on sight, to find that work is noticed and rewarded, "
     "and to see plans for the future come right, sometimes slowly but reliably. Setbacks happen "
     "under any number, but here recovery follows them more often than further trouble does. "
     "Honour and a settled contentment are the usual fruits, and as a house number or a wedding "
     "date it is as kindly as a number can be. The only real hazard is complacency. The sun in "
     "the picture shines on the whole garden, not only on the flowers that turn to face it."},
    {114,
     "This is a number of awakenings. Its tarot card is Judgement, in which an angel sounds a "
     "trumpet over open graves and the people inside sit up, arms raised, as though called by "
     "name. Moments of that kind come to the person or entity represented by it more than once: a "
     "conversation, an illness, a book or a loss suddenly shows that an old way of living has run "
     "its course, and a new purpose asks to be taken up. Often the call concerns something larger "
     "than private comfort, such as a vocation, a public cause, the care of others or a duty long "
     "put off. Twenty reduces to two, which the Moon governs, and the awakening tends to begin in "
     "feeling before it reaches the reasoning mind. Money for its own sake is not what this "
     "number deals in. Worldly plans made under it are often delayed, blocked or rearranged, and "
     "anyone who reads it only for material gain will find it frustrating. The delays have a use. "
     "They hold back projects that would have led away from the real work, and they leave time "
     "for the inner change to settle. Attention is what twenty asks for: noticing the call when "
     "it comes, answering it rather than arguing it away, and letting ambition follow purpose. "
     "Kept in that order, obstacles that seemed fixed begin to give."},
    {115,
     "This is a number of general successes. Its tarot card, the World, shows a dancer inside a "
     "laurel wreath, the garland once given to victors, and the prize it promises is usually won "
     "at the end of a long contest rather than at the start. Whoever carries it rises by "
     "persistence, collects honours along the way, and tends to finish what it begins. Twenty-one "
     "comes down to three, the number Jupiter rules, which keeps its gains generous."},
    {116,
     "This is a number of warnings of illusion and delusion. In the tarot it belongs to the Fool, "
     "a young traveller in bright clothes who strolls towards the edge of a cliff with his eyes "
     "on the sky, a bundle over his shoulder and a small dog at his heels trying to warn him. The "
     "person or entity represented by it is usually honest and well disposed, and that is part of "
     "the danger, since it assumes others are the same. It may follow a confident adviser into a "
     "poor investment, stay loyal to a plan long after the facts have turned against it, or "
     "believe that a problem will solve itself if left alone. Twenty-two reduces to four, the "
     "number of solid ground, and the cure lies there: facts, figures, contracts read to the end, "
     "and a second opinion from someone with nothing to gain. The dog in the picture is worth "
     "remembering. A plain, unwelcome warning from a humble source deserves a hearing before the "
     "next step is taken."},
    {117,
     "This is a number of karmic rewards. Its emblem is the royal star of the Lion, Regulus, at "
     "the heart of Leo, and it brings favour and protection from people in high places. Kindness "
     "shown long ago comes back under it, often through a superior who opens a door at the right "
     "time. Twenty-three reduces to five, so help tends to arrive through news or travel."},
    {118,
     "This is a number of fortunes and karmic reward justly earned, and the important word is "
     "earned. Its digits add to six, the digit of Venus, ruler of the balanced scales of Libra: "
     "what the person or entity represented by it receives tends to match what it has put in, "
     "weighed fairly and paid in full. Good work done quietly is eventually noticed, a debt "
     "forgiven years ago is repaid with interest, a favour to a stranger returns through a "
     "friend. Much of this fortune arrives through other people, and especially through affection "
     "and partnership. A marriage, a business partner or a close friendship is often the channel "
     "for help, and unions of every sort go well here. Comfort at home, a secure income and a "
     "good name are its usual gifts. The scales swing both ways, though. Sharp dealing, "
     "ingratitude or a habit of taking credit for the work of others will be weighed as carefully "
     "as generosity, and the balance can turn slowly against anyone who forgets it. The practice "
     "it rewards is simple: paying debts promptly, thanking people properly, and giving each "
     "partner a fair share of the credit."},
    {119,
     "This is a number of spiritual wisdom gained through observation and experience. Its digits "
     "add to seven, the seeker's number, and like the owl of Athena it sits still and misses "
     "nothing. Books and advice teach the person or entity represented by it less than watching "
     "how people really behave and living through difficulties without looking away. Each trial "
     "is met, studied and turned into understanding, and the quiet authority that results is hard "
     "to counterfeit."},
    {120,
     "This is a number of unique powers of compassion; contradictions and warnings sit alongside "
     "them, and the two are closely connected. The person or entity represented by it feels the "
     "trouble of others almost as its own and acts on the feeling, with money, time, a spare room "
     "or a signature. The gift is real, and it is also the source of the danger. The digits "
     "reduce to eight, the number of Saturn, the planet of consequences, and under Saturn every "
     "kindness done without judgement sends in its bill later. Typical misfortunes here come "
     "through association: a partnership entered to help a friend, a loan guaranteed for a "
     "relative, an investment made on someone else's confident advice, a cause joined before its "
     "leaders were known. Each begins in good faith and can end in loss. Here lies the "
     "contradiction, because the quality that makes the number admirable is the same one that "
     "exposes it. Old counsel for it is precise: never stand surety for another's debt, read "
     "every agreement in full, and take advice only from people who will share the cost of being "
     "wrong. Compassion that keeps to those rules loses none of its warmth."},
    {121,
     "This is a number of excellence, harmony, courage and power, and its emblem is the sceptre, "
     "the short rod that a ruler holds not as a weapon but as a sign of rightful command. Its "
     "digits reduce to nine, and Mars, the planet of that digit, supplies the courage, while the "
     "harmony comes from using that courage with restraint. Authority is earned here through the "
     "quality of the work and the clarity of the ideas behind it, and things go best when the "
     "person or entity represented by it carries out its own plans instead of someone else's. "
     "Others follow willingly, because it rarely asks them to do what it would not do itself. Its "
     "danger is impatience with slower minds; its reward is lasting respect."},
    {122,
     "This is a number of puzzling and frustrating contradictions. Twenty-eight begins with a "
     "two, the number of partnership, ends with an eight, the number of Saturn, and reduces to "
     "one, the number of the lone leader, and those three voices rarely agree. Under it come "
     "early promise and quick progress, then the sight of the gains slipping away: a trusted "
     "associate defaults, a competitor undercuts, a lawsuit drains the reserves, and the climb "
     "has to start again from lower down. This can happen more than once. The frustration is that "
     "nothing seems to be wrong with the ability itself. What is missing is protection, and it is "
     "ordinary prudence: putting by part of every good year, keeping a written record of every "
     "agreement, and being slow to place the whole of a venture in other hands. The picture for "
     "twenty-eight is the builder who loses a house to flood and builds the next one on higher "
     "ground, a little wiser each time, until the house stands."},
    {123,
     "This is a number of perhaps the heaviest karma of all, and it is often compared to a pack "
     "that must be carried up a long hill: the load is real, it was packed before the journey "
     "began, and it grows lighter only by being carried. The digits add first to eleven and then "
     "to two, so it shares the changeable light of the Moon, and much of its difficulty comes "
     "from not knowing where one stands. Friends prove unreliable at the moment they are needed. "
     "Agreements are broken, or were never meant in the way they were spoken. Dangers appear from "
     "directions that seemed safe, and in love the person or entity represented by it may be "
     "misled more than once, which leaves it wary of trusting again. None of this makes the "
     "number hopeless. Karma in the older sense is an account, and an account can be settled: "
     "each obligation met honestly, each temptation to repay deceit with deceit declined, reduces "
     "what is owed. Few promises, every one kept; nothing taken on trust that can be checked; "
     "companions chosen slowly. Lived that way, the weight gradually lightens, and what is left "
     "is a character of rare reliability."},
    {124,
     "This is a number of retrospection, thoughtful deduction, mental superiority, and its "
     "fitting image is Janus, the Roman god of doorways, who has one face turned to the road "
     "behind and one to the road ahead. The person or entity represented by it habitually looks "
     "back before moving forward. It reviews what happened, compares it with what was expected, "
     "and draws conclusions that others reach only much later, if at all. Its digits reduce to "
     "three, the number of Jupiter, planet of the judge and the scholar, and the intelligence it "
     "gives is broad: good at seeing patterns, weighing evidence and explaining the result. Money "
     "and possessions matter less to it than understanding, and it will sometimes let a material "
     "chance go because the puzzle in front of it is more interesting. Whether the number proves "
     "fortunate depends almost entirely on how this mental power is used. Put to work for others, "
     "in teaching, advising, research, law or any calling that needs a clear head, it brings "
     "respect and influence. Turned inward, it can become a quiet contempt for slower thinkers, "
     "and then the superiority isolates rather than serves. Reflection should end in a decision, "
     "plainly stated, since being right is of little use if nobody is listening."},
    {125,
     "This is a number of intelligence; self-containment and isolation come with it, and the two "
     "are hard to separate. Its digits reduce to four, the number of the square and of four "
     "walls, and the person or entity represented by it tends to live inside a well-built "
     "enclosure of its own making. The mind within is capable, orderly and independent. It works "
     "best alone, trusts its own judgement above anyone else's, and rarely asks for help even "
     "when help would be welcome. A lighthouse keeper is a fair picture: useful to many, seen "
     "from afar, yet alone on the rock for most of the night. In worldly terms the number is not "
     "an easy one, because opportunities often pass through other people, and a closed door keeps "
     "out offers as well as intrusions. The cure is to open that door on purpose now and then: to "
     "join a society, share a project, or let one trusted person see the work before it is "
     "finished."},
    {126,
     "This is a number of magical power to sway the masses, and its root is five, the digit of "
     "Mercury, god of heralds and of the market square, where a single voice can turn a crowd. "
     "Its holder has the knack of saying what many people half think but have not put into words, "
     "and once it has said it, they follow. Politics, campaigning, selling, preaching, "
     "entertainment and any work that depends on public response suit it well. The power is real "
     "but conditional. It lasts as long as the holder keeps its own counsel and trusts its own "
     "reading of a situation. Once it gives way to the fixed opinions of associates, or lets a "
     "cautious committee rewrite a bold plan, the spell tends to break, and projects founder on "
     "the obstinacy of others. The herald's staff is a good reminder: it carries the message, and "
     "it does not take orders from the crowd."},
    {127,
     "This is a number of no meaning of its own; the vibration of 24, deepened, is all it "
     "carries, and it should be read with that number in mind. Thirty-three adds to six, exactly "
     "as twenty-four does, so the two share the root of Venus and the same concern with fair "
     "exchange, affection and reward that has been earned. The doubled three adds depth rather "
     "than direction. Where twenty-four brings comfort through partnership, thirty-three brings "
     "the same comfort more strongly and asks more in return: a wider circle of responsibility, "
     "care for those who depend on the person or entity represented by it, and a sharper memory "
     "for debts on both sides of the ledger. Its rewards tend to be larger, and so are the costs "
     "of neglecting them. The practical course is to read the paragraph for 24 on the Interpret "
     "Number page as though every sentence were underlined."},
    {131,
     "This is a number of a definite potency of its own; friendship, love, partnership are the "
     "fields where that potency works. Its digits make ten, and ten makes one, so the Sun stands "
     "behind it, with the warmth of the Sun but none of its need to stand alone. The clasped "
     "hands of the old fede ring, given as a pledge of love and of business alike, make a good "
     "emblem for it. Friends made under it stay, affection comes readily, and joint ventures of "
     "every kind prosper, from marriage to a shared business. Agreements made under it tend to "
     "hold. If it has a fault, it is loyalty kept up too long to a partnership that has run its "
     "course."},
    {137,
     "This is a number of misfortunes; revolution, upheaval, strife follow it, and its fitting "
     "image is a barricade thrown across a street. Plans meet obstruction, allies change sides, "
     "and gains made in one season are undone in the next. Prudence lies in avoiding open "
     "conflict and keeping resources well out of reach of sudden change."},
    {145,
     "This is a number of strong potency; the nature of the warrior is stamped on it, and it acts "
     "like a drawn sword. Advancement comes to the person or entity represented by it in sudden "
     "leaps rather than steady steps; it is often promoted over the heads of others and thrives "
     "in any service with a clear line of command, the armed forces above all. Boldness brings "
     "the rise, but it also makes enemies, and rivals wait for a slip. Its counsel is the "
     "soldier's own: guard the flank, trust few, and never celebrate before the field is held."},
    {146,
     "The letters of this name reduce to ten or less, a small number rather than one of the "
     "larger compound numbers. A name this light is said to mark someone who has already paid "
     "most karmic debts. That holds only for the name the parents gave, not where its spelling "
     "has since been changed. For what the number itself means, from 1 to 10, see the Interpret "
     "Number page."},
    {149,
     "The number 1 stands for manifestation and assertion, the active principle that turns what "
     "is possible into what is. Written as a single upright stroke, it looks like what it means: "
     "a figure standing on its own feet, a post driven into the ground. Among the tarot trumps it "
     "belongs to the Magician, who raises one hand to the sky and points the other at the earth, "
     "drawing power down into form. Its planet is the Sun, the centre around which the others "
     "move. In a person or a venture, 1 shows as initiative: it starts things, decides quickly, "
     "prefers to lead and dislikes waiting for permission. Assertion can harden into "
     "stubbornness, however, and self-reliance into a refusal to listen, so the standing counsel "
     "is to finish what it starts and to let others share in the work. At its best, 1 is the "
     "spark without which nothing else in the series could begin."},
    {150,
     "The number 2 is the number of antithesis, witness and confirmation: it answers the one, "
     "stands opposite it, and by standing there makes comparison possible. Duality is its whole "
     "nature. Day and night, question and reply, the two pans of a balance, the two banks of a "
     "river all belong to it. In the tarot it is the High Priestess, seated between a black "
     "pillar and a white one, holding a half-hidden scroll. Its planet is the Moon, which has no "
     "light of its own but returns the light of the Sun, hence its link with reflection and "
     "feeling. Old law required two witnesses before a matter could be settled, and the number "
     "keeps that role: what 1 asserts, 2 confirms or denies. As a character it is tactful, "
     "perceptive and at ease in partnership, a natural mediator. Its weakness is hesitation, "
     "since seeing both sides makes choosing between them hard. Its gift is loyalty of the quiet, "
     "lasting kind."},
    {151,
     "The number 3 is the trilogy of body, mind and spirit, the first number that makes a whole. "
     "Two points can only make a line, but three make a triangle, the simplest figure that "
     "encloses space, and the triangle has stood for a threefold unity in many traditions. "
     "Beginning, middle and end; past, present and future; mother, father and child: all come in "
     "threes. Jupiter, the expansive and generous giant, is its planet, and in the tarot its card "
     "is the Empress, enthroned in a ripening field. Expressive, sociable and inventive, the "
     "person or entity represented by it is quick with words and drawn to the arts. It rises "
     "easily and enjoys being seen to do so. The risk is spreading effort too thin. When body, "
     "mind and spirit are kept in step, 3 brings fruitful, cheerful growth."},
    {152,
     "The number 4 is the number of reality and concretion, the point at which ideas take solid "
     "shape in the material universe. Its figure is the square, and in three dimensions the cube, "
     "which rests steady on whichever face it is set down. The ancients built the world from four "
     "elements, earth, water, air and fire, and measured it by four seasons, four winds and four "
     "points of the compass. On the fourth card of the tarot the Emperor sits on a stone throne, "
     "the image of law and established order. In a person or a firm, 4 shows as patience and "
     "dependability: a preference for what can be measured, a word that is kept, and work built "
     "to last. Its weakness is the weakness of walls: rigidity, slowness to change, and a "
     "suspicion of anything new. Its strength is that when 4 has finished a task, the task stays "
     "finished."},
    {153,
     "The number 5 is the number of expansion, of whatever pushes past its present limits. It "
     "sits in the middle of the digits, with four on either side, and looks both ways. Mercury, "
     "the messenger, is its planet, and its natural home is the five senses, through which all "
     "experience arrives; its emblem is the five-pointed star drawn in one unbroken line. "
     "Curious, restless and adaptable, whoever carries it is fond of travel and change, quick to "
     "learn and quick to recover. Too much freedom scatters it, so the counsel is to choose one "
     "road at a time. Well directed, 5 brings growth and lively opportunity."},
    {154,
     "The number 6 is the number of co-operation, of separate parts fitting together so that each "
     "supports the others. Nature gives it a perfect emblem in the honeycomb, where thousands of "
     "six-sided cells share every wall and no space is wasted, the work of a whole hive rather "
     "than of any single bee. Two interlaced triangles, one pointing up and one down, make the "
     "six-pointed star of opposites held in balance. Venus is its planet, and with Venus come "
     "affection, beauty and a love of harmony at home and in company. Responsible, kind and "
     "reliable, it is the one others turn to when a group needs holding together, a family needs "
     "care or a quarrel needs settling. Its weakness is taking on too much of other people's "
     "weight, and minding business that is not its own. At its best, 6 makes every partnership "
     "stronger than its members would be alone."},
    {155,
     "The number 7 is the number of completion, the count at which a cycle closes. The week ends "
     "on its seventh day, the day kept for rest, and seven colours make a rainbow, seven notes a "
     "scale, seven wandering lights the sky of the ancients. Modern numerology links it with "
     "Neptune, planet of the deep sea, and its tarot trump is the Chariot, a journey carried "
     "through to its goal. Reflective, inward and searching, the person or entity represented by "
     "it cares more about why a thing is so than about what it is worth. It needs solitude to "
     "think and is often drawn to study, faith or distant places. It can seem remote, and its "
     "counsel is to bring back and share what it finds alone. When 7 finishes something, nothing "
     "is left out."},
    {156,
     "The number 8 is the number of dissolution, of the breaking down that comes before anything "
     "can be made new. The alchemists wrote their method in two words, solve et coagula, dissolve "
     "and bind, and 8 answers to the first of them: the furnace, the acid, the loosening of what "
     "had set hard. Saturn, slow and exacting, keeper of time and of consequences, is its planet. "
     "Drawn as two loops meeting at a point, the figure resembles an hourglass, and laid on its "
     "side it becomes the sign for infinity. Under it come seriousness, persistence and a "
     "capacity for great achievement, though usually after long effort and some losses. It may be "
     "misjudged as cold. What it learns, over and over, is that endings dissolve only the form of "
     "things, and that what was real in them survives into the next shape."},
    {157,
     "The number 9 is the number of regeneration, the last of the digits and the doorway to the "
     "next round. Multiply it by any positive whole number and the digits of the answer, added "
     "and reduced, come back to 9, so it seems to survive every change made to it. Nine months "
     "bring a child to birth. Mars is its planet, giving energy and courage, and the tarot gives "
     "it the Hermit, who stands alone on a peak with a lantern raised to light the way for those "
     "below. Generous, passionate and broad in sympathy, the person or entity represented by it "
     "is quick to defend others and quick to anger as well. It often has to let go of a role, a "
     "place or an attachment, and it tends to come back stronger each time. Its counsel is short: "
     "finish cleanly, forgive, begin again."},
}};

}  // namespace morvane
