#include "content/CardMeanings.h"

namespace quillmere {

namespace {

const CardMeaningText kTexts[] = {
    {"Ace of Cups",
     "Ace of Cups upright shows a single chalice overflowing, water spilling over its rim as if the heart itself could "
     "no longer hold what it feels. This is the seed of the element of water: a new love, a fresh friendship, a rush "
     "of compassion, or a spiritual opening that arrives as a gift rather than a reward. Something in you is ready to "
     "receive and to give. Let yourself be moved instead of guarding every feeling behind reason. Say yes to the "
     "invitation, the reconciliation or the creative impulse that stirs you now, and notice how generosity returns to "
     "you. Begin with small acts of kindness toward yourself; the cup fills most readily when it is not clenched.",
     "Ace of Cups in the reversed position suggests that the cup is tipped and its water runs out before anyone can "
     "drink. Feelings may be blocked, denied or poured into places that cannot hold them. You may be giving affection "
     "to earn approval, or closing yourself off after a disappointment so that nothing new can reach you. The "
     "emotional beginning you hoped for is delayed rather than lost. Ask where you are holding back tears, warmth or "
     "honesty, and why. Turn some of the care you give others inward, and let grief or tenderness be felt fully: water "
     "that is dammed turns stagnant, water that flows runs clear. When the cup is set upright again by your own hand, "
     "what flows into it will be truer than what spilled."},
    {"Two of Cups",
     "Two of Cups upright pictures two people facing each other and exchanging cups, a pledge of mutual "
     "regard beneath a winged emblem of harmony. It speaks of partnership in its truest sense: attraction, "
     "friendship or an alliance in which each gives and each receives in equal measure. A connection you "
     "value may deepen now, a quarrel may be healed, or a new bond may begin with unusual ease. Meet the "
     "other person as an equal; listen as much as you speak, and let respect set the pace rather than "
     "need. This card also reminds you that union begins within: the balance you bring to a relationship "
     "is the balance you have made between your own head and heart.",
     "Two of Cups in the reversed position points to a bond that has slipped out of balance. One person "
     "may be pouring while the other only drinks, or trust may have been dented by a careless word, a "
     "broken promise or a misunderstanding left too long. Attraction can fade into habit, and a "
     "partnership can become a contest. Do not rush to blame or to walk away. Name plainly what you need "
     "and ask what the other needs in return; many rifts shown here are mended by one honest conversation. "
     "If the imbalance is lasting, though, the card asks you to protect your own worth and to stop "
     "offering your cup to someone who keeps refusing it."},
    {"Three of Cups",
     "Three of Cups upright celebrates friendship and shared joy: three figures raise their cups together in a field "
     "of ripe harvest, dancing as if nothing else mattered. Expect gatherings, reunions, weddings, birthdays or simply "
     "good company that lifts your spirits. The card honors community, the circle of people who carry you and whom you "
     "carry in turn. Accept invitations, reach out to friends you have neglected, and let yourself laugh without "
     "measuring the cost of the time. Collaboration thrives now too, especially in creative work where several voices "
     "make something richer than one could alone. Celebrate what has gone well; gratitude spoken aloud strengthens "
     "every bond it touches.",
     "Three of Cups in the reversed position warns that celebration has tipped into excess or that a circle of friends "
     "has turned sour. Gossip, a third person intruding on a couple, rivalry within a group or too many nights of "
     "revelry may be draining you. You might also feel left out, watching others gather while you stand apart. Look "
     "honestly at the company you keep and at what it costs you. Step back from gatherings that leave you emptier than "
     "before and from talk that wounds people who are absent. Seek out the one or two friends who know you well, and "
     "raise a quieter cup with them. Fewer evenings, better ones, and words you would be glad to have repeated will "
     "heal this circle."},
    {"Four of Cups",
     "Four of Cups upright shows a figure seated under a tree, arms folded, staring at three cups on the grass while a "
     "hand from a cloud offers a fourth that goes unseen. This is apathy, boredom or quiet discontent: the sense that "
     "nothing on offer is worth reaching for. You may be turning inward to reassess what you truly want, which can be "
     "healthy, but you risk missing a genuine opportunity while you brood. Take stock of what you already have and "
     "allow yourself to feel grateful for it. Then lift your eyes. An offer, an idea or a kindness may be right beside "
     "you. Meditation and reflection help, as long as they lead you back into life.",
     "Four of Cups in the reversed position shows someone who has finally stood up from under the tree. After a period "
     "of withdrawal, sulking or numbness, your interest in life is returning and you are ready to accept what is "
     "offered. You now see clearly the cup that was held out to you all along, and you can decide to act on it. The "
     "still water of the last months begins to move again. Say yes to one invitation this week and notice how it feels "
     "to be part of things. Move with the new energy, but avoid leaping at every chance only to make up for lost time; "
     "choose the cup that genuinely speaks to you, and drink from it fully."},
    {"Five of Cups",
     "Five of Cups upright depicts a cloaked figure mourning over three spilled cups, not yet noticing the two that "
     "still stand behind. It is a card of loss, regret and disappointment, of grieving for what went wrong or what "
     "might have been. Your sorrow is real and deserves its time; do not pretend it away. Yet the card also shows that "
     "not everything is gone. A bridge leads back across the river toward home, and two full cups wait for you. When "
     "you are ready, turn around. Ask what remains, who still stands with you, and what this loss has taught you. "
     "Forgiveness, of others and of yourself, is the first step over that bridge.",
     "Five of Cups in the reversed position marks a turning point in grief. You are beginning to accept what happened, "
     "to lift your eyes from the spilled cups and notice the two that still stand. Old friends may reappear, hope "
     "returns, and you may find peace with a past you could not change. The river that separated you from home now has "
     "a bridge, and you are strong enough to cross it. Talk to someone you trust, write down what you could not say, "
     "and allow yourself to move forward without betraying what you lost. Pick up the cups that remain and carry them "
     "with you. Healing does not mean forgetting; it means carrying the memory with a lighter hand."},
    {"Six of Cups",
     "Six of Cups upright shows children in an old village, one offering the other a cup filled with flowers. It is "
     "the card of memory, innocence and the sweetness of the past. Childhood friends, a former love or a familiar "
     "place may return to your life, or you may simply feel nostalgic. Simple pleasures and kindness without "
     "expectation are favored now. Give a small gift, visit someone who knew you long ago, play again. The card also "
     "invites you to reconnect with the child you once were, with the curiosity and openness you had before life made "
     "you cautious. Draw warmth from good memories, but use them to enrich today, not to replace it.",
     "Six of Cups in the reversed position suggests that the past holds you too tightly. You may be idealizing old "
     "times, clinging to a relationship or a place that no longer fits, or repeating patterns learned in childhood "
     "without questioning them. Nostalgia has become a refuge from choices you need to make now, and the flowers in "
     "the old cup have long since dried. Honor what the past gave you, but be honest about what it cost you too. "
     "Notice when you say it used to be better, and ask what you would do if it could not return. Old wounds from your "
     "early years may need attention; tend them with patience, then turn toward the people and chances around you "
     "today."},
    {"Seven of Cups",
     "Seven of Cups upright shows a figure gazing at seven cups floating in a cloud, each holding a different vision: "
     "a fair head, a veiled and glowing figure, a serpent, a castle on a rock, a heap of jewels, a laurel wreath and a "
     "dragon. Many options, many dreams and many illusions are before you. Imagination is running high, which is "
     "wonderful for creative work, but not every shimmering possibility is real or right for you. Wishful thinking can "
     "hide the cost of a choice. Slow down and test each option against facts and your deepest values. Ask which dream "
     "you would still want if it took years of work. Choose one, bring it down to earth, and let the rest dissolve "
     "back into the clouds.",
     "Seven of Cups in the reversed position signals that the visions are fading and the cups come down from the "
     "cloud. After a season of confusion, daydreaming or temptation, you are seeing your choices for what they are. "
     "Illusions fall away, and you may feel sober, even a little disappointed, yet clearer than before. The castle "
     "turns out to be a house that needs work, the jewels a wage you can earn, and that is good news. This is the "
     "moment to commit to a realistic path. Make a list, set priorities and take a first concrete step before the old "
     "fantasies drift back. Determination now turns a vague wish into a plan you can actually live."},
    {"Eight of Cups",
     "Eight of Cups upright shows a cloaked traveler walking away by moonlight from eight cups carefully stacked, "
     "leaving them behind for the mountains. Something that once satisfied you no longer does, even if on the surface "
     "nothing is wrong. The card speaks of a conscious departure: from a job, a relationship or a way of living that "
     "has lost its meaning. Leaving is not failure; it is a search for deeper fulfillment. Be honest about what is "
     "missing and have the courage to go in search of it, even without knowing exactly where you will arrive. Take "
     "time alone to reflect. What you seek is emotional truth, and the path toward it begins with a single step.",
     "Eight of Cups in the reversed position shows hesitation at the moment of leaving. You know that a situation no "
     "longer nourishes you, yet you stay out of fear, guilt or the comfort of the familiar, restacking the eight cups "
     "instead of walking toward the mountains. Each month of waiting makes the departure feel harder. Be honest about "
     "what keeps you: if it is love or duty, work wholeheartedly on what is wrong; if it is only fear, set a date and "
     "prepare. Avoid the half measures that keep one foot out of the door. The moon still lights the path, and the "
     "emotional truth you are looking for lies beyond the cups, not among them."},
    {"Nine of Cups",
     "Nine of Cups upright is often called the wish card: a contented man sits before a curved row of nine "
     "cups, arms folded, satisfied with what he has gathered. Emotional and material comfort, pleasure and "
     "fulfillment are within reach, and a hope you have nurtured may come true. Enjoy it without guilt. "
     "Share good food, rest, celebrate your success and let others see your happiness. The card asks only "
     "that you remain aware of the difference between contentment and smugness. Be generous with what you "
     "have and grateful for it. Make your wish clearly, since this card favors those who know what they "
     "want, and then allow it to arrive.",
     "Nine of Cups in the reversed position points to satisfaction that is hollow or just out of reach. "
     "You may have what you wished for and still feel empty, or you may be chasing pleasure, possessions "
     "or praise to cover an inner lack. Overindulgence in food, drink or spending can appear here. "
     "Sometimes a wish is simply delayed, or it was not the right wish. Look beneath the surface of your "
     "desires and ask what you truly long for. Inner contentment does not depend on the next acquisition. "
     "Cut back on excess, set realistic expectations and find joy in what you already have; the fuller cup "
     "is the one you fill from inside."},
    {"Ten of Cups",
     "Ten of Cups upright shows a couple with arms raised toward a rainbow of ten cups, while two children "
     "dance beside them and a small house stands in the green valley. This is the fulfillment of the suit "
     "of water: lasting happiness, harmony at home, family love and a sense of belonging. Relationships "
     "are supportive, conflicts ease, and you may feel at peace with the people closest to you. Invest in "
     "those bonds. Spend time together, express your affection openly and create traditions that hold you "
     "together. If you are seeking a home or a family of your own, the card is encouraging. Emotional "
     "security grows from daily care, not from grand gestures alone.",
     "Ten of Cups in the reversed position reveals strain in the home or a family whose harmony is only on "
     "the surface. Values may clash, communication may have broken down, or you may be clinging to an "
     "ideal picture of family life that does not match reality. You might feel disconnected from those you "
     "love, or be trying to keep everyone happy at your own expense. Face what is really happening with "
     "compassion. Talk openly about needs and disappointments, and accept that no family is perfect. "
     "Sometimes the card asks you to find belonging among friends or chosen kin instead. Real harmony is "
     "built slowly, through honesty, forgiveness and shared effort."},
    {"Page of Cups",
     "Page of Cups upright shows a young figure in a flowered tunic, gazing with surprise at a fish that "
     "peeks out of the cup in hand. It brings a message from the heart: an invitation, a declaration of "
     "affection, news of a birth, or a sudden creative idea that arrives out of nowhere. The Page is open, "
     "sensitive and imaginative, ready to trust intuition over logic. Let yourself be playful and curious; "
     "the unexpected may delight you now. Pay attention to dreams, hunches and small signs. If you meet a "
     "gentle, romantic young person, they may bring something of value. Nurture your creativity and your "
     "tenderness, even if others find them naive.",
     "Page of Cups in the reversed position suggests emotional immaturity or a creative spark that has "
     "been stifled. You may be moody, easily hurt, or daydreaming instead of acting. A message you hoped "
     "for may be delayed, or a romantic gesture may turn out to be less sincere than it seemed. The card "
     "can also point to an inner child who feels ignored: ideas you never shared, feelings you dismissed "
     "as silly. Take your intuition seriously without letting it become wishful thinking. Express what you "
     "feel in a grounded way, perhaps through art, writing or an honest word. Be wary of escapism; the "
     "fish in the cup still has something to say if you listen."},
    {"Knight of Cups",
     "Knight of Cups upright rides a white horse at a calm pace, holding out a cup as if offering it. He "
     "is the romantic, the dreamer and the messenger of love, moved more by feeling than by ambition. "
     "Expect a proposal, an invitation, or an offer that appeals to your heart, or the arrival of a "
     "charming, idealistic person. Creative and artistic work is favored. Follow your heart, but keep "
     "your eyes open: the knight is gentle and sincere, yet he can be too taken with his own ideals to see "
     "practical obstacles. Act on your feelings with grace and kindness. Approach people with openness, "
     "and let your imagination guide you toward something beautiful.",
     "Knight of Cups in the reversed position warns of moodiness, unrealistic expectations or charm "
     "without substance. A promise may not be kept, a romantic offer may hide other motives, or you may be "
     "swept away by fantasy and jealousy. The knight's idealism turns into disappointment when the world "
     "fails to match his dreams. Check the facts before giving your heart or your money. If the card "
     "describes you, ask whether you are avoiding commitment, sulking when things do not go your way, or "
     "dressing up a wish as a plan. Feelings are valuable, but they need steadiness. Keep your word, "
     "temper your moods and let actions match the beautiful things you say."},
    {"Queen of Cups",
     "Queen of Cups upright sits on a throne at the edge of the sea, gazing at an ornate, closed cup she "
     "holds with great care. She is compassion, intuition and emotional depth made calm and wise. She "
     "feels everything yet is not drowned by it. You may be called to care for someone, to listen deeply, "
     "or to trust an inner knowing that cannot be explained. A nurturing, empathetic woman may offer "
     "support. Honor your sensitivity as a strength, and set aside quiet time to attend to your inner "
     "life, through reflection, art or prayer. Offer kindness without losing yourself; the queen gives "
     "from a full heart because she also knows how to tend her own.",
     "Queen of Cups in the reversed position suggests that your emotional waters are troubled. You may be "
     "absorbing other people's feelings until you lose sight of your own, giving so much care that you are "
     "exhausted, or swinging between moods you cannot explain. Insecurity, dependence or emotional "
     "manipulation can appear here, whether in you or in someone near you. Set gentle but firm boundaries. "
     "Take time to tend your own needs before rushing to meet everyone else's. If you have been avoiding "
     "your feelings, let them surface in a safe place. Self-compassion restores the queen's clear "
     "intuition, and with it your ability to help without being overwhelmed."},
    {"King of Cups",
     "King of Cups upright sits on a stone throne floating on a restless sea, holding a cup and scepter "
     "with composure while a fish leaps and a ship sails behind him. He shows mastery of emotion: not "
     "coldness, but the ability to feel deeply and still act wisely. You are asked to stay calm and "
     "generous in a turbulent situation, to listen before you judge and to lead with diplomacy. A mature, "
     "kindly man, perhaps a counsellor, healer or mentor, may offer you sound advice. Balance compassion "
     "with good judgment. Let others see your warmth, and keep your steadiness when people around you "
     "lose theirs; your calm becomes a refuge for all who depend on you.",
     "King of Cups in the reversed position warns that mastery of feeling has become suppression or "
     "manipulation. You may be holding your emotions so tightly that they escape as sudden anger, coldness "
     "or moodiness, or someone in authority may use charm and sympathy to control others. Addiction, "
     "secrecy or emotional blackmail can also be shown here. Ask whether you are avoiding what you feel "
     "behind a calm mask. Find a safe way to express it, and seek help if the sea inside has grown too "
     "rough. If you are dealing with a manipulative person, keep your boundaries clear and do not be "
     "swayed by their moods. Honesty with yourself steadies the throne again."},
    {"Ace of Wands",
     "Ace of Wands upright shows a hand emerging from a cloud and gripping a living staff that sprouts fresh leaves, "
     "with a castle on the hill beyond. It is the spark of fire: inspiration, new energy, a creative or business idea "
     "bursting to be born. A project, a passion or a new direction is calling you, and you have the drive to begin. "
     "Act while the flame is bright. Write the first page, make the call, register the name. Your enthusiasm is "
     "contagious and may open doors you did not expect. The card favors courage over caution, yet even a strong flame "
     "needs tending; give this beginning regular attention so that it grows into something lasting.",
     "Ace of Wands in the reversed position suggests that the spark is there but it will not catch. You may feel "
     "uninspired, blocked or unsure of direction, and the fire of a new beginning smokes instead of burning. Plans can "
     "be delayed by circumstances outside your control, and false starts leave you frustrated. Do not force it. Ask "
     "what is draining your energy and whether the idea truly belongs to you or to someone else's expectations. Clear "
     "away clutter, finish one old task that sits on your mind, and return to what excites you. A fire needs air as "
     "well as fuel. When the timing is right, the wand will sprout again; use the pause to prepare the ground."},
    {"Two of Wands",
     "Two of Wands upright shows a man standing on castle battlements, holding a small globe in one hand and a staff "
     "in the other, looking out over the sea and land. He has achieved something and is now planning what comes next. "
     "This card speaks of vision, planning and bold choices about the future: travel, expansion, or a decision between "
     "staying safe and venturing further. You hold the world in your hand, figuratively speaking. Think broadly, study "
     "your options and prepare carefully before you move. A partnership may strengthen your plans. Do not let comfort "
     "keep you behind the walls; the card encourages you to step beyond familiar ground.",
     "Two of Wands in the reversed position points to plans that stall through fear of the unknown. You are stuck on "
     "the battlements, holding the globe and dreaming of distant horizons but never setting out. Indecision, "
     "restlessness and disappointment with what you have achieved grow the longer you wait, and the safety of the "
     "castle begins to feel like a cage. Ask what you are really afraid of losing. Break your plan into steps you can "
     "take now, seek advice from someone who has traveled that road, and accept that no plan removes all risk. Book "
     "the first conversation, the first visit or the first class this month. The world you are watching is within "
     "reach of one move."},
    {"Three of Wands",
     "Three of Wands upright shows a figure from behind, standing on a cliff with three staffs planted in "
     "the ground, watching ships sail across a golden sea. Efforts already made are beginning to pay off, "
     "and the horizon is opening. This is expansion: trade, travel, foresight, and the confidence that "
     "comes when early plans prove sound. Keep looking ahead. Opportunities may arrive from far away or "
     "from people of other backgrounds. Support your ventures with patience, as ships take time to return. "
     "Leadership suits you now; share your vision with others and let them help carry it. What you started "
     "with a single spark is growing into something wider.",
     "Three of Wands in the reversed position suggests that the ships are late or have not left the "
     "harbor. Delays, obstacles and frustrations slow your expansion, or plans you made lack the "
     "foresight they need. You may feel that your efforts bring nothing back, or that others fail to keep "
     "their side of a bargain. Check your assumptions and your timetable. Perhaps you have been thinking "
     "too small, or too big too soon. Return to your foundations, correct what was overlooked and be "
     "willing to wait. The card can also point to fear of leaving home territory; if so, consider whether "
     "staying safe is costing you a world that is waiting for you."},
    {"Four of Wands",
     "Four of Wands upright shows four staffs crowned with a garland of flowers, with people dancing under them and a "
     "castle in the distance. It is a card of celebration and arrival: a homecoming, a wedding, a housewarming, the "
     "completion of a stage of work, or a time of harmony and stability after effort. Your foundations are secure, and "
     "you have reason to rejoice. Share your success with family and community. Welcome people into your home, mark "
     "milestones with ceremony, and enjoy the sense of belonging you have built. This is a good moment to put down "
     "roots. Stability here is joyful, not rigid; it gives your fire a safe hearth.",
     "Four of Wands in the reversed position points to a celebration spoiled or a home that feels unsettled. Plans for "
     "an event may be postponed, a move may fall through, or tension in the family or the team may undermine the sense "
     "of belonging. You may feel like a guest in your own life, or feel that a milestone passed unnoticed. The card "
     "asks you to look at what makes you feel secure and to repair it. Clear the air with the people around you and "
     "reduce the pressure to make everything perfect. Mark the achievement anyway, with a small meal or a few friends, "
     "since the garland does not need a palace. Joy shared simply is still joy."},
    {"Five of Wands",
     "Five of Wands upright shows five young men brandishing staffs at one another in a disorderly scuffle, none of "
     "them clearly winning. It is conflict, competition and the clash of strong wills. Disagreements at work, rivalry "
     "among peers or simply too many voices demanding attention may be wearing you down. The struggle is often more "
     "noise than danger, a test of ideas rather than of enemies. Use it well. Speak clearly, listen to other views and "
     "look for what each side contributes. Healthy competition can sharpen your skills. Avoid taking every challenge "
     "personally, and do not waste your fire on fights that serve no goal you truly care about.",
     "Five of Wands in the reversed position suggests that a conflict has gone underground. The open scuffle has "
     "stopped, but nothing is settled: hidden resentments, passive aggression and rivalries kept behind polite faces "
     "now do the damage the staffs once did. You may be avoiding a necessary confrontation because you dislike "
     "tension, or smiling at someone you no longer trust. Bring the disagreement into the open calmly, with one person "
     "at a time and in private, before it festers. Say what you want, listen to the reply, and agree on rules for "
     "working together. Do not surrender what matters just to keep a false peace; a short honest argument clears the "
     "air better than a long silence."},
    {"Six of Wands",
     "Six of Wands upright shows a rider crowned with laurel, carrying a staff bearing a wreath, riding "
     "through a cheering crowd. It is victory, public recognition and the pride of a goal achieved. Your "
     "efforts are being noticed; promotion, praise or success in a competition may come your way. Accept "
     "the applause graciously. You have earned it, and confidence will help you lead others forward. At "
     "the same time, remember those who walked beside you and share the credit. The card also advises you "
     "to keep your head: success draws attention, and humility makes it last. Let this achievement "
     "encourage you toward the next challenge rather than rest on it.",
     "Six of Wands in the reversed position speaks of recognition that fails to arrive or success that "
     "slips from your grasp. You may feel overlooked while others take the credit, or you may be worried "
     "about how you are seen. Pride or arrogance after a win can also turn the crowd against you. The card "
     "asks you to find your sense of worth inside rather than in applause. Examine whether you have been "
     "chasing approval more than achievement. If a setback has shaken your confidence, look at what you "
     "can learn and prepare for the next attempt. Stay humble when you win, steady when you lose, and your "
     "reputation will rest on firmer ground."},
    {"Seven of Wands",
     "Seven of Wands upright shows a man on high ground defending himself with a single staff against six that rise "
     "toward him from below. He is outnumbered yet holds the better position. This is the card of standing your "
     "ground: defending your beliefs, your work or your place against competition and criticism. You may feel "
     "challenged from many sides, but you have the advantage if you stay firm. Know what you are fighting for and do "
     "not give way to pressure simply to be liked. Prepare your arguments and hold your boundaries with courage. "
     "Perseverance is the key now, though it is wise to check that every battle you fight is worth the effort.",
     "Seven of Wands in the reversed position warns that you are giving way under pressure. You might feel exhausted "
     "by constant challenges, overwhelmed by how many staffs rise toward you, and tempted to give up ground you fought "
     "hard to win. Doubts about whether you have the right to your position make every attack seem stronger than it "
     "is. You still hold the higher ground. Decide which part of your position truly matters and defend that part "
     "alone, letting lesser points go. Seek allies rather than standing by yourself, and prepare your arguments before "
     "the next meeting. Yielding everything to be left in peace costs more than one steady, well-chosen stand."},
    {"Eight of Wands",
     "Eight of Wands upright shows eight staffs flying through the clear air over open country, all moving in the same "
     "direction toward their landing. It is speed, momentum and swift communication. Things that were stuck start "
     "moving at once: messages arrive, journeys are arranged, decisions are made and plans reach their goal. Be ready "
     "to respond quickly and stay focused. This is not the time for hesitation or long deliberation, since the energy "
     "is already in motion. Travel, especially by air, and news from afar are favored. Keep your aim clear so that "
     "your efforts land where you want them to. Enjoy the pace, but keep essential details in view.",
     "Eight of Wands in the reversed position suggests that momentum has stalled. The staffs that were flying have "
     "dropped short: delays, cancelled plans, crossed messages and waiting for answers that do not come. Frustration "
     "can push you into hasty decisions you later regret, simply to feel that something is moving. Slow down and check "
     "your course. Clarify your communications, confirm details and be prepared to wait for others. Use the lull to "
     "finish what is half done and to put your tools in order, so that you are ready when things move again. "
     "Misunderstandings may be traveling faster than the truth; pause before you send that message, since timing "
     "matters as much as speed now."},
    {"Nine of Wands",
     "Nine of Wands upright shows a wounded man with a bandaged head, leaning on a staff and watching warily, while "
     "eight others stand like a fence behind him. He has endured much, and the struggle is nearly over. This card "
     "speaks of resilience, persistence and the last stretch of a long effort. You may feel tired and guarded, even "
     "suspicious, but you still have the strength to finish. Do not give up now. Draw on the experience your earlier "
     "battles taught you and protect what you have built. Be careful, though, not to let past hurts turn into constant "
     "defensiveness. Let trusted people stand beside you at the fence, accept help when it is offered, and carry on "
     "toward completion.",
     "Nine of Wands in the reversed position shows exhaustion reaching a breaking point. You feel you cannot take one "
     "more challenge, and you have become so guarded that you push away the people who want to help. Paranoia and "
     "stubbornness make the fence of staffs look like a wall of enemies. The last stretch is no longer worth what it "
     "costs you in this form. Stop and set down a burden that is not truly yours to carry; ask for support and "
     "delegate what you can. Healing old wounds requires lowering your defenses enough to let someone close. Strength "
     "now is found not in holding the line at any price but in choosing where to draw it."},
    {"Ten of Wands",
     "Ten of Wands upright shows a man bent over beneath ten heavy staffs, carrying them toward a town he can barely "
     "see past the bundle. It is burden, responsibility and overcommitment. You have taken on too much, perhaps "
     "through success, perhaps because you find it hard to say no, and the load is blocking your view of the goal. The "
     "end may be near, but you will reach it more easily if you lighten it. List what you carry, decide what truly "
     "belongs to you, and share or set down the rest. Ask for help without shame. Hard work is admirable, yet "
     "exhaustion serves no one, and a clearer path will let you see where you are going.",
     "Ten of Wands in the reversed position shows the moment you finally put the burden down. After carrying too much "
     "for too long, you are learning to delegate, to refuse extra duties and to let go of obligations that were never "
     "yours. The bundle falls, and for the first time in a while you can see the town ahead. Relief may come with "
     "guilt, as if rest must be earned twice. Enjoy the lighter load and protect it by setting clear limits before new "
     "requests arrive. Be wary of simply shifting your whole load onto others; share the weight fairly so that "
     "everyone can continue. Pick up again only the staffs that lead where you want to go."},
    {"Page of Wands",
     "Page of Wands upright shows a young figure in a tunic patterned with salamanders, standing in a desert and "
     "gazing at the sprouting staff held upright. The Page brings enthusiastic news, a fresh idea or an invitation to "
     "explore. Curiosity and adventure are calling you. You may want to learn a new skill, take up a creative project, "
     "or travel somewhere unknown. Follow that spark without needing every detail in place; this is a time to discover "
     "and experiment. A lively young person may bring encouraging news. Keep your excitement grounded enough to carry "
     "it through, and let your first steps be bold, playful and open to surprise.",
     "Page of Wands in the reversed position points to enthusiasm without direction. Ideas come quickly and vanish "
     "just as fast, projects are started and abandoned, and restlessness can lead to careless mistakes. Bad news or "
     "delayed messages may dampen your plans and tempt you to drop them altogether. The fire is real but it is burning "
     "in every direction at once. Write your ideas down instead of acting on all of them, and come back to the list in "
     "a week: the ones still alive then deserve your time. Set small, achievable tasks and finish them before chasing "
     "the next spark. Passion grows stronger when it is given a purpose and a little discipline."},
    {"Knight of Wands",
     "Knight of Wands upright charges forward on a rearing horse, staff held high, his tunic covered in salamanders "
     "and the pyramids behind him. He is fire in motion: passion, daring and appetite for adventure, a change of "
     "residence or a bold new venture taken on for the joy of it. Where the Chariot wins by holding opposite forces on "
     "one course, this knight wins by enthusiasm alone, and his charm carries others along with him. Go after what "
     "excites you while the spark is bright. Remember, though, that this knight can be hasty and is better at starting "
     "than at finishing. Plan enough to avoid needless accidents, keep your promises as well as your pace, and let "
     "someone steady handle the details.",
     "The Knight of Wands, in the reversed position, rides recklessly. Impatience, anger and impulsive decisions can "
     "scatter your energy and hurt the people around you. You may start with a blaze and burn out before finishing, "
     "leaving a trail of half-kept promises, or quarrel with anyone who asks you to wait. Frustration builds when "
     "plans do not move at your speed. The card asks you to channel your fire instead of spreading it. Pause before "
     "reacting, think through the consequences, and let a slower friend check your route before you set off. If you "
     "meet a charming but unreliable person, be careful with trust. Passion is a gift, but without steadiness it "
     "becomes a wildfire that consumes what it touches."},
    {"Queen of Wands",
     "Queen of Wands upright sits on a throne decorated with lions, holding a staff in one hand and a sunflower in the "
     "other, a black cat at her feet. She is confident, warm and vibrant, a natural leader who draws people toward "
     "her. This card asks you to step into your own power with courage and joy. Show your talents, speak up and trust "
     "your instincts. You can manage many things at once and inspire others along the way. A determined, sociable, "
     "generous woman may support you. Keep the cat in mind too: it stands for independence and a touch of mystery. "
     "Radiate warmth, but protect your own space and keep part of your fire for yourself.",
     "Queen of Wands in the reversed position suggests that confidence has faltered. You may feel drained, unseen or "
     "doubtful of your abilities, as if the fire that made you warm and sociable has sunk to embers. Taking on too "
     "many roles can leave you exhausted and short-tempered, and insecurity sometimes shows itself as jealousy of "
     "those who still shine. Look at where your energy goes and reclaim what you need for yourself. Rebuild your "
     "self-trust through small achievements and one thing you do simply because you are good at it. The queen's "
     "sunflower turns toward the light; find what nourishes you again, and let your natural radiance return."},
    {"King of Wands",
     "King of Wands upright sits on a throne adorned with lions and salamanders, holding a flowering staff and looking "
     "toward the horizon. He is the fire of the suit come to maturity: the visionary and entrepreneur who sees what "
     "could be and inspires others to build it. Unlike a ruler who keeps order, he leads by enthusiasm and example, "
     "and he is at his best when something new is being started. You are called to share a bold idea, to gather people "
     "around it and to act with both passion and integrity. Trust your instinct, take calculated risks, and let others "
     "carry out parts of the plan. A charismatic mentor or employer may back your ambitions. Your fire is strongest "
     "when it warms and guides others rather than overwhelming them.",
     "King of Wands in the reversed position warns of leadership gone wrong: impulsive, arrogant or tyrannical "
     "behavior, and expectations so high that no one can meet them. You may be pushing others too hard, losing your "
     "temper, or acting without considering consequences, and the fire that once inspired people now scorches them. "
     "Those around you may comply out of fear and stop telling you the truth. Ask whether you are ruling by fear or "
     "inspiring by example. Slow down, listen and rebuild trust with those who depend on you. Keep your promises. If "
     "you are dealing with a domineering person, hold firm without engaging in a power struggle. True authority needs "
     "no shouting."},
};

} // namespace

std::span<const CardMeaningText> cupsAndWandsMeanings()
{
    return kTexts;
}

} // namespace quillmere
