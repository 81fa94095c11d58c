#include "content/CardMeanings.h"

namespace quillmere {

namespace {

const CardMeaningText kTexts[] = {
    {"Death",
     "Death upright has a connection with the Hebrew word Nun (Fish). The Death card is often misunderstood by most "
     "of the people. This card hardly ever stands for physical death. In fact, it symbolizes a powerful and new "
     "beginning of your life. A transformation will be there in your life as if it is a rebirth phase after death. "
     "Death upright stands for an end of something in your life that will kick off an immense change. Negative "
     "circumstances present till date in your life will give way to fresh and superior situations. However, you need "
     "to give off some of your old habits to take full advantage of this positive phase of your life. Also, don't "
     "force yourself to do anything that you feel isn't right.",
     "Death in the reversed position shows a change that is being held back. Something in your life has already run "
     "its course, a job, a habit, a bond, an old picture of yourself, yet you keep it alive because the unknown "
     "frightens you more than the stale. The result is a kind of standstill: days repeat, energy drains, and the new "
     "thing that wants to begin cannot find room. Ask yourself honestly what you are clinging to and what it costs "
     "you. Endings hurt less when you choose them than when they are forced on you. Let go of one small thing this "
     "week, and notice how much lighter the next step becomes."},
    {"The Hermit",
     "Hermit upright has a connection with the Hebrew word Yod (Hand). The old man on the mountain holds up his "
     "lantern, and the star inside it lights only the next step of the path. This is a time to withdraw from noise and "
     "look for answers within rather than from other people. Solitude now is not loneliness but a chosen retreat in "
     "which your own wisdom can ripen. Study, reflect, walk alone, keep a journal. A teacher or mentor may appear, or "
     "you may find yourself becoming one for someone else. Do not rush decisions; the light you carry is enough for "
     "the stretch of road in front of you, and that is all you need to see.",
     "Hermit in the reversed position warns that healthy solitude has turned into isolation. The lantern is still lit, "
     "but you hold it only for yourself: you may be shutting out friends, refusing help, or hiding from a world that "
     "feels too demanding, and calling it independence. Long withdrawal makes every fear louder, because no one is "
     "there to answer it. Reach out to one person you trust and say what is really on your mind, even if it comes out "
     "clumsily. Accept an invitation you would normally decline. The wisdom you gathered alone was meant to be carried "
     "back down the mountain and shared. Beware also of advice from someone who claims wisdom but has lost touch with "
     "ordinary life."},
    {"Judgement",
     "Judgment upright has a connection with the Hebrew word Shin (Tooth). An angel sounds the trumpet and the "
     "figures rise from their graves with open arms: this is the card of awakening and of a call you can no longer "
     "ignore. You are being asked to look back over your life with clear eyes, to forgive yourself and others, and to "
     "answer a deeper vocation. A decision that has waited a long time can now be made with confidence. Past efforts "
     "come to be weighed, and the verdict is largely in your favor. Listen to the inner summons, accept the reckoning "
     "honestly, and step into the next chapter as a renewed person.",
     "Judgment in the reversed position points to self-doubt and a harsh inner critic. You may be replaying old "
     "mistakes, refusing to forgive yourself, or judging others so severely that no one can come close. Sometimes "
     "this card shows a call you have heard but are afraid to answer, so you stay in a situation you have outgrown. "
     "Decisions are postponed out of fear of getting them wrong. Be fair to yourself: learn the lesson of the past "
     "and then put it down. If others are judging you, their verdict does not have to become yours. Take one honest "
     "look at what you truly want, and make a choice, even a small one."},
    {"Justice",
     "Justice upright has a connection with the Hebrew word Lamed (Ox-goad). The seated figure holds a sword in one "
     "hand and scales in the other: truth is cut clean and weighed fairly. This card promises that you will receive "
     "what you have earned, no more and no less. Legal matters, contracts and agreements tend to be resolved fairly, "
     "especially if you have acted honestly. It also asks you to be accountable for your own choices and to consider "
     "how your actions affect others. Weigh the facts rather than your feelings before you decide. When you act with "
     "integrity now, cause and effect will work in your favor.",
     "Justice in the reversed position shows that the scales are out of balance. You may be facing an unfair outcome, "
     "a biased decision, or a dispute where the truth is being hidden. It can also point inward: perhaps you are "
     "avoiding responsibility for a mistake, or blaming others for what is partly yours. Dishonesty, even small, will "
     "come back at you now. Read contracts carefully and keep records of what was agreed. If you have been treated "
     "unjustly, gather facts calmly before you fight, since anger will only weaken your case. If you owe an apology "
     "or a correction, make it soon; admitting fault restores the balance faster than any excuse."},
    {"Strength",
     "Strength upright has a connection with the Hebrew word Teth (Serpent). A woman gently closes the jaws of a lion, "
     "not by force but by calm and patience. This is the strength of the heart: courage, self-control and compassion "
     "that tame wild impulses instead of beating them down. You have more inner resources than you think and can "
     "handle the present challenge with grace. Difficult people respond to your steady kindness better than to "
     "confrontation. Master your own fears and anger and others will follow your lead. Health and vitality are "
     "favored, and persistence will see you through. Be soft in manner and firm in purpose.",
     "Strength in the reversed position shows the lion slipping out of control. Raw emotions such as anger, jealousy "
     "and fear may be ruling your behavior, and you may be forcing matters with a loud voice or a hard hand where "
     "patience is needed. Underneath the force there is often self-doubt: the less you trust yourself, the harder you "
     "push. Do not answer this with harshness toward yourself either; the way back is gentle. When feelings flare up, "
     "pause for three breaths before you speak, and walk away from the room if you must. Rebuild your confidence with "
     "small achievements you can count. Remember that courage is not the absence of fear but the choice to act kindly "
     "in spite of it."},
    {"Temperance",
     "Temperance upright has a connection with the Hebrew word Samekh (Prop). An angel stands with one foot in water "
     "and one on land, pouring liquid between two cups without spilling a drop. This is the card of balance, "
     "moderation and the patient blending of opposites. Things are coming together at the right pace; there is no need "
     "to rush or to force. You can find the middle way between extremes, combine different talents or people into a "
     "working whole, and heal old tensions. Health improves with measured habits. Keep a calm rhythm, stay flexible, "
     "and trust that steady small adjustments will bring you exactly where you need to be.",
     "Temperance in the reversed position points to imbalance and excess. You may be working too hard, spending too "
     "much, eating or drinking without measure, or swinging between extremes of mood. Relationships can feel out of "
     "tune, as if the two cups no longer pour into each other and everything spills. Impatience is a common root: you "
     "want results now and keep changing course. Step back and look at where your life has tilted furthest, then pour "
     "a little back the other way each day instead of lurching to the opposite extreme. Avoid hasty decisions until "
     "your inner calm returns. Remember that harmony is not a fixed state but a balance you keep by adjusting a little "
     "every day."},
    {"The Fool",
     "Related to Aleph, the Hebrew letter which means Ox, Fool upright stands at the very beginning of the journey, a "
     "young traveler at the edge of a cliff with a small bundle, a white rose and a dog at his heels. This card speaks "
     "of fresh starts, spontaneity and faith in life. You may be about to begin something new, a trip, a job, a "
     "relationship or a new way of living, without knowing exactly where it leads. That is fine. Trust your enthusiasm "
     "and your instinct, travel light, and be open to surprises. Keep a little common sense with you, like the dog "
     "that barks a warning, but do not let fear of the unknown keep you from the first step.",
     "Fool in the reversed position warns of recklessness. You may be about to leap without looking, taking risks with "
     "money, health or other people's trust simply because it feels exciting, and the dog at your heels is barking for "
     "a reason. Carelessness now can turn a promising beginning into a fall from the cliff. Slow down for one day "
     "before you commit. Gather information, count what you stand to lose, and listen to the people who care about you "
     "even when their caution feels dull. Keep your enthusiasm; just give it a map. Naivety can be exploited now, so "
     "check promises before you believe them and do not sign or pay on a sudden impulse."},
    {"The Chariot",
     "Chariot upright has a connection with the Hebrew word Cheth (Fence). A warrior stands in his chariot, drawn by "
     "two sphinxes, one black and one white, which he steers not with reins but by will alone. This card promises "
     "victory through determination and self-discipline. You can overcome obstacles if you keep your goal clearly in "
     "sight and hold opposing forces, in yourself or around you, on one course. Travel, a move, or a decisive push "
     "forward in your career is likely. Take the reins of your life, be confident, and do not let distraction or doubt "
     "pull you sideways. Success comes from control, not from force.",
     "Chariot in the reversed position shows a vehicle pulled in two directions. You may feel stuck, frustrated, or "
     "driven by forces you cannot control, as if the two sphinxes are heading their separate ways and you have let go "
     "of the will that held them. Lack of direction, aggression, or a need to win at all costs can turn progress into "
     "a crash. Plans for travel or change may be delayed. Ask yourself where you are really trying to go and why, then "
     "take back the reins: decide the destination before you decide the speed. Where anger has been driving, stop and "
     "regain self-control before making another move. A clear destination will bring your energies back into line."},
    {"The Devil",
     "Devil upright has a connection with the Hebrew word Ayin (Eye). A horned figure squats on a pedestal above a "
     "man and a woman chained to it, yet the chains around their necks are loose enough to lift off. This card shows "
     "bondage that is partly self-made: addiction, obsession, unhealthy attachment, materialism, or a relationship "
     "that keeps you small. You may feel trapped, but the trap holds only as long as you believe there is no way out. "
     "Look honestly at what controls you and what you get from staying. Pleasure itself is not the problem; losing "
     "your freedom to it is. Name the chain, and you can begin to remove it.",
     "Devil in the reversed position is a sign of release. You are beginning to see clearly the habits, fears or "
     "people that have held you captive, and you are finding the strength to break free. An addiction may be "
     "overcome, a toxic bond ended, a debt paid off. The process can feel raw, because old patterns pull hard when "
     "you start to leave them, so expect moments of relapse and do not punish yourself for them. Seek support where "
     "you need it. Sometimes this card also shows you facing your shadow for the first time; be brave and curious "
     "rather than ashamed. Reclaiming your power is a gradual but real victory."},
    {"The Emperor",
     "Emperor upright has a connection with the Hebrew word Heh (Window). On a stone throne decorated with rams' heads "
     "sits a ruler in armor, holding an orb and scepter, with barren mountains behind him. He stands for authority, "
     "structure, order and the father principle. In your life this card asks for discipline and a solid plan: set "
     "rules, take responsibility, and build foundations that last. A powerful man, employer or institution may support "
     "you. You are capable of leadership now if you act with fairness and consistency. Think strategically, protect "
     "what you have built, and let reason rather than mood govern your decisions.",
     "Emperor in the reversed position points to authority that has gone wrong. You may be dealing with a controlling "
     "boss, parent or partner who dominates instead of protecting, or you may yourself have become rigid, stubborn and "
     "unwilling to hear anyone who disagrees. Rules are kept for their own sake, and the stone throne has grown cold. "
     "People around such a ruler stop speaking honestly, and decisions get worse. If someone oppresses you, set firm "
     "boundaries, keep written records and seek fair allies rather than fighting alone. If you are the one who insists "
     "on control, ask for an opinion and act on it. Real strength lies in order that serves people, not in command for "
     "its own sake."},
    {"The Empress",
     "Empress upright has a connection with the Hebrew word Daleth (Door). Seated on soft cushions in a field of ripe "
     "wheat, near a flowing stream, the crowned woman embodies fertility, abundance and the mother principle. This "
     "card brings growth of every kind: a pregnancy, a creative project, a flourishing garden, a relationship "
     "deepening into comfort and care. Enjoy the senses, beauty and nature, and give yourself and others nurture. Your "
     "creativity is strong; let ideas take their time to grow like seeds. Money and home matters tend to prosper. Be "
     "generous, be patient, and trust the natural cycle of planting, tending and harvest.",
     "Empress in the reversed position shows a creative block or a garden left untended. You may be neglecting "
     "yourself while looking after everyone else, giving care until nothing is left for your own growth. Smothering "
     "care, possessiveness or jealousy can then creep into a close bond, because the giver feels empty. Sometimes the "
     "card points to worries about home, money or fertility, or to a feeling that beauty has gone out of your days. "
     "Give your attention back to yourself: rest, good food, time outdoors, a small act of creativity. Let those you "
     "care for stand on their own feet. When you nourish your own roots, abundance can return."},
    {"The Hanged Man",
     "Hanged Man upright has a connection with the Hebrew word Mem (Water). A man hangs upside down by one foot from a "
     "living tree, his face calm and a halo around his head. This card speaks of pause, surrender and seeing the world "
     "from a new angle. Something in your life is suspended, and struggling against it will not help. Use the waiting "
     "time: let go of the need to control, accept a sacrifice that leads to something better, and look at the problem "
     "from the opposite side. Insights come when you stop pushing. What seems like delay is really preparation, and "
     "the answer you gain now will change the way you act later.",
     "Hanged Man in the reversed position shows a pause that has turned into stalling. You may be waiting for a right "
     "moment that never comes, making sacrifices that nobody asked for, or playing the martyr to avoid a decision. You "
     "refuse to let go, and so remain stuck upside down far longer than needed, while the same worry turns in your "
     "head each night. The time of suspension is over; what is missing now is not insight but movement. Name the "
     "decision you have been postponing and give yourself a date for it. If you keep giving without receiving, stop "
     "and state your own needs. A fresh perspective is still available to you, but you must be willing to act on what "
     "it shows."},
    {"The Hierophant",
     "Hierophant upright has a connection with the Hebrew word Vav (Nail). A religious teacher sits between two "
     "pillars, blessing two followers kneeling before him, with crossed keys at his feet. This card stands for "
     "tradition, institutions, shared beliefs and learning passed down from those who came before. You may benefit now "
     "from formal study, a mentor, a ceremony such as a wedding, or joining a group with common values. Following "
     "established methods is wiser at this time than reinventing everything alone. Seek guidance from someone with "
     "experience, respect the rules of the setting you are in, and let conventional wisdom give you a firm base.",
     "Hierophant in the reversed position challenges tradition and rules that no longer fit. You may feel restricted "
     "by family expectations, a rigid workplace, or a doctrine you have outgrown, and you want to find your own way. "
     "This is a healthy restlessness: the keys at the teacher's feet can open doors he never walked through. It is a "
     "time to question, to read widely and to think for yourself, and perhaps to find a new teacher or a smaller "
     "circle that shares your real values. Keep what is wise in the old ways and leave what is empty. Do not fear "
     "being unconventional when your conscience is clear, and do not let anyone use authority alone as a reason for "
     "you to obey."},
    {"The High Priestess",
     "High Priestess upright has a connection with the Hebrew word Gimel (Camel). She sits between a black and a "
     "white pillar before a veil decorated with pomegranates, a scroll half hidden in her lap and a crescent at her "
     "feet. This card is about intuition, mystery and the knowledge that cannot be found in books. Things are not yet "
     "fully revealed, so watch, listen and wait. Your dreams and first impressions are unusually reliable now; trust "
     "what you sense even if you cannot explain it. Keep your plans to yourself for a while. Quiet study, meditation "
     "and time alone will reveal the answer hidden behind the veil.",
     "High Priestess in the reversed position shows a loss of contact with your inner voice. You may be ignoring your "
     "intuition, listening to everyone's opinions but your own, or getting lost in surface details. Secrets may be at "
     "work around you, gossip or hidden agendas that are not what they seem. The card can also show emotions kept so "
     "deeply hidden that they turn into coldness or withdrawal. Make space for silence and reflection, even briefly "
     "each day, to hear yourself again. Be careful with what you share and with whom. When something feels wrong, do "
     "not talk yourself out of it; look more closely."},
    {"The Lovers",
     "Lovers upright has a connection with the Hebrew word Zain (Sword). A man and a woman stand naked beneath an "
     "angel, a tree of fruit and a tree of flames behind them, in a garden full of light. This card speaks of love, "
     "deep connection and harmony, but also of choice. A relationship may grow into real partnership, built on trust "
     "and honesty. You may also face an important decision about values, where head and heart must agree. Choose what "
     "is true for you, not what is merely convenient or expected. Open communication strengthens every bond now. When "
     "you align your choices with your values, your relationships and your path both flourish.",
     "Lovers in the reversed position point to disharmony and a choice made badly or not at all. A relationship may "
     "suffer from imbalance, mistrust, or values that no longer match; communication breaks down and each partner "
     "feels alone. Temptation, an affair, or a decision made only for pleasure can bring regret. The card may also "
     "show an inner conflict, where what you want and what you believe pull in different directions. Be honest with "
     "yourself about what is missing. Talk openly instead of withdrawing. Before any important choice, ask whether it "
     "fits the person you truly want to be, and take responsibility for the outcome."},
    {"The Magician",
     "Related to Beth, the Hebrew letter which means House, upright Magician points to skill, willpower and the power "
     "to make things happen. One hand raised to the sky and one pointing to the ground, the figure stands before a "
     "table holding cup, pentacle, sword and wand: all the tools you need are already in front of you. This is the "
     "moment to act on your ideas rather than just think about them. Focus your attention, communicate clearly, and "
     "use your talents with confidence. New projects started now have strong backing. Be resourceful, use what is on "
     "your table before you wish for more, and you will turn your plans into reality.",
     "In its reversed position, Magician signifies talent that is wasted or used for the wrong ends. You may have the "
     "skills and resources to succeed but lack the focus to bring them together, scattering energy over too many "
     "plans. There can also be manipulation in the picture: someone around you may be persuasive, clever and not "
     "entirely honest, or you may be tempted to bend the truth to get your way. Check the motives behind fine words, "
     "including your own. Return to a single, clear goal, and put your abilities in the service of something you can "
     "be proud of. Confidence without honesty will not last."},
    {"The Moon",
     "Moon upright has a connection with the Hebrew word Qoph (Back of the head). Between two towers a path winds into "
     "the distance under a pale light, while a dog and a wolf howl and a crayfish creeps out of the pool. This card "
     "speaks of uncertainty, illusion and the world of dreams and the subconscious. Not everything is as it appears; "
     "fears and fantasies can cloud your view. Do not make major decisions in this fog. Pay attention to your dreams "
     "and intuition, but check facts before you act on them. Old anxieties may surface; face them gently. Move slowly "
     "along the path, and clarity will come with time.",
     "Moon in the reversed position shows the fog beginning to lift. Confusion, anxiety or deception that troubled you "
     "is coming to light, and you can start to see the situation for what it is. Secrets may be revealed, and fears "
     "that seemed huge shrink once you look at them in daylight. The path between the two towers is still long, but "
     "you can now see where it goes. Face what you have been avoiding, and check each new fact before you build on it, "
     "since the moonlight fades unevenly. Speak honestly about your worries, sleep well, and ground yourself in simple "
     "routines. Truth may be uncomfortable at first, but it is far easier to live with than doubt."},
    {"The Star",
     "Star upright has a connection with the Hebrew word Tzaddi (Fish-hook). Under a large bright star a naked woman "
     "kneels by a pool, pouring water onto the land and into the water. After a hard time this card brings hope, "
     "healing and renewed faith in the future. You feel calmer, more open, and inspired again. Your wishes have a real "
     "chance to come true if you keep believing in them and act with sincerity. It is a good time for creative work, "
     "for spiritual practice and for caring for your health. Share your gifts generously. Let yourself be guided by "
     "your ideals, and trust that life is quietly supporting you.",
     "Star in the reversed position shows hope that has dimmed. You may feel discouraged, lost or disconnected, "
     "doubting that your dreams are worth pursuing. Perhaps a setback has made you cynical, or you have given so much "
     "to others that nothing remains for yourself. The light is not gone, only hidden behind clouds. Do small things "
     "that restore faith: a conversation with an encouraging friend, a page of a book that once moved you, a modest "
     "goal you can reach by the end of the month. Be wary of unrealistic expectations that set you up for "
     "disappointment. Slowly, as you reconnect with what inspires you, the star reappears and your optimism will "
     "return."},
    {"The Sun",
     "Sun upright has a connection with the Hebrew word Resh (Head). A radiant sun shines over a wall lined with "
     "sunflowers, and a happy child rides a white horse, arms open and carrying a red banner. This is one of the most "
     "positive cards in the deck: joy, success, vitality and clarity. Problems seem to solve themselves, relationships "
     "are warm and sincere, and your health and energy are strong. You can be yourself without fear. Share your good "
     "fortune, celebrate with the people you love, and let your confidence shine. Projects flourish and truth comes "
     "out into the open. Enjoy this bright period fully.",
     "Sun in the reversed position does not mean darkness, only a clouded sky. Your joy may be dampened by small "
     "setbacks, tiredness, or a pessimistic mood that hides the good that is still there. Success is delayed or "
     "smaller than you hoped, and it is tempting to decide that it will never come. Do not let temporary gloom color "
     "your whole outlook. Write down three things that went well this week, however small, and spend an afternoon "
     "doing something only for the pleasure of it, as the child on the white horse would. Keep expectations realistic "
     "and your plans in place. The clouds move faster than they seem, and the warmth will return before long."},
    {"The Tower",
     "Tower upright has a connection with the Hebrew word Peh (Mouth). Lightning strikes a tall tower, knocking off "
     "its crown, and two figures fall from the flames. This card brings sudden change, upheaval and the collapse of "
     "something built on false foundations. It may be a shock, a revelation, a loss or a broken illusion. Painful as "
     "this is, what falls now could not have lasted, and its fall clears the ground for something truer. Do not cling "
     "to the ruins. Stay calm, protect what is essential, and accept the truth that has been revealed. After the storm "
     "you will rebuild on firmer ground, wiser and freer.",
     "Tower in the reversed position shows a change you are resisting. You may sense that something must fall apart "
     "but are holding it together with all your strength, propping up a job, a belief or a relationship whose "
     "foundations have already cracked, and postponing the inevitable. This only prolongs the tension, and the "
     "lightning does not go away because you look away from it. Ask yourself what you are afraid of losing and whether "
     "it is still truly yours. It is wiser to let a structure come down in a controlled way than to wait for it to "
     "collapse on you. Prepare, take out what is valuable, make the first small change now, and the transformation "
     "will be gentler."},
    {"The World",
     "World upright has a connection with the Hebrew word Tau (Cross). A dancing figure floats inside a wreath of "
     "laurel, holding two wands, while the four living creatures watch from the corners. This card marks completion, "
     "fulfillment and the successful end of a long cycle. A goal is reached, a study finished, a journey "
     "accomplished, and you feel whole and in harmony with the world around you. Enjoy the achievement and recognize "
     "how far you have come. Travel and contact with other cultures are favored. Honor this ending, because a new "
     "cycle is about to begin, and you enter it with experience and confidence.",
     "World in the reversed position shows a cycle that is not yet complete. You may be very close to a goal but lack "
     "the final push, or looking for shortcuts that leave loose ends. There can be a feeling of emptiness after "
     "success, or of being stuck in the same situation without closure. Look at what still needs to be finished: a "
     "conversation, a piece of work, an emotional chapter. Do not start something new until the old one is properly "
     "closed. Be patient with delays, and do not settle for less than a real conclusion. Once you tie up these "
     "threads, your sense of wholeness will return."},
    {"Wheel Fortune",
     "Wheel upright has a connection with the Hebrew word Kaph (Palm of the hand). A great wheel turns in the sky, "
     "marked with letters and symbols, with a sphinx on top, a serpent descending and a jackal-headed figure rising. "
     "This card speaks of cycles, destiny and turning points. Luck is moving in your favor, and events outside your "
     "control may open doors unexpectedly. Be ready to seize opportunities as they come around. Remember that life "
     "moves in seasons: what rises will fall and rise again. Stay adaptable, accept change gracefully, and use this "
     "fortunate turn to move your life forward.",
     "Wheel in the reversed position shows a turn of bad luck or a cycle you keep repeating. Plans may be disrupted "
     "by events you did not expect, and you may feel powerless, as if fate is against you. Yet this card also asks "
     "whether you are resisting change or making the same choices that led to the same results before. You cannot "
     "stop the wheel, but you can decide how you respond. Accept what you cannot control, learn from the pattern, and "
     "take responsibility for what you can change. Hard times pass like all others. Stay patient, and prepare "
     "yourself for the moment when the wheel turns upward again."},
};

} // namespace

std::span<const CardMeaningText> majorArcanaMeanings()
{
    return kTexts;
}

} // namespace quillmere
