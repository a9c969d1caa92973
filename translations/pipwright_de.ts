<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
    <name>HistoryRecorder</name>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s games were added to its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s games could not be recorded.</source>
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
</context>
<context>
    <name>pipwright::frmTitle</name>
    <message>
        <source>What is Your Name?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
