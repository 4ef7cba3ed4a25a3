// Interpretation paragraphs, one per catalogue id.
#include "catalogue/interpretations.h"

namespace morvane {

const std::array<CatalogueEntry, 37> kInterpretations = {{
    {104,
     "This is a number of rise and fall, and it is said to be one of the most striking of all the "
     "compound numbers, for it carries within it the image of a wheel that turns without rest. The "
     "person or entity represented by it is said to be lifted high by circumstance and then "
     "brought low, only to rise once more, so that a life under this number rarely stays long in "
     "one place. Those born under it are said to have great confidence and a natural sense of "
     "honour, and when they act with patience their name may become well known and respected. The "
     "number is said to reward faith in one's own powers, yet it warns that pride taken at the top "
     "of the wheel is what sets it turning downward. Numerologists say that the good or ill "
     "fortune of this number depends on how its bearer uses the periods of success: what is built "
     "with care during the rise is said to soften the fall, while what is spent carelessly is "
     "lost. It is therefore regarded as a number of lessons rather than of simple luck, and its "
     "bearer is advised to keep a steady heart whatever the wheel may bring."},
    {105,
     "This is a number of hidden trials and betrayal from others, and it is said to be a warning "
     "that not every danger announces itself openly. The person or entity represented by it is "
     "said to meet difficulties that lie concealed beneath a calm surface, and to find at times "
     "that trusted companions do not keep faith, or that plans are undone in secret. Those born "
     "under it are advised to look carefully at the motives of those around them and to avoid "
     "placing their whole confidence in anyone too quickly. Yet the number is not said to be "
     "wholly dark, for the trials it brings are thought to sharpen judgement and to build an inner "
     "strength that cannot easily be taken away. Numerologists say that when its bearer learns to "
     "rely on quiet watchfulness rather than suspicion, the hidden snares of this number lose much "
     "of their power, and the lessons it teaches become a source of lasting wisdom."},
    {106,
     "This is a number of periodic sacrifice of one for the plans of others, and it is said to "
     "describe a life in which personal wishes are set aside again and again so that the designs "
     "of other people may go forward. The person or entity represented by it is said to be "
     "generous, dependable and often unwilling to refuse a request, and for this reason it may be "
     "drawn into causes and schemes that are not its own. Those born under it are said to suffer "
     "anxiety and weariness when these sacrifices come, yet they are also said to gain a rare "
     "depth of understanding from them, along with the gratitude of many. The number is a warning "
     "to guard one's own purposes and dreams and to recognise when giving has turned into being "
     "used. Numerologists say that when its bearer learns to choose freely where to give and where "
     "to hold back, this number becomes a sign of noble and willing service rather than of loss."},
    {107,
     "This is a number of upheavals, so that new ground may be broken, and it is said to be far "
     "less unlucky than popular fear suggests. It is also linked with the unexpected, and its "
     "bearer is advised to be ready for sudden news. The person or entity represented by it is "
     "said to meet sudden changes that clear away what has grown old, much as a plough turns the "
     "soil before a new crop is sown. Those born under it are advised not to cling to what is "
     "passing, for the disruption this number brings is said to open the way to power and fresh "
     "beginnings. Used wisely, it is a number of change and renewal; resisted, it may seem only a "
     "storm."},
    {108,
     "This is a number of magnetic communication with the public through writing and media, and it "
     "is said to favour all who deal with words, images and the spreading of ideas. The person or "
     "entity represented by it is said to have a natural gift for reaching many people at once, "
     "whether through books, newspapers, broadcasts or any other channel by which messages travel. "
     "Those born under it are said to do well in trade and in changing affairs, and to draw others "
     "toward them with an easy charm that few can resist. Yet the number is also said to carry "
     "risks connected with movement and change, and with trusting too readily in the judgement of "
     "others. Numerologists advise its bearer to act with caution in speculation and to rely on "
     "personal intuition and careful study rather than on the advice of the crowd. When this care "
     "is taken, the number is said to bring lively and lasting success and a wide and loyal "
     "audience that listens willingly to what its bearer has to say."},
    {109,
     "This is a number of extreme luck and enchantment, and it is said to be one of the most "
     "fascinating of all the compound numbers. The person or entity represented by it is said to "
     "possess a strange and powerful charm, a quality that draws people close and persuades them "
     "almost without effort. Those born under it are said to have a gift for eloquence, for music, "
     "for art, for drama and for every kind of performance, and a personality that seems to cast a "
     "spell over those who meet it. The number is said to bring gifts, favours and help from "
     "others, often arriving unexpectedly at the very moment they are most needed. Because of "
     "this, it is regarded as especially fortunate for obtaining money and for gaining the support "
     "of influential friends. Numerologists also say that this number carries a certain mystery, "
     "as though its bearer were touched by subtle forces that are not fully understood, and there "
     "is said to be something of the magician about it. Its enchantment is not without danger, "
     "however, for the same magnetism that attracts good fortune may be turned toward selfish "
     "ends, and the power to persuade may become a power to mislead. The number is said to be most "
     "fortunate when it is joined with a single digit of good character, and less so when it is "
     "joined with a troubled one. Its bearer is therefore advised to use this remarkable charm "
     "with honesty and kindness, and to remember that luck freely given may be freely withdrawn. "
     "When it is handled with a generous spirit, this number is said to open doors that remain "
     "firmly shut to others, and to make the path through life unusually smooth and bright."},
    {110,
     "This is a number of strange fatality, accidents, defeat of one's plans, and it is "
     "traditionally pictured as a tower struck by lightning, its crown thrown down to the ground. "
     "The person or entity represented by it is said to build high and with confidence, only to "
     "find that some sudden and unforeseen blow brings the structure down. Those born under it are "
     "warned against overconfidence and against plans laid without enough regard for what might go "
     "wrong. The number is said to point to accidents and strange turns of events that no one "
     "could have predicted. Yet numerologists say its warning is meant to be heeded, not feared: "
     "plans made early and examined carefully are said to escape much of its force. Its bearer is "
     "advised to stay humble in success, to keep foundations sound, and to listen to the quiet "
     "inner warnings that this number is said to send before trouble arrives."},
    {111,
     "This is a number of high spirituality, love and peace, and it is pictured as a star shining "
     "steadily above the troubles of the world. The person or entity represented by it is said to "
     "rise above early trials and disappointments and to find a calm that others admire. Those "
     "born under it are said to be remembered with affection long after their work is done. It is "
     "regarded as one of the most gentle and fortunate of all numbers."},
    {112,
     "This is a number of the most difficult symbolism of all the compound numbers, bringing "
     "quarrels and upheaval, and numerologists approach it with more caution than any other. It is "
     "traditionally pictured as a moon casting a pale and uncertain light, beneath which shapes "
     "are hard to see and paths are easily mistaken. The person or entity represented by it is "
     "said to be drawn into conflict from many directions: disputes within the family, rivalry "
     "among friends, and struggles with forces beyond its control. Those born under it are said to "
     "face bitter quarrels, sudden upheaval in their affairs, and at times open enmity from people "
     "who once seemed allies. The number is also said to warn of deception, of hidden enemies, and "
     "of dangers connected with the elements, such as storms, floods, fires and explosions. Some "
     "writers describe it as a number in which material ambition threatens to overwhelm the "
     "spiritual nature, so that the person or entity represented by it may be tempted to pursue "
     "gain at the cost of peace and integrity. It is said that when the spiritual side is "
     "neglected, the conflicts of this number grow sharper and more frequent, and when the "
     "spiritual side is honoured, they soften. For this reason the number is regarded not simply "
     "as unlucky but as a severe and demanding teacher. Its bearer is advised to meet hostility "
     "with patience rather than anger, to avoid taking part in quarrels that are not its own, and "
     "to be wary of treachery hidden behind friendly words. Numerologists say that this number "
     "calls for constant vigilance, especially in matters of trust and of travel, and that "
     "kindness, forgiveness and generosity are its strongest protections. It is also said that "
     "those who live under it often develop an unusual resilience, for having weathered so many "
     "storms they learn a steadiness that others never acquire. The upheavals it brings may clear "
     "away false friends and empty ambitions, leaving behind only what is real and lasting. When "
     "its bearer turns deliberately toward the spiritual, seeking understanding rather than "
     "victory, the heavy symbolism of this number is said to be transformed, and its trials become "
     "the foundation of a hard-won and genuine wisdom that no quarrel can take away."},
    {113,
     "This is a number of the most fortune and favour among the compound numbers, and it is "
     "pictured as a bright sun shining on all that it touches. The person or entity represented by "
     "it is said to enjoy happiness, success and the esteem of others, and to find that its plans "
     "tend to ripen in their own good time. Those born under it are said to be warm, confident and "
     "generous, drawing admiration without needing to seek it. The number is regarded as "
     "especially favourable for the future, promising honour and contentment as the years pass. "
     "Numerologists say that even the troubles met under it seem to resolve in the end, as clouds "
     "give way to light. Its bearer is advised only to share its good fortune freely, for the "
     "blessing of this number is said to grow stronger when it warms others as well."},
    {114,
     "This is a number of awakenings, and it is traditionally pictured as a call that rouses the "
     "sleeping to rise and take up a new purpose. The person or entity represented by it is said "
     "to experience moments when an old way of seeing falls away and a larger view of life "
     "appears. Those born under it are said to be stirred to action by a sense of duty, a new plan "
     "or a cause that demands their attention and will not let them rest. The number is also "
     "called one of judgement, for it is said to bring a reckoning in which past choices are "
     "weighed and the path ahead is decided. It is not regarded as a number of material gain in "
     "itself, and its bearer may find that worldly matters are delayed or obstructed for a time. "
     "Yet numerologists say these delays serve a purpose, for they turn attention inward and "
     "prepare the ground for a deeper and more lasting kind of growth. The person or entity "
     "represented by it is advised to listen carefully to the inner voice, since the awakenings of "
     "this number are said to come quietly before they come loudly. When its message is heeded, "
     "the number is said to lead toward a life of greater meaning, in which effort is guided by "
     "clear vision, honest purpose and renewed resolve."},
    {115,
     "This is a number of general successes, and it is pictured as a crown awarded after a long "
     "and worthy effort. The person or entity represented by it is said to rise steadily to honour "
     "and advancement, overcoming obstacles through determination and patience. Those born under "
     "it are said to be favoured in their undertakings and rewarded for their labour. It is "
     "regarded as a number of victory well earned and lasting."},
    {116,
     "This is a number of warnings of illusion and delusion, and it is pictured as a dreamer "
     "walking contentedly toward a danger that he does not see. The person or entity represented "
     "by it is said to live too easily in a world of hopes and fancies, trusting that all will "
     "turn out well without looking closely at the facts. Those born under it are said to be "
     "kindly and well meaning, but inclined to accept the judgement of others rather than their "
     "own, and so to be led astray. The number warns of false security, of mistaken trust, and of "
     "decisions made while the mind is clouded by wishes. Numerologists advise its bearer to wake "
     "fully to the realities of each situation, to test every promise, and to keep careful watch "
     "over personal affairs. When these warnings are heeded, the illusions of this number are said "
     "to dissolve, and the good nature of its bearer can at last work in the clear light of day."},
    {117,
     "This is a number of karmic rewards, and it is pictured as a royal star bringing help from "
     "those in high places. The person or entity represented by it is said to receive success in "
     "its plans and protection from above, as though earlier kindness were now returned. Those "
     "born under it are said to be fortunate in most undertakings and in the company they keep."},
    {118,
     "This is a number of fortunes and karmic reward justly earned, and it is said to bring the "
     "return of good deeds done in the past. The person or entity represented by it is said to "
     "gain help and friendship from people of rank and influence, and to find that its honest "
     "efforts are recognised and repaid. Those born under it are said to be fortunate in love and "
     "in partnerships, and to draw assistance from the opposite sex in particular. The number is "
     "regarded as favourable for the future, promising material comfort and a respected place in "
     "the world. Yet numerologists stress that its rewards are earned rather than given, for they "
     "are said to flow from a history of fairness, loyalty and good conduct. Its bearer is warned "
     "that the same law which brings reward also records every misuse of good fortune, so that "
     "arrogance or selfishness may slowly turn the current the other way. When this number is "
     "honoured with gratitude and fair dealing, it is said to remain one of the most reliable and "
     "comforting of all the compound numbers, a steady source of blessing throughout life."},
    {119,
     "This is a number of spiritual wisdom gained through observation and experience, and it is "
     "said to belong to those who learn slowly but very deeply. The person or entity represented "
     "by it is said to pass through trials and conflicts early in life, watching closely and "
     "drawing lessons from each one. Those born under it are said to gain, in time, a quiet "
     "authority and the respect of others. The number is regarded as fortunate, especially in its "
     "later years, when patience bears fruit."},
    {120,
     "This is a number of unique powers of compassion, yet it also carries contradictions and "
     "warnings that must not be overlooked. The person or entity represented by it is said to feel "
     "the suffering of others with unusual depth and to be moved, again and again, to help. Those "
     "born under it are said to give generously of time, money and care, and many people are said "
     "to owe them a great deal. Yet the number warns that this generosity may be exploited, and "
     "that partnerships, associations and unwise alliances may bring loss and disappointment. It "
     "is said to point to danger arising from bad advice and from trusting the schemes of others, "
     "so that the very compassion that defines its bearer becomes a path toward trouble. "
     "Numerologists advise caution in business dealings and in choosing companions, and recommend "
     "that the person or entity represented by it learn to help without giving away its own "
     "security. When compassion is guided by sound judgement, this number is said to become a "
     "source of great good, and its contradictions are resolved into a wise and steady kindness."},
    {121,
     "This is a number of excellence, harmony, courage and power, and it is pictured as a sceptre "
     "held by a just and thoughtful ruler. The person or entity represented by it is said to "
     "possess authority that springs from clear thinking, steady nerve and creative intelligence. "
     "Those born under it are said to reap the fruits of their ideas and plans, and to succeed "
     "best when they follow their own judgement rather than the opinions of others. The number is "
     "regarded as very fortunate, promising recognition and the ability to lead wisely. "
     "Numerologists say its harmony comes from a balance of strength and wisdom, and that its "
     "courage is most effective when used in the service of others."},
    {122,
     "This is a number of puzzling and frustrating contradictions, and it is said to describe a "
     "life of great promise that does not always keep its promises. The person or entity "
     "represented by it is said to show remarkable ability and to make rapid progress, only to see "
     "its gains slip away through the fault of others or through sudden changes of fortune. Those "
     "born under it are said to face loss through trust, through competition, and through legal or "
     "financial disputes, and may be obliged to begin again more than once. The number is regarded "
     "as a teacher of resilience, for each reversal is said to leave its bearer wiser and better "
     "prepared. Numerologists advise careful planning for the future, prudent saving, and a "
     "healthy reserve in placing confidence in friends and partners. When its bearer accepts that "
     "progress under this number is seldom straight, the frustrations it brings can be met with "
     "patience, and its contradictions can become the source of a mature and resourceful "
     "character."},
    {123,
     "This is a number of perhaps the heaviest karma of all, and it is said to carry burdens "
     "inherited from earlier choices that must now be faced. The person or entity represented by "
     "it is said to encounter uncertainty, treachery and deception from others, along with "
     "unexpected dangers and trials that seem to arrive without any warning or cause. Those born "
     "under it are said to experience grief and anxiety in matters of the heart, and to be "
     "deceived at times by those they love. The number is also said to warn of unreliable friends, "
     "of sudden reversals in fortune, and of obstacles that reappear just when they seemed "
     "overcome. Yet numerologists explain that heavy karma is not a sentence but a debt, and that "
     "each trial borne with dignity is said to lighten the load. Its bearer is advised to act with "
     "honesty, to avoid deceiving others, and to cultivate the patience and faith that this number "
     "demands. When these lessons are fully learned, the weight of this number is said to lift, "
     "leaving a soul strengthened by its trials and free at last to move forward with a clear and "
     "steady heart."},
    {124,
     "This is a number of retrospection, thoughtful deduction, mental superiority, and it is said "
     "to belong to minds that look back in order to understand what lies ahead. The person or "
     "entity represented by it is said to possess a keen intellect and a gift for reasoning "
     "through problems calmly and thoroughly. Those born under it are said to be inclined to set "
     "material things aside, not because they lack the ability to gain them, but because ideas and "
     "understanding interest them more. The number is regarded as neither fortunate nor "
     "unfortunate in itself, for its results depend on the mental outlook of its bearer. When that "
     "outlook is generous and open, the mental superiority of this number is said to bring "
     "respect, influence and quiet authority. When it is proud or solitary, the same gift may "
     "isolate its bearer and make others feel distant. Numerologists say that the person or entity "
     "represented by it often prefers its own company and its own thoughts, and may appear "
     "reserved even among friends. Its bearer is advised to share its insights freely and to "
     "balance reflection with action, so that the careful deductions of this number serve others "
     "as well as itself and become a source of lasting influence."},
    {125,
     "This is a number of intelligence, joined with self-containment and isolation, and it is said "
     "to resemble the previous number while leaning further toward solitude. The person or entity "
     "represented by it is said to be thoughtful, capable and independent, yet often lonely and "
     "somewhat apart from others. Those born under it are said to rely chiefly on their own "
     "judgement and to feel most at ease when working alone. The number is not regarded as "
     "fortunate in a worldly sense, for its isolation may cause opportunities to pass unnoticed. "
     "Numerologists advise its bearer to open its doors now and then, to accept help when it is "
     "offered, and to allow its intelligence to be known. When this is done, the self-containment "
     "of this number is said to become a quiet strength rather than a barrier, and its bearer can "
     "enjoy both independence and warm companionship."},
    {126,
     "This is a number of magical power to sway the masses, and it is said to share the strong "
     "communicative qualities of the numbers five and fourteen. The person or entity represented "
     "by it is said to hold a remarkable ability to win the attention of large numbers of people "
     "and to move them toward a common purpose. Those born under it are said to be persuasive, "
     "adaptable and lively, and to succeed in public life and in affairs concerning nations or "
     "crowds. The number is regarded as fortunate, provided its bearer keeps to its own judgement "
     "and is not carried away by the opinions of others. Numerologists warn that stubbornness and "
     "the plans of less careful people may spoil its promise, so caution in partnerships is wise. "
     "When its bearer acts with independence and integrity, this number is said to bring wide "
     "influence, public esteem and lasting success."},
    {127,
     "This is a number of no meaning of its own, and it is said to take its character from the "
     "number twenty-four, whose vibration it carries in a deeper and more intense form. It is best "
     "seen as an echo that strengthens what is already present. The person or entity represented "
     "by it is therefore said to share the fortunate qualities of that number: the help of people "
     "in high places, success in love and partnership, and karmic reward justly earned. Those born "
     "under it are said to feel these influences more strongly, as though the lessons and gifts of "
     "twenty-four had been magnified. Numerologists advise its bearer to study the meaning of "
     "twenty-four with care, for the guidance given there applies here with greater force. When "
     "that guidance is followed, this number is said to bring generous fortune and the lasting "
     "goodwill of others."},
    {131,
     "This is a number of a definite potency of its own, and it is said to favour friendship, love "
     "and partnership of every kind. The person or entity represented by it is said to draw good "
     "fortune through its relationships, both in affection and in business. It is also said to "
     "bring success in creative work shared with others. Those born under it are said to be warm "
     "and sincere, and to find loyal companions who bring them happiness and steady support. "
     "Numerologists regard it as a fortunate number, especially for unions and alliances, and say "
     "that its blessings grow whenever its bearer acts with kindness."},
    {137,
     "This is a number of misfortunes, and it is said to bring revolution, upheaval and strife. "
     "The person or entity represented by it is said to meet failure and stubborn opposition in "
     "its plans, and to be drawn into conflicts not of its own making. Those born under it are "
     "advised to act with great caution and to seek peace and calm wherever possible."},
    {145,
     "This is a number of strong potency, and it is said to carry the nature of the warrior. The "
     "person or entity represented by it is said to rise suddenly to positions of leadership and "
     "to achieve success through boldness and decisive action. Those born under it are said to be "
     "courageous and energetic, and are favoured in any contest of strength or will. It is "
     "regarded as especially favourable for those in command. Yet the number also warns of enemies "
     "and danger, and advises its bearer to guard its own safety."},
    {146,
     "This name accumulates to a single digit. Such a person is said to have paid most karmic "
     "debts in earlier lives, and to begin this life with a comparatively light burden. This does "
     "not hold, however, for someone who changed the spelling of the name given by the parents. To "
     "read the meaning of the single digit, please turn to the Interpret Number page, where it is "
     "described in full."},
    {149,
     "The number 1 is the number of manifestation and assertion, and it is said to represent the "
     "active principle from which all other numbers spring. It stands for the first impulse, the "
     "moment when something that was only possible becomes real. Those born under it are said to "
     "be independent, ambitious and creative, with a strong will and a natural desire to lead "
     "rather than follow. The number is associated with the sun, with individuality and with "
     "originality of thought. Its bearers are said to be determined and firm in their views, and "
     "to dislike restraint of any kind. Numerologists say that at its best the number 1 brings "
     "initiative, courage and the power to begin great undertakings. At its worst it may show "
     "itself as obstinacy or self-centredness. It is regarded as the seed of every enterprise, and "
     "as the symbol of the self that acts upon the world."},
    {150,
     "The number 2 is the number of antithesis, witness and confirmation, and it is said to "
     "represent duality in all its forms. Where the number 1 asserts, the number 2 answers, "
     "providing the opposite pole that makes balance and comparison possible. It stands for light "
     "and shadow, male and female, question and reply, and for the witness who confirms that "
     "something is true. Those born under it are said to be gentle, imaginative and sensitive, "
     "with a gift for diplomacy and a deep need for harmony. The number is associated with the "
     "moon, with intuition and with the inner life of feeling. Its bearers are said to work well "
     "in partnership and to excel at bringing opposing sides together. Numerologists warn that "
     "they may lack confidence or hesitate too long between choices. At its best, however, the "
     "number 2 is said to bring understanding, cooperation and the quiet strength of a faithful "
     "companion."},
    {151,
     "The number 3 is the number of the trilogy of body, mind and spirit, and it is said to "
     "represent the union of these three aspects in a complete being. It stands for creation born "
     "from the meeting of two opposites, as a child is born of two parents. Those born under it "
     "are said to be expressive, optimistic and ambitious, with a lively imagination and a love of "
     "learning. The number is associated with growth, abundance and the joy of self-expression "
     "through speech, art and writing. Its bearers are said to rise to positions of authority and "
     "to enjoy the respect of others. Numerologists say that at its best the number 3 brings "
     "harmony between the physical, mental and spiritual sides of life, while at its worst it may "
     "lead to scattered energies or pride."},
    {152,
     "The number 4 is the number of reality and concretion, and it is said to represent the "
     "material universe in its solid and measurable form. It stands for the four elements, the "
     "four seasons and the four directions, the frame within which all physical things exist. "
     "Those born under it are said to be practical, steady and hardworking, with a strong respect "
     "for order and for foundations built to last. The number is associated with structure, "
     "discipline and patient labour. Its bearers are said to see the world from an unusual angle, "
     "to question accepted views and to hold firmly to their own opinions. Numerologists warn that "
     "they may meet opposition or feel misunderstood, and that rigidity can limit them. At its "
     "best, however, the number 4 brings reliability, endurance and the ability to turn ideas into "
     "solid achievement."},
    {153,
     "The number 5 is the number of expansion, and it is said to represent the restless movement "
     "that carries life beyond its present limits. It stands for the five senses, for curiosity, "
     "travel and change. Those born under it are said to be quick, versatile and adventurous, "
     "making friends easily and recovering swiftly from setbacks. The number is associated with "
     "freedom and with communication of every kind. Numerologists warn that its bearers may become "
     "impatient or scatter their efforts, but at its best the number 5 is said to bring growth, "
     "opportunity and a joyful openness to experience."},
    {154,
     "The number 6 is the number of co-operation, and it is said to represent the harmony that "
     "arises when different parts work together for a common good. It is often pictured as two "
     "triangles joined, one pointing upward and one downward, uniting heaven and earth. Those born "
     "under it are said to be loving, responsible and devoted to home and family, with a strong "
     "sense of beauty and a desire to bring peace wherever they go. The number is associated with "
     "marriage, friendship, service and the arts. Its bearers are said to attract affection and to "
     "be trusted by those around them. Numerologists warn that they may become too eager to please "
     "or may carry burdens that belong to others. At its best, however, the number 6 is said to "
     "bring balance, generosity and the rare ability to help people work together in trust and "
     "goodwill."},
    {155,
     "The number 7 is the number of completion, and it is said to represent the fulfilment of a "
     "cycle, as the seven days complete the week. It has long been regarded as sacred, and is "
     "linked with the seven colours of the rainbow and the seven notes of the scale. Those born "
     "under it are said to be thoughtful, intuitive and drawn toward study, philosophy and the "
     "mysteries of life. The number is associated with reflection, inner knowledge and spiritual "
     "insight. Its bearers are said to be independent and original, often with a love of travel "
     "and distant and unfamiliar places. Numerologists warn that they may seem aloof or withdrawn, "
     "but at its best the number 7 is said to bring wisdom, depth and a sense of completeness."},
    {156,
     "The number 8 is the number of dissolution, and it is said to represent the breaking down of "
     "old forms so that their substance may be used again. It is pictured as two circles joined, "
     "showing the endless exchange between the material and the spiritual. Those born under it are "
     "said to be serious, determined and capable of great and lasting achievement, though often "
     "after long and patient struggle. The number is associated with power, justice, money and the "
     "slow lessons of time. Its bearers are said to be deeply misunderstood at times, and to feel "
     "lonely at heart, though their loyalty runs deep. Numerologists say the number 8 may bring "
     "hardship and loss, but it is also said to bring strength and reward to those who persevere "
     "and accept its discipline with patience and faith."},
    {157,
     "The number 9 is the number of regeneration, and it is said to represent the close of one "
     "cycle and the rebirth of another. It stands at the end of the single digits, holding within "
     "it something of all the numbers that came before. Those born under it are said to be "
     "energetic, courageous and compassionate, with a strong wish to serve humanity. Its bearers "
     "are said to be natural leaders in times of crisis. The number is associated with endings, "
     "forgiveness and universal love. A curious property is said to reveal its nature: any number "
     "multiplied by nine reduces again to nine. Numerologists warn that its bearers may be "
     "impulsive or quarrelsome, but at its best the number 9 is said to bring renewal, generosity "
     "and great strength of will."},
}};

}  // namespace morvane
