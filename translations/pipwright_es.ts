<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AuthorWindow</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A game of dominoes for one player against the computer. Lay the double-six set end to end, score every multiple of five on the open ends, and be the first to reach 200 points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two levels of play, an optional play timer, saved games and a record of the games won and lost each day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © the Pipwright developers.
Released under the MIT License.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Author of Pipwright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>&amp;Game Conditions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open a Previous Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save the Present Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;he Existing Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;The Entire Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game &amp;History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;core Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Playing Conditions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Dominos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Pipwright Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>the player&apos;s name cannot name a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>today&apos;s date is not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the history folder cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another copy of the game holds the history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 is not a date and two counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1,  Your game history is:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Play       Games Won        Games Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s Game History..</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryRecorder</name>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s games were added to the end of %1, but the history could not be merged into one line per day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s games could not be recorded in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game history %1 could not be merged into one line per day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is. Today&apos;s games were added to its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is. Today&apos;s games could not be recorded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindowPort</name>
    <message>
        <source>Player&apos;s Selection %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer&apos;s Selection %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The Computer will Select 7 Dominos from the BoneYard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Computer will Draw %1 more Dominos from the BoneYard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Computer will Draw 1 more Domino from the BoneYard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Click on 7 Dominos in the BoneYard..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Click the Left Mouse on one of your Dominos..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, The Computer is Thinking..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Click the Left Mouse on one of your Domios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, It&apos;s Your Turn, The Computer Can&apos;t Play..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Computer Exceeded 18 Dominos..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>The Computer has exceeded the mazimum of 18<byte value="xd"/>Dominos and does not have one equal to either<byte value="xd"/>of the two target Dominos on the Screen.  It is now<byte value="xd"/>your turn to Play...<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Hint: Draw a Domino from the BoneYard..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Hint: No Domino fits, press Can&apos;t Play..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Hint: Play the selected Domino on the Left End..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Hint: Play the selected Domino on the Right End..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s Dominos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Click on any Domino in the BoneYard to see who Plays First..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos; Score=%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s Score=%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer&apos;s Score=%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1,  Click the Left Mouse on one of your Dominos...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Click on the corresponding Domino in the Play Field..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Wrong Selection....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are only allowed 18 Dominos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>You have exceeded the maximum of 18<byte value="xd"/>Dominos.  It is now the Computer&apos;s<byte value="xd"/>turn to Play...<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s Score is %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, The Computer is Thinking....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer&apos;s Score is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Computer has the Highest Domino, and will Start the Game..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has the Highest Domino, and will Start the Game..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, You Tied with the Computer, Reselect another Domino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Click on any Domino you wish to be played as the Set Domino..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Computer will now select a Domino to be used as the Set Domino..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Computer&apos;s Turn to Play....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Click on %2 more Dominos in the BoneYard..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Click on %2 more Domino in the BoneYard..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Click on 7 Dominos from the BoneYard..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, The Computer will Draw 7 Dominos from the BoneYard..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, You waited to Long.<byte value="xd"/>Your allotted Time of %2 Seconds has expired.<byte value="xd"/>It is now the Computer&apos;s turn to Play..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Won=%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Lost=%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameEntry</name>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>The line: no dominoes laid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line: left end %1, right end %2, 1 domino laid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line: left end %1, right end %2, %3 dominoes laid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BoneYard: 1 domino face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BoneYard: %1 dominoes face down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultDialog</name>
    <message>
        <source>W I N N E R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, Ties Don&apos;t Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>%1, You Win this Round...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1,  You Win this Round.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Computer&apos;s Dominos have a value of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Score of %1 will be increased by %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, You Lost this Round...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1,  The Computer Won this Round..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Dominos have a value of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Computer&apos;s Score of %1 will be increased by %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1,  You Win this Round...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your %1 Dominos have a value of %2.  The Computer</source>
        <extracomment>This label and the next two read as one paragraph, broken at the ends of the window&apos;s lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>had %1 Dominos with a value of %2.  Your score of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>will be increased by %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, %1,  The Computer Won this Round...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1,  You Lost this Round...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>had %1 Dominos with a value of %2.  The Computer&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score of %1 will be increased by %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, You and the Computer Tied with a Score of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, You and the Computer Tied with %2 Pips</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>%1 slot %2 holds %3-%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 slot %2 is half empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left entry %1 has a wrong index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right entry %1 has a wrong index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left entry %1 does not match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right entry %1 does not match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left entry %1 holds %2-%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right entry %1 holds %2-%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2 is in %3 places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>phase %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playerdom %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ComputerDom %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PlayerScore %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ComputerScore %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BoneYard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the BoneYard lacks dominoes before the draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arm counts %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the two arms disagree on the Set Domino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dominoes are missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quoted text is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game would not open again: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game would not open again as it was saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends before %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a whole number that fits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not #TRUE# or #FALSE#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a number that fits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a quoted text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2, not %3 to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a half in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a slot in %1 holds 7 in one half only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a left arm entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a half in the left arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a left arm rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a half in the right arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a right arm entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the hands are dealt before who plays first is known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the computer draws other than seven dominoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the player&apos;s seven is marked other than the hand holds it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the computer&apos;s seven is marked but not in its hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the side that draws second holds its seven first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the phase code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the player&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the player&apos;s name is not one the start-up window makes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the player&apos;s domino count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the computer&apos;s domino count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the left arm count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the right arm count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the player&apos;s played domino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the player&apos;s played domino is not two halves joined by -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the left end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the right end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the player&apos;s draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the computer&apos;s draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the winner-starts setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the player&apos;s score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the computer&apos;s score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the computer&apos;s slot index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the player&apos;s Can&apos;t Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the computer&apos;s Can&apos;t Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the drawing place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the player&apos;s seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the computer&apos;s seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the computer&apos;s played domino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the computer&apos;s played domino is not two halves joined by -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the play timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the time to play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the time to play is not 1 to 12 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game history setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the level of play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the player&apos;s hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the computer&apos;s hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the BoneYard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the dominoes are not a game that can be played: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a side holds its seven before who plays first is drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a score is one play cannot reach</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s seat, named where the player&apos;s name stands.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 set %2: %3 + %4 = %5, +%6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 laid %2 on the left: %3 + %4 = %5, +%6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 laid %2 on the right: %3 + %4 = %5, +%6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>How the round ended, then what it was worth: two sentences.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals: %1 %2, Computer %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wins the game, %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened from a file: %1 %2, Computer %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round restarted, back to %1 %2, Computer %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game restarted: %1 %2, Computer %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 went out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 reached 200 mid-round.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 reached 200 mid-round (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blocked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blocked, a tie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2, Computer %3: no points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2, Computer %3: %4, +%5 to %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2, Computer %3: %4, rounds to %5, +%6 to %7</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pipwright::GameConditionsDialog</name>
    <message>
        <source>%1 Seconds to Play a Domino.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Seconds to Play a Domino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Conditions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Timers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To increase the Time You or the Computer have to play a Domino, move the Slider to the right and to decrease the time, move it to the Left.  The minimum time is 1 seconds and the maximum is 12 seconds.  To start the Timer, Check the Box to the Left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting the Next Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Winner of the Game will place the Set Domino on the Next Game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check this Box if You want to record Today&apos;s Wins and Losses.  The Game History of the individual Player can be viewed by a Menu selection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and the Computer will each draw one Domino from the BoneYard and whoever has the Domino with the largest value will start the next Game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An Expert Player.  The Computer will provide fierce competition to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Master Player.  The Computer plays to win, and never looks at %1&apos;s Dominos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Novice Player.  The Computer will not present much of a challenge to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pipwright::GameTable</name>
    <message>
        <source>Player&apos;s Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer&apos;s Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer&apos;s Dominos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BoneYard Dominos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player&apos;s Dominos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pipwright::HistoryChart</name>
    <message>
        <source>Won %1 and lost %2 of %3 games: %4% won.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last %1 of %2 days played:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 won, %3 lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last %1 of %2 days</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pipwright::ScoreSheetWindow</name>
    <message>
        <source>Score Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every count that scored and every round&apos;s award of the present game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pipwright::frmDominos</name>
    <message>
        <source>Width=%1   Height=%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game was not saved to
%1

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file
%1
could not be opened.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is; today&apos;s games are still added to its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your dominoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer&apos;s Dominos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left and Right move the highlight, 1 to 9 jump to a domino, Enter selects it, Escape clears the highlight, C presses Can&apos;t Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L lays the selected domino on the left end, R on the right end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B draws a domino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the Present Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the Previous Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.txt*) (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Restart the Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Your previous game had the Play Timer set to
%2 Seconds.  To Restart the Timer, select Playing
Conditions from the Menu and place a check mark in the
proper Box.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pipwright::frmTitle</name>
    <message>
        <source>What is Your Name?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
