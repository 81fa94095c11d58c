#include "content/CardMeanings.h"

namespace quillmere {

namespace {

const CardMeaningText kTexts[] = {
    {"Ace of Swords",
     "Ace of Swords upright is the single blade raised from the clouds, crowned and clean, the first clear stroke of "
     "the element of air. A truth you have circled for a long time now comes into focus, and with it the power to act "
     "on it. This is the moment of the breakthrough idea, the honest sentence that settles an argument, the decision "
     "that cuts through months of doubt. Use the clarity while it is fresh: write the plan down, say what needs "
     "saying, and choose. Keep the edge clean, though; a sharp mind serves you best when it is aimed at the problem "
     "and not at the people around it.",
     "Ace of Swords in the reversed position points to a mind that is clouded or a blade turned the wrong way. Air is "
     "the element of thought, and here the air is crowded: your thinking may be muddled by too much information, by "
     "someone else's version of events, or by a decision you keep postponing. There is also a risk of using words as "
     "weapons: a harsh truth thrown out in anger does more harm than the lie it corrects. Slow down before you speak "
     "or sign anything. Check your facts, separate what you know from what you fear, and wait until you can state the "
     "problem in one plain sentence. The clarity you want will come, but forcing it now only gives you a confident "
     "mistake."},
    {"Two of Swords",
     "Two of Swords upright shows the blindfolded figure seated by the water with two blades crossed over her heart, "
     "holding a careful balance. You stand between two choices and have chosen, for now, not to look at either. That "
     "stillness can be wise, a truce that keeps the peace while feelings settle, but it cannot last forever. Ask what "
     "the blindfold protects you from: the information you do not want, the person you would disappoint, the feeling "
     "you are holding down. Gather the facts, listen to your own quiet sense of what is right, and then lower one "
     "sword. A decision made calmly is better than one made for you.",
     "Two of Swords in the reversed position suggests the stalemate is breaking, whether or not you are ready for it. "
     "The blindfold slips and the facts you avoided come in at once, and you may feel pulled from both sides or "
     "overwhelmed by what you now see. Others may be pressing for an answer, and the careful balance of the crossed "
     "blades can no longer be held. Accept that no choice here is perfect. Take the information that has arrived, "
     "lower the sword that protects the least, and explain your decision plainly to those it affects. Relief usually "
     "follows the decision itself, not the perfect answer you were hoping to find first."},
    {"Three of Swords",
     "Three of Swords upright speaks of the heart pierced by three blades under a gray, rainy sky, one of the most "
     "direct images in the deck. It marks grief, heartbreak or a painful truth: a parting, a betrayal, harsh words "
     "that land and stay. The card does not pretend the pain is small, yet its element is air, so it also brings "
     "understanding; you now see something as it is. Let yourself feel the loss rather than argue it away. Talk to "
     "someone you trust, cry if you need to, and do not make big decisions in the first storm. Rain passes, and what "
     "it washes away leaves the ground clearer.",
     "Three of Swords in the reversed position shows the worst of a hurt beginning to pass. You are slowly pulling the "
     "blades out: forgiving, making sense of what happened, or simply finding that the ache no longer fills every day. "
     "The rain clouds are thinning, and the thoughts that circled the wound start to turn toward other things. Let the "
     "healing take its time and be gentle with yourself when a memory still stings. Say goodbye to what was lost in "
     "your own way, on paper, in conversation or with help, so that it does not harden into bitterness. The heart that "
     "has been pierced and mended often understands others better than before."},
    {"Four of Swords",
     "Four of Swords upright shows a knight lying in quiet rest on a tomb, hands joined, three swords on the wall "
     "above him and one beneath. After strain or conflict your mind and body need a true pause, not just a shorter "
     "working day. This is the card of recovery, meditation, sleep and a retreat from noise so that your thoughts can "
     "settle. Take the rest without guilt: switch off, step back from the argument, let a problem sit for a while. You "
     "are not giving up the fight; you are sharpening the blade by putting it down. You will return to your tasks with "
     "a clearer head and a steadier hand.",
     "Four of Swords in the reversed position indicates rest that is refused. You may be pushing on through "
     "exhaustion, telling yourself there is no time to stop, until your body or nerves decide for you. The knight has "
     "risen from the tomb before his strength returned, and every task takes twice as long as it should. Thoughts race "
     "at night, and small problems look like emergencies. Book real time off before illness books it for you, and "
     "protect it from calls and messages. Even a short daily pause, with the swords put away, restores more than an "
     "extra hour of work. You will not fall behind by stopping; you will fall behind by collapsing."},
    {"Five of Swords",
     "Five of Swords upright presents the figure gathering the blades of two beaten rivals who walk away under a torn "
     "sky. It is a hollow victory: someone wins the point but loses goodwill, trust or self-respect. The card often "
     "appears around quarrels where winning became more important than being fair, at work, in families or online. Ask "
     "what the fight is really costing you. If you are the one collecting swords, consider whether the prize is worth "
     "the people walking away. If you are the one who lost, you do not have to keep fighting a battle that was not "
     "played cleanly. Choose your battles with care.",
     "Five of Swords in the reversed position suggests the conflict is cooling and there is a chance to make amends. "
     "After a bitter exchange you may want to apologize, settle, or simply drop the matter and move on, and the others "
     "involved may feel the same. The swords lying on the ground no longer need to be collected. Decide what peace "
     "would look like for you and offer it first if you can do so honestly. Admit your part without reopening the "
     "whole quarrel, and accept a partial apology if it is sincere. Letting go of being right is not defeat; it frees "
     "your energy for things that matter, and it may win back a friend."},
    {"Six of Swords",
     "Six of Swords upright shows a ferryman taking a woman and a child across the water, the six blades "
     "standing in the boat, rough water on one side and calm on the other. It marks a transition away from"
     " difficulty: a move, a change of job, the end of a hard period, or simply a mind leaving old worries"
     " behind. The journey may be quiet and a little sad, but it leads somewhere better. Accept the help "
     "offered to you and do not keep looking back at the shore. Pack only what you need, including the "
     "lessons, and leave the rest. Calmer waters are ahead if you keep going.",
     "Six of Swords in the reversed position suggests a passage that is delayed, resisted or unfinished. "
     "You may want to leave a situation but feel held back by money, duty or fear, or you may have left "
     "physically while your thoughts keep rowing back to the old shore. Sometimes the reversal shows "
     "carrying old troubles into a new place, so the same problems meet you on arrival. Look at what is "
     "really keeping you where you are. Deal with the unfinished business you can deal with, and forgive "
     "yourself for the rest. Moving on is as much a decision of the mind as a change of place."},
    {"Seven of Swords",
     "Seven of Swords upright shows a man tiptoeing away from a camp with five swords in his arms and two left behind, "
     "glancing over his shoulder. It is the card of strategy, stealth and sometimes deceit. Someone may not be telling "
     "the whole truth, or you may be tempted to take a shortcut, dodge a rule, or act alone without telling anyone. "
     "There are times when discretion is wise and a quiet plan works better than open battle. But be honest with "
     "yourself about the line between cleverness and dishonesty. Guard your own interests, check the details of "
     "agreements, and do not leave two swords behind for others to find.",
     "Seven of Swords in the reversed position shows secrets coming out or a scheme falling apart. A deception, yours "
     "or someone else's, may be discovered, and the relief of confession or the embarrassment of being caught is "
     "close. The two swords left behind in the camp have been found. If the plan was yours, the story you told "
     "yourself about why it would work is ending too. Take the chance to come clean where you can, to return what is "
     "not yours, or to ask the direct question you have been avoiding. Dropping the strategy and telling the truth may "
     "cost something now, but it is cheaper than being found out later."},
    {"Eight of Swords",
     "Eight of Swords upright shows a woman bound and blindfolded, standing among eight swords planted in wet ground, "
     "though the bonds are loose and the way out is open behind her. You feel trapped, yet the prison is made mostly "
     "of thoughts: fear of judgment, old beliefs about what you deserve, the habit of seeing only the blades. The card "
     "asks you to notice where you have more freedom than you think. Write down the options you dismissed too quickly, "
     "ask for outside views, and take one small step that proves the ropes are not as tight as they feel. Your mind "
     "built this cage and your mind can open it.",
     "Eight of Swords in the reversed position marks release from a trap of the mind. The blindfold loosens and you "
     "begin to see the way out: a new perspective, a supportive person, or a simple realization that the rules you "
     "obeyed were never binding. Confidence returns as you take action, and the swords that seemed to surround you "
     "turn out to have gaps wide enough to walk through. Keep moving while the clarity lasts. Choose the first "
     "practical step, do it, then choose the next, and tell someone you trust what you are doing so that old doubts "
     "cannot talk you back inside. Freedom comes through steady small moves, not through one frantic struggle against "
     "the ropes."},
    {"Nine of Swords",
     "Nine of Swords upright shows a figure sitting up in bed in the dark, face in hands, nine swords on the black "
     "wall behind. It is the card of anxiety, sleepless nights and worry that grows larger in the small hours. The "
     "fear is real to you, but the card suggests that much of the suffering comes from the mind rehearsing disaster "
     "rather than from what is actually happening. Speak your worries aloud to someone you trust; they shrink when "
     "spoken. Separate what you can act on from what you cannot, and act on the first list by daylight. Look after "
     "sleep, food and fresh air. Morning usually looks kinder.",
     "Nine of Swords in the reversed position shows anxiety starting to ease. You may be finding help, opening up "
     "about what troubles you, and seeing that the worst did not happen. The nights grow shorter, and the swords on "
     "the dark wall look more like shadows than blades. Keep doing what brought the relief: talk to friends, or to "
     "professional support if the worry was heavy, and put your fears into words in daylight rather than alone at "
     "night. Be honest about what really happened and what you only imagined. If guilt or shame remain, share them "
     "too; the relief you need often begins the moment the secret worry is spoken."},
    {"Ten of Swords",
     "Ten of Swords upright shows a figure lying face down with ten blades in his back while the dawn breaks on the "
     "horizon. It is a dramatic image of an ending: a plan that failed, a relationship that is over, a betrayal, or "
     "the plain exhaustion of having reached the bottom. The card does not soften the loss, but it is also final, and "
     "a situation that can get no worse can only turn. Accept that this chapter is done. Do not keep reopening the "
     "wound by going over every detail. Lie still long enough to let the shock pass, gather what remains, and notice "
     "the first light on the horizon. From this low point a new and more honest start becomes possible.",
     "Ten of Swords in the reversed position suggests survival and slow recovery after a painful ending. You are "
     "getting up off the ground, pulling out the blades one by one, and learning from what happened. The dawn that was "
     "only a line on the horizon is now full daylight. Recovery needs patience and small practical steps: people who "
     "support you, simple routines, one repaired thing a day. Resist the urge to return to what wounded you or to "
     "retell the story until it hurts again. Count how far you have come rather than how far you fell. The worst is "
     "behind you if you allow it to be."},
    {"Page of Swords",
     "Page of Swords upright shows a young figure on a windswept hill, sword raised, alert to every movement in the "
     "sky. This is the card of curiosity, quick thinking and new ideas, of a student, a messenger or your own eager "
     "mind. You are hungry to learn and to question, and news or information may arrive soon. Use the energy: ask "
     "questions, study, write, debate with respect. The page can be restless and sharp-tongued, so listen as much as "
     "you speak and check facts before passing them on. Your words are a new sword; practice with it before taking it "
     "into a real fight.",
     "Page of Swords in the reversed position warns of words moving faster than wisdom. Gossip, rumors, hasty messages "
     "or sharp remarks can cause trouble, and the one speaking too quickly may well be you. Scattered thinking, many "
     "ideas and none finished, and a defensive habit of arguing to avoid admitting you do not know something belong to "
     "the same restless wind. Slow down before you send, post or reply. Check your sources and be careful with other "
     "people's secrets. When you are unsure, ask a question instead of making a claim. A young mind is sharpest when "
     "it learns to listen, and the sword is better practiced than swung."},
    {"Knight of Swords",
     "Knight of Swords upright shows the rider charging at full speed into the wind, sword raised, trees bending and "
     "clouds torn behind him. This is ambition, decisive action and the courage to say what others will not. When you "
     "need to break a deadlock, defend a principle or move fast on an idea, his energy serves you well. Yet he rarely "
     "checks the ground ahead. Direct your drive toward a clear goal, keep your facts straight, and remember that "
     "speed without planning creates accidents. Be bold, but let your words be fair even when they are blunt, and "
     "leave room for others to keep up with you.",
     "Knight of Swords in the reversed position shows a charge that has lost its direction. Impatience, rash "
     "decisions, arguments started for their own sake and plans abandoned halfway through may be the result. You, or "
     "someone close to you, may be bulldozing through objections, or be so full of ideas that none is carried out. "
     "Step off the horse for a moment. Ask what you are really trying to achieve and whether this fight is part of it. "
     "Finish what you have already started before you charge at anything new, and treat the people around you as "
     "allies rather than obstacles. Speed is useful only when it is aimed, and wind that blows from every side moves "
     "nothing."},
    {"Queen of Swords",
     "Queen of Swords upright sits on a high throne in the clouds, her sword held straight, one hand "
     "raised as if to welcome or to stop. She is clear judgment, honesty and independence, often earned "
     "through sorrow. She sees through flattery and excuses, and she says what is true without cruelty. "
     "When she appears you are asked to think for yourself, set firm boundaries and communicate directly. "
     "Trust your own perception, even when it differs from what others want to hear. Keep your heart open "
     "while your head stays sharp; the best clarity knows its own pain and still chooses to be fair.",
     "Queen of Swords in the reversed position shows sharp intelligence turned cold or bitter. Criticism "
     "without kindness, harsh judgments, or an emotional wall built after being hurt can cut off the "
     "people who want to help you. The reversal can also describe someone around you who uses cutting "
     "words or cold logic to control. Look at where old pain has made you hard. Honesty does not require "
     "coldness, and boundaries can be firm without being walls. Let some warmth back into how you speak. "
     "If you face a critical person, answer calmly with facts and do not let their words define you."},
    {"King of Swords",
     "King of Swords upright sits facing forward with his sword slightly tilted, the sky behind him with a few clouds "
     "and birds. He is the mind of the suit of air at its most mature: the thinker, strategist and expert who sees a "
     "problem whole and explains it in plain words. Justice weighs what has been done; this king is a person, and his "
     "gift is how he thinks and speaks. You are called to step back from your feelings long enough to analyze the "
     "situation, to name the real issue and to say it clearly. Seek the advice of someone who knows the field, or "
     "become that advisor for others. Be precise, honest and calm, and let a clear argument carry you further than a "
     "raised voice.",
     "King of Swords in the reversed position points to a brilliant mind used coldly or cruelly. Intelligence turns "
     "into manipulation, clever words cover self-interest, and analysis becomes a way of avoiding feeling or of "
     "proving others wrong. You may be dealing with someone who uses knowledge, wit or a sharp tongue to belittle and "
     "dominate, or you may be tempted to win every discussion yourself. Notice who stops speaking when such a person "
     "enters the room. Question what you are told and get a second opinion from someone with nothing to gain. If you "
     "are the clever one, let your head listen to your heart, and be willing to change your mind when the facts or the "
     "human cost demand it."},
    {"Ace of Pentacles",
     "Ace of Pentacles upright shows a hand from a cloud holding a golden coin above a flowering garden, with a gate "
     "leading out to the mountains. It is the seed of material opportunity: a new job, an offer, an investment, a "
     "chance to build health or security in the world of earth. This is a practical beginning, one you can touch and "
     "grow. Take the opportunity seriously and plant it with care. Make a budget, set a plan, look after your body, "
     "and commit to the slow work of turning potential into something solid. Prosperity starts small; nurture the seed "
     "and it will feed you for years.",
     "Ace of Pentacles in the reversed position suggests a missed or delayed opportunity. An offer may fall through, "
     "money may slip away through poor planning, or you may be chasing something that looks valuable but has no "
     "substance. The seed was given, but the earth was not ready to receive it. Greed or carelessness with resources "
     "can play a part. Check the details before you commit, and do not spend money you have not yet earned. If an "
     "opening has passed, learn what you can and prepare the soil for the next one: solid foundations, careful budgets "
     "and realistic goals. Earth is patient, and another coin will be offered to a steady hand."},
    {"Two of Pentacles",
     "Two of Pentacles upright shows a young man dancing as he juggles two coins inside a looping ribbon, "
     "while ships ride the high waves behind him. It is the card of balance and adaptability: managing "
     "more than one job, juggling bills, time and family, keeping everything moving. For now you are "
     "handling it with some skill and even some humor. Keep your rhythm by setting priorities and knowing"
     " which coin must be caught first. Stay flexible as circumstances shift, but do not take on a third "
     "coin without letting another go. Balance is a practice you renew every day, not a state you reach "
     "once.",
     "Two of Pentacles in the reversed position shows the juggling act slipping out of control. Too many "
     "commitments, money stretched too thin, deadlines piling up and a feeling that one more demand will "
     "bring everything down. You may be overextended, disorganized or saying yes too often. Stop and look "
     "at the whole picture. Write down what you owe, what is due, and what truly matters, and drop or "
     "delegate what does not. Ask for help before a coin falls rather than after. Simplifying your life "
     "now is not failure; it is how you keep the important things safely in hand."},
    {"Three of Pentacles",
     "Three of Pentacles upright shows a stonemason working in a cathedral while a monk and an architect "
     "consult plans with him. It is the card of teamwork, skill and work well done, where each person "
     "brings their craft and the result is greater than any of them could make alone. Your abilities are "
     "being noticed and collaboration will serve you well. Share your knowledge, listen to the expertise "
     "of others and take pride in quality. Clear plans and good communication will turn your work into "
     "something lasting. This is a time to build something real with others, one carefully laid stone at a"
     " time.",
     "Three of Pentacles in the reversed position points to poor teamwork or work of poor quality. "
     "Misunderstandings, conflicting goals, people who do not pull their weight or who will not share "
     "credit can stall a project. You may also be working without a plan, rushing, or refusing help out of"
     " pride. Find out where the cooperation is failing: roles that are unclear, plans that were never "
     "agreed, or skills that are missing. Talk it through openly and set clear responsibilities. If the "
     "problem is your own standard, slow down and do the work properly. Good building needs both skill and"
     " partners who agree on the design."},
    {"Four of Pentacles",
     "Four of Pentacles upright shows a crowned figure gripping a coin to his chest, with one coin on his crown and "
     "his feet planted on two more, a city at his back. It speaks of security, saving and control over resources, and "
     "of the fear of losing what you have. Some caution is healthy: building reserves, protecting your boundaries and "
     "spending wisely are sound choices. But the card also asks whether you are holding on too tightly, to money, "
     "possessions, people or old ways. Review your finances with a calm eye. Keep what is truly needed, and allow a "
     "little generosity and change to flow back into your life.",
     "Four of Pentacles in the reversed position shows a grip that is loosening. You are letting go of material fears "
     "and becoming more generous and open to change, which can feel risky but frees you. The coin pressed against the "
     "chest is lowered, and you find your hands free for other things: people, new plans, a little pleasure. Keep some "
     "structure so that freedom does not turn into waste: a simple budget and a reserve for bad days are enough. Share "
     "where it makes sense, spend on what truly matters to you, and notice that the ground under your feet holds even "
     "when you stop clutching. Security built on trust lasts longer than security built on fear."},
    {"Five of Pentacles",
     "Five of Pentacles upright shows two ragged figures walking through the snow past a lit church window, one on "
     "crutches, neither looking up. It marks hardship: money worries, loss of work, illness or a feeling of being left "
     "out in the cold. The card is honest about the difficulty, but it also shows that help is closer than you think, "
     "right behind the glowing window. Do not let pride or shame keep you from asking for support, from friends, "
     "family, community or the services meant for this. Take care of your health and basic needs first. This difficult "
     "season is a passage, not your final address.",
     "Five of Pentacles in the reversed position signals recovery after a period of loss or poverty. Work may return, "
     "health improves, debts begin to shrink, or you finally accept the help that was waiting behind the lit window. "
     "The feeling of isolation lifts as you reconnect with people and find that you were not as alone as you thought. "
     "Old habits of scarcity may take longer to fade than the hardship itself. Acknowledge each step forward and "
     "rebuild carefully, with a budget and savings for bad days. Remember who helped you along the way, and when you "
     "are able to, pass that kindness on."},
    {"Six of Pentacles",
     "Six of Pentacles upright shows a merchant holding a set of scales while he gives coins to kneeling people in "
     "need. It is the card of giving and receiving, charity, fair exchange and the flow of resources. You may be in a "
     "position to help others, or you may be the one who receives help, a loan, a grant, a generous gesture. Either "
     "way, the card asks for balance and fairness. Give without expecting control in return, and receive without "
     "shame. Check that your own exchanges, at work and at home, are fair on both sides. Generosity keeps prosperity "
     "moving rather than letting it stagnate.",
     "Six of Pentacles in the reversed position suggests giving that comes with strings attached. Help may be offered "
     "to buy influence, debts may create dependency, or generosity may be used to gain power over others. The scales "
     "in the merchant's hand are tipped, and the one who gives also decides. Look closely at who holds the scales in "
     "your relationships and finances. Read the terms of loans and agreements carefully, and repay what you can so "
     "that no one can use it against you. If you are the giver, ask whether you want gratitude more than you want to "
     "help. Be wary of anyone whose kindness feels like a transaction. True generosity leaves both sides free."},
    {"Seven of Pentacles",
     "Seven of Pentacles upright shows a farmer leaning on his hoe, resting as he looks at the coins growing on a "
     "leafy vine. It is the card of patience and assessment after long effort. Your work has begun to bear fruit, but "
     "the harvest is not yet fully ripe. This is a moment to step back and evaluate: what has grown, what has not, "
     "where your time and money are best invested from here. Do not rush the results and do not give up now. Make "
     "sensible adjustments to your methods, keep tending the vine, and trust that steady work over time brings a real "
     "reward.",
     "Seven of Pentacles in the reversed position shows frustration with slow progress and effort that is spent in the "
     "wrong place. You may be working hard yet seeing little return, feeling impatient and tempted to abandon a "
     "long-term project, when the real trouble is where you planted. Time or money keeps going into something that has "
     "stopped growing, and you avoid looking honestly at the results. Take stock without judgment. Compare what you "
     "put in with what has come back, and cut your losses where the vine is clearly not growing. Replant your time "
     "somewhere better, in soil that has shown it can bear fruit. Continuing out of habit or fear of admitting a "
     "mistake only deepens the loss."},
    {"Eight of Pentacles",
     "You may be learning a new trade. Only hard work will reap rewards. You will be employed soon and you skill "
     "will be put to test. You should not halt with you work but continue till it gives you results.",
     "Your energy may not be used for the right purpose. You dislike hard work and have no ambitions in life. You "
     "may not be happy with your trade and not enjoy it. Your dealings may not be transparent."},
    {"Nine of Pentacles",
     "Nine of Pentacles upright shows a well-dressed woman in a lush vineyard, a hooded falcon resting on her gloved "
     "hand. She represents independence, comfort and the satisfaction of enjoying what you have earned. Through "
     "discipline and self-reliance you have built a life of some security and refinement, and you can now savor it. "
     "Take time to enjoy your surroundings, your home, your garden, your own company. Trust your ability to provide "
     "for yourself. The falcon also reminds you that your freedom rests on self-control, so keep managing your "
     "resources wisely while you enjoy the fruits of your work.",
     "Nine of Pentacles in the reversed position suggests that independence or comfort is shaky or hollow. You may "
     "depend on others financially more than you would like, be overspending to keep up appearances, or feel lonely in "
     "a life that looks fine from the outside. Work can become so consuming that you never enjoy its rewards. Look at "
     "where your sense of security truly comes from. Build your own financial footing step by step and cut spending "
     "that serves only image. Walk in your own garden, invite someone to share it, and let an evening pass without "
     "work. Real abundance includes both self-reliance and people to share it with."},
    {"Ten of Pentacles",
     "Ten of Pentacles upright shows an old man seated in an archway with his dogs, a couple and a child "
     "nearby, ten coins arranged through the scene. It is the card of lasting wealth, family, inheritance "
     "and the security built across generations. Long-term plans come to fruition: a home, a family "
     "business, savings, traditions worth passing on. Think beyond the immediate and consider what you are"
     " building for the years ahead and for those who come after you. Honor your roots and the people who"
     " helped you. Invest in stability, sound financial arrangements and the relationships that make a "
     "house a home.",
     "Ten of Pentacles in the reversed position points to trouble in the foundations of family or "
     "finances. Disputes over inheritance, money problems shared across the household, or the collapse of "
     "a long-held plan may be weighing on you. The reversal can also show feeling trapped by family "
     "expectations or tradition, or a desire to break from the path laid out for you. Get clear "
     "information on wills, property and shared money, and talk openly with those involved. Protect your "
     "own interests without cutting every tie. You can honor your roots and still build a life on your "
     "own terms."},
    {"Page of Pentacles",
     "Page of Pentacles upright shows a young figure in a green field gazing at a single coin held up in "
     "both hands, as if studying it closely. This is the student of the material world, eager to learn a "
     "skill, start a course, plan a business or take the first steps in a new job. It brings good news "
     "about study, money or work, and the patience to build something real from it. Set clear, practical "
     "goals and follow through on the details. Be diligent, ask questions of those with experience, and "
     "treat every small task as part of your training. Steady learning now will pay well later.",
     "Page of Pentacles in the reversed position suggests a lack of progress, focus or follow-through. You"
     " may be dreaming of plans without taking practical steps, procrastinating on study or work, or "
     "starting many projects and finishing none. The reversal can also show poor planning with money, or "
     "news about finances that is disappointing. Bring your ambitions back to earth. Choose one goal, "
     "break it into tasks you can do this week, and do them. If you feel unprepared, seek training or a "
     "mentor. Small, regular effort will restore the momentum that daydreaming alone cannot give you."},
    {"Knight of Pentacles",
     "Knight of Pentacles upright sits still on a heavy black horse in a ploughed field, holding a coin and looking at "
     "it steadily. He is the most patient of the knights: reliable, methodical, hard-working and loyal. Progress may "
     "be slow, but it is certain. Approach your work, finances or health with this steady routine and commitment, "
     "doing what needs to be done every day whether or not it is exciting. Keep your promises and pay attention to "
     "detail. You may not be winning any race, but by the end of the season your field will be ploughed and ready, "
     "while faster riders are still looking for theirs.",
     "Knight of Pentacles in the reversed position shows steadiness turning into stagnation. Routine has become a rut, "
     "caution has become stubbornness, or hard work has become workaholism with no joy left in it. The knight sits so "
     "still on his heavy horse that the field behind him is ploughed again and again while the seasons change. "
     "Introduce a small change: a new approach to a familiar task, a fresh goal, a different route, a day that is not "
     "planned in advance. Ask for someone else's view of your methods. Reliability is a strength only when it still "
     "moves you forward; the earth rewards patience, but it also needs new seed."},
    {"Queen of Pentacles",
     "Queen of Pentacles upright sits on a throne carved with fruit and goats, in a garden full of "
     "flowers, holding a coin in her lap with care, a rabbit at her feet. She embodies practical "
     "nurturing: a warm home, good food, sound finances and care for the body. She is generous and "
     "grounded, able to run a household or a business with equal skill. You are asked to look after "
     "yourself and those close to you in practical ways, to create comfort and security without fuss. "
     "Balance work and home, spend wisely, and enjoy the simple pleasures of the physical world. Your care"
     " creates abundance.",
     "Queen of Pentacles in the reversed position points to imbalance between caring for others and caring"
     " for yourself. You may be overwhelmed by responsibilities at home and work, neglecting your health, "
     "or giving so much that you are running on empty. The reversal can also show anxiety about money, "
     "materialism, or a smothering kind of care that leaves others no room. Restore balance by attending "
     "to your own basic needs first: rest, food, movement, a sound budget. Accept help with practical "
     "tasks. When you are grounded again, you will be able to nurture others without losing yourself."},
    {"King of Pentacles",
     "King of Pentacles upright sits on a throne decorated with bulls, his robe covered in grapevines, a "
     "castle behind him and a coin resting on his knee. He is the master of the material world: "
     "successful, secure, generous and dependable, the business leader or provider who has built lasting "
     "wealth through discipline. Your efforts are leading to stability and abundance. Manage your "
     "resources with wisdom, make sound long-term decisions, and be willing to share your success and your"
     " knowledge. Lead by example. True wealth includes the ability to enjoy your achievements and to care"
     " for the people who depend on you.",
     "King of Pentacles in the reversed position shows the shadow side of material success. Greed, "
     "stubbornness, obsession with status or poor financial judgment may be at work, in you or in someone "
     "with power over your affairs. The reversal can also point to money gained or held by dishonest "
     "means, or a business that is poorly managed behind an impressive front. Look carefully at financial "
     "decisions and the people you trust with them. Do not measure your worth only by what you own. Return"
     " to sound practices, honest dealings and a generous heart, and let success serve life rather than "
     "rule it."},
};

} // namespace

std::span<const CardMeaningText> swordsAndPentaclesMeanings()
{
    return kTexts;
}

} // namespace quillmere
