<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AuthorWindow</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A game of dominoes for one player against the computer. Lay the double-six set end to end, score every multiple of five on the open ends, and be the first to reach 200 points.</source>
        <translation>Ein Dominospiel für einen Spieler gegen den Computer. Lege den Doppel-Sechs-Satz Ende an Ende, punkte mit jedem Vielfachen von fünf an den offenen Enden und erreiche als Erster 200 Punkte.</translation>
    </message>
    <message>
        <source>Three levels of play with hints, an optional play timer, saved games and a record of the games won and lost each day.</source>
        <translation>Drei Spielstärken mit Tipps, eine Bedenkzeit nach Wahl, gespeicherte Spiele und eine Chronik der Siege und Niederlagen je Tag.</translation>
    </message>
    <message>
        <source>Copyright © the Pipwright developers.
Released under the MIT License.</source>
        <translation>Copyright © die Pipwright-Entwickler.
Veröffentlicht unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>The Author of Pipwright</source>
        <translation>Der Autor von Pipwright</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>&amp;Game Conditions</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Open a Previous Game</source>
        <translation>Früheres Spiel &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save the Present Game</source>
        <translation>Aktuelles Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Neu starten</translation>
    </message>
    <message>
        <source>T&amp;he Existing Round</source>
        <translation>Die laufende &amp;Runde</translation>
    </message>
    <message>
        <source>&amp;The Entire Game</source>
        <translation>Das ganze &amp;Spiel</translation>
    </message>
    <message>
        <source>Game &amp;History</source>
        <translation>Spiel&amp;chronik</translation>
    </message>
    <message>
        <source>S&amp;core Sheet</source>
        <translation>&amp;Punktezettel</translation>
    </message>
    <message>
        <source>&amp;Playing Conditions</source>
        <translation>Spiel&amp;einstellungen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About Dominos</source>
        <translation>Ü&amp;ber Domino</translation>
    </message>
    <message>
        <source>New &amp;Table...</source>
        <translation>Neuer &amp;Tisch...</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>T&amp;ipp</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Pipwright Help</source>
        <translation>Pipwright-Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>the player&apos;s name cannot name a file</source>
        <translation>aus dem Namen des Spielers lässt sich kein Dateiname bilden</translation>
    </message>
    <message>
        <source>today&apos;s date is not known</source>
        <translation>das heutige Datum ist nicht bekannt</translation>
    </message>
    <message>
        <source>the history folder cannot be created</source>
        <translation>der Ordner für die Chronik lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>another copy of the game holds the history</source>
        <translation>ein anderes laufendes Spiel hält die Chronik offen</translation>
    </message>
    <message>
        <source>line %1 is not a date and two counts</source>
        <translation>Zeile %1 ist kein Datum mit zwei Zahlen</translation>
    </message>
    <message>
        <source>%1,  Your game history is:</source>
        <translation>%1,  deine Spielchronik:</translation>
    </message>
    <message>
        <source>Date of Play       Games Won        Games Lost</source>
        <translation>Spieltag           Gewonnen         Verloren</translation>
    </message>
    <message>
        <source>%1&apos;s Game History..</source>
        <translation>Spielchronik von %1..</translation>
    </message>
</context>
<context>
    <name>HistoryRecorder</name>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is.</source>
        <translation>Die Spielchronik %1 ist in Zeile %2 beschädigt und bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Today&apos;s games were added to the end of %1, but the history could not be merged into one line per day.</source>
        <translation>Die heutigen Spiele wurden an das Ende von %1 angehängt, aber die Chronik ließ sich nicht zu einer Zeile pro Tag zusammenfassen.</translation>
    </message>
    <message>
        <source>Today&apos;s games could not be recorded in %1.</source>
        <translation>Die heutigen Spiele ließen sich nicht in %1 eintragen.</translation>
    </message>
    <message>
        <source>The game history %1 could not be merged into one line per day.</source>
        <translation>Die Spielchronik %1 ließ sich nicht zu einer Zeile pro Tag zusammenfassen.</translation>
    </message>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is. Today&apos;s games were added to its end.</source>
        <translation>Die Spielchronik %1 ist in Zeile %2 beschädigt und bleibt, wie sie ist. Die heutigen Spiele wurden an ihr Ende angehängt.</translation>
    </message>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is. Today&apos;s games could not be recorded.</source>
        <translation>Die Spielchronik %1 ist in Zeile %2 beschädigt und bleibt, wie sie ist. Die heutigen Spiele ließen sich nicht eintragen.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Classic game</source>
        <translation>Klassisches Spiel</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Spiel:</translation>
    </message>
</context>
<context>
    <name>MainWindowPort</name>
    <message>
        <source>Player&apos;s Selection %1</source>
        <translation>Spielerauswahl %1</translation>
    </message>
    <message>
        <source>Computer&apos;s Selection %1</source>
        <translation>Computerauswahl %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The Computer will Select 7 Dominos from the BoneYard</source>
        <translation>Der Computer wählt 7 Steine aus dem Vorrat</translation>
    </message>
    <message>
        <source>The Computer will Draw %1 more Dominos from the BoneYard</source>
        <translation>Der Computer zieht %1 weitere Steine aus dem Vorrat</translation>
    </message>
    <message>
        <source>The Computer will Draw 1 more Domino from the BoneYard</source>
        <translation>Der Computer zieht 1 weiteren Stein aus dem Vorrat</translation>
    </message>
    <message>
        <source>%1, Click on 7 Dominos in the BoneYard..</source>
        <translation>%1, klicke auf 7 Steine im Vorrat..</translation>
    </message>
    <message>
        <source>%1, Click the Left Mouse on one of your Dominos..</source>
        <translation>%1, Linksklick auf einen deiner Steine..</translation>
    </message>
    <message>
        <source>%1, The Computer is Thinking..</source>
        <translation>%1, der Computer denkt nach..</translation>
    </message>
    <message>
        <source>%1, Click the Left Mouse on one of your Domios</source>
        <translation>%1, Linksklick auf einen deiner Steine</translation>
    </message>
    <message>
        <source>%1, It&apos;s Your Turn, The Computer Can&apos;t Play..</source>
        <translation>%1, du bist am Zug, der Computer muss passen..</translation>
    </message>
    <message>
        <source>The Computer Exceeded 18 Dominos..</source>
        <translation>Der Computer hat schon 18 Steine..</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>The Computer has exceeded the mazimum of 18<byte value="xd"/>Dominos and does not have one equal to either<byte value="xd"/>of the two target Dominos on the Screen.  It is now<byte value="xd"/>your turn to Play...<byte value="xd"/></source>
        <translation>%1<byte value="xd"/><byte value="xd"/>Der Computer hat die Höchstzahl von 18 Steinen<byte value="xd"/>erreicht und keinen Stein, der an eines der<byte value="xd"/>beiden offenen Enden auf dem Bildschirm passt.  Jetzt<byte value="xd"/>bist du am Zug...<byte value="xd"/></translation>
    </message>
    <message>
        <source>%1, Hint: Draw a Domino from the BoneYard..</source>
        <translation>%1, Tipp: Ziehe einen Stein aus dem Vorrat..</translation>
    </message>
    <message>
        <source>%1, Hint: No Domino fits, press Can&apos;t Play..</source>
        <translation>%1, Tipp: Kein Stein passt, drücke Passen..</translation>
    </message>
    <message>
        <source>%1, Hint: Play the selected Domino on the Left End..</source>
        <translation>%1, Tipp: Lege den gewählten Stein links an..</translation>
    </message>
    <message>
        <source>%1, Hint: Play the selected Domino on the Right End..</source>
        <translation>%1, Tipp: Lege den gewählten Stein rechts an..</translation>
    </message>
    <message>
        <source>%1&apos;s Dominos</source>
        <translation>Steine von %1</translation>
    </message>
    <message>
        <source>%1, Click on any Domino in the BoneYard to see who Plays First..</source>
        <translation>%1, klicke auf einen Stein im Vorrat, um zu sehen, wer beginnt..</translation>
    </message>
    <message>
        <source>%1&apos; Score=%2</source>
        <translation>Punkte von %1=%2</translation>
    </message>
    <message>
        <source>%1&apos;s Score=%2</source>
        <translation>Punkte von %1=%2</translation>
    </message>
    <message>
        <source>Computer&apos;s Score=%1</source>
        <translation>Computerpunkte=%1</translation>
    </message>
    <message>
        <source>%1,  Click the Left Mouse on one of your Dominos...</source>
        <translation>%1,  Linksklick auf einen deiner Steine...</translation>
    </message>
    <message>
        <source>%1, Click on the corresponding Domino in the Play Field..</source>
        <translation>%1, klicke auf den passenden Stein im Spielfeld..</translation>
    </message>
    <message>
        <source>%1, Wrong Selection....</source>
        <translation>%1, falsche Wahl....</translation>
    </message>
    <message>
        <source>You are only allowed 18 Dominos</source>
        <translation>Du darfst höchstens 18 Steine haben</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>You have exceeded the maximum of 18<byte value="xd"/>Dominos.  It is now the Computer&apos;s<byte value="xd"/>turn to Play...<byte value="xd"/></source>
        <translation>%1<byte value="xd"/><byte value="xd"/>Du hast die Höchstzahl von 18 Steinen<byte value="xd"/>erreicht.  Jetzt ist der Computer<byte value="xd"/>am Zug...<byte value="xd"/></translation>
    </message>
    <message>
        <source>%1&apos;s Score is %2</source>
        <translation>Augen von %1: %2</translation>
    </message>
    <message>
        <source>%1, The Computer is Thinking....</source>
        <translation>%1, der Computer denkt nach....</translation>
    </message>
    <message>
        <source>Computer&apos;s Score is %1</source>
        <translation>Augen des Computers: %1</translation>
    </message>
    <message>
        <source>The Computer has the Highest Domino, and will Start the Game..</source>
        <translation>Der Computer hat den höchsten Stein und beginnt das Spiel..</translation>
    </message>
    <message>
        <source>%1 has the Highest Domino, and will Start the Game..</source>
        <translation>%1 hat den höchsten Stein und beginnt das Spiel..</translation>
    </message>
    <message>
        <source>%1, You Tied with the Computer, Reselect another Domino</source>
        <translation>%1, Gleichstand mit dem Computer, wähle einen anderen Stein</translation>
    </message>
    <message>
        <source>%1, Click on any Domino you wish to be played as the Set Domino..</source>
        <translation>%1, klicke auf den Stein, den du als Startstein legen willst..</translation>
    </message>
    <message>
        <source>The Computer will now select a Domino to be used as the Set Domino..</source>
        <translation>Der Computer wählt jetzt einen Stein als Startstein..</translation>
    </message>
    <message>
        <source>The Computer&apos;s Turn to Play....</source>
        <translation>Der Computer ist am Zug....</translation>
    </message>
    <message>
        <source>%1, Click on %2 more Dominos in the BoneYard..</source>
        <translation>%1, klicke auf %2 weitere Steine im Vorrat..</translation>
    </message>
    <message>
        <source>%1, Click on %2 more Domino in the BoneYard..</source>
        <translation>%1, klicke auf %2 weiteren Stein im Vorrat..</translation>
    </message>
    <message>
        <source>%1, Click on 7 Dominos from the BoneYard..</source>
        <translation>%1, ziehe 7 Steine aus dem Vorrat..</translation>
    </message>
    <message>
        <source>%1, The Computer will Draw 7 Dominos from the BoneYard..</source>
        <translation>%1, der Computer zieht 7 Steine aus dem Vorrat..</translation>
    </message>
    <message>
        <source>Sorry %1</source>
        <translation>Schade, %1</translation>
    </message>
    <message>
        <source>%1, You waited to Long.<byte value="xd"/>Your allotted Time of %2 Seconds has expired.<byte value="xd"/>It is now the Computer&apos;s turn to Play..</source>
        <translation>%1, du hast zu lange gewartet.<byte value="xd"/>Deine Bedenkzeit von %2 Sek. ist abgelaufen.<byte value="xd"/>Jetzt ist der Computer am Zug..</translation>
    </message>
    <message>
        <source>Games Won=%1</source>
        <translation>Gewonnen=%1</translation>
    </message>
    <message>
        <source>Games Lost=%1</source>
        <translation>Verloren=%1</translation>
    </message>
    <message>
        <source>%1, Hint: Lead with the %2 as your Set Domino..</source>
        <translation>%1, Tipp: Eröffne mit dem %2..</translation>
    </message>
</context>
<context>
    <name>NameEntry</name>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>The line: no dominoes laid</source>
        <translation>Die Reihe: noch kein Stein gelegt</translation>
    </message>
    <message>
        <source>The line: left end %1, right end %2, 1 domino laid</source>
        <translation>Die Reihe: linkes Ende %1, rechtes Ende %2, 1 Stein gelegt</translation>
    </message>
    <message>
        <source>The line: left end %1, right end %2, %3 dominoes laid</source>
        <translation>Die Reihe: linkes Ende %1, rechtes Ende %2, %3 Steine gelegt</translation>
    </message>
    <message>
        <source>BoneYard: 1 domino face down</source>
        <translation>Vorrat: 1 Stein verdeckt</translation>
    </message>
    <message>
        <source>BoneYard: %1 dominoes face down</source>
        <translation>Vorrat: %1 Steine verdeckt</translation>
    </message>
</context>
<context>
    <name>ResultDialog</name>
    <message>
        <source>W I N N E R</source>
        <translation>S I E G E R</translation>
    </message>
    <message>
        <source>You Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Sorry, Ties Don&apos;t Count</source>
        <translation>Gleichstand zählt nicht</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>%1, You Win this Round...</source>
        <translation>%1, du gewinnst die Runde...</translation>
    </message>
    <message>
        <source>%1,  You Win this Round.</source>
        <translation>%1,  du gewinnst die Runde.</translation>
    </message>
    <message>
        <source>The Computer&apos;s Dominos have a value of %1</source>
        <translation>Die Steine des Computers sind %1 wert</translation>
    </message>
    <message>
        <source>Your Score of %1 will be increased by %2 to %3</source>
        <translation>Dein Punktestand von %1 steigt um %2 auf %3</translation>
    </message>
    <message>
        <source>%1, You Lost this Round...</source>
        <translation>%1, du verlierst die Runde...</translation>
    </message>
    <message>
        <source>%1,  The Computer Won this Round..</source>
        <translation>%1,  der Computer gewinnt die Runde..</translation>
    </message>
    <message>
        <source>Your Dominos have a value of %1</source>
        <translation>Deine Steine sind %1 wert</translation>
    </message>
    <message>
        <source>The Computer&apos;s Score of %1 will be increased by %2 to %3</source>
        <translation>Der Punktestand des Computers von %1 steigt um %2 auf %3</translation>
    </message>
    <message>
        <source>%1,  You Win this Round...</source>
        <translation>%1,  du gewinnst die Runde...</translation>
    </message>
    <message>
        <source>Your %1 Dominos have a value of %2.  The Computer</source>
        <extracomment>This label and the next two read as one paragraph, broken at the ends of the window&apos;s lines.</extracomment>
        <translation>Deine Steine (%1 Stück) sind %2 wert.  Der Computer</translation>
    </message>
    <message>
        <source>had %1 Dominos with a value of %2.  Your score of %3</source>
        <translation>hatte %1 Stück im Wert von %2.  Dein Punktestand von %3</translation>
    </message>
    <message>
        <source>will be increased by %1 to %2.</source>
        <translation>steigt um %1 auf %2.</translation>
    </message>
    <message>
        <source>Sorry, %1,  The Computer Won this Round...</source>
        <translation>Schade, %1,  der Computer gewinnt die Runde...</translation>
    </message>
    <message>
        <source>%1,  You Lost this Round...</source>
        <translation>%1,  du verlierst die Runde...</translation>
    </message>
    <message>
        <source>had %1 Dominos with a value of %2.  The Computer&apos;s</source>
        <translation>hatte %1 Stück im Wert von %2.  Der Punktestand</translation>
    </message>
    <message>
        <source>Score of %1 will be increased by %2 to %3.</source>
        <translation>des Computers von %1 steigt um %2 auf %3.</translation>
    </message>
    <message>
        <source>%1, You and the Computer Tied with a Score of %2</source>
        <translation>%1, du und der Computer habt beide %2 Punkte</translation>
    </message>
    <message>
        <source>%1, You and the Computer Tied with %2 Pips</source>
        <translation>%1, du und der Computer habt beide die Augenzahl %2</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>%1 slot %2 holds %3-%4</source>
        <translation>Platz %2 (%1) enthält %3-%4</translation>
    </message>
    <message>
        <source>%1 slot %2 is half empty</source>
        <translation>Platz %2 (%1) ist halb leer</translation>
    </message>
    <message>
        <source>left entry %1 has a wrong index</source>
        <translation>Eintrag %1 im linken Arm hat einen falschen Index</translation>
    </message>
    <message>
        <source>right entry %1 has a wrong index</source>
        <translation>Eintrag %1 im rechten Arm hat einen falschen Index</translation>
    </message>
    <message>
        <source>left entry %1 does not match</source>
        <translation>Eintrag %1 im linken Arm passt nicht</translation>
    </message>
    <message>
        <source>right entry %1 does not match</source>
        <translation>Eintrag %1 im rechten Arm passt nicht</translation>
    </message>
    <message>
        <source>left entry %1 holds %2-%3</source>
        <translation>Eintrag %1 im linken Arm enthält %2-%3</translation>
    </message>
    <message>
        <source>right entry %1 holds %2-%3</source>
        <translation>Eintrag %1 im rechten Arm enthält %2-%3</translation>
    </message>
    <message>
        <source>%1-%2 is in %3 places</source>
        <translation>%1-%2 liegt an %3 Stellen</translation>
    </message>
    <message>
        <source>phase %1</source>
        <translation>Phase %1</translation>
    </message>
    <message>
        <source>Playerdom %1</source>
        <translation>Playerdom %1</translation>
    </message>
    <message>
        <source>ComputerDom %1</source>
        <translation>ComputerDom %1</translation>
    </message>
    <message>
        <source>PlayerScore %1</source>
        <translation>PlayerScore %1</translation>
    </message>
    <message>
        <source>ComputerScore %1</source>
        <translation>ComputerScore %1</translation>
    </message>
    <message>
        <source>BoneYard</source>
        <translation>Vorrat</translation>
    </message>
    <message>
        <source>the BoneYard lacks dominoes before the draw</source>
        <translation>dem Vorrat fehlen vor dem Ziehen Steine</translation>
    </message>
    <message>
        <source>player</source>
        <translation>Hand des Spielers</translation>
    </message>
    <message>
        <source>computer</source>
        <translation>Hand des Computers</translation>
    </message>
    <message>
        <source>arm counts %1 and %2</source>
        <translation>Armlängen %1 und %2</translation>
    </message>
    <message>
        <source>the two arms disagree on the Set Domino</source>
        <translation>die beiden Arme haben verschiedene Startsteine</translation>
    </message>
    <message>
        <source>%1 dominoes are missing</source>
        <translation>fehlende Steine: %1</translation>
    </message>
    <message>
        <source>a quoted text is not closed</source>
        <translation>ein Text in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>nach einem schließenden Anführungszeichen folgt Text</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>the game would not open again: %1</source>
        <translation>das Spiel ließe sich nicht wieder laden: %1</translation>
    </message>
    <message>
        <source>the game would not open again as it was saved</source>
        <translation>das Spiel ließe sich nicht so laden, wie es gespeichert wurde</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file ends before %1</source>
        <translation>die Datei endet zu früh, es fehlt %1</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 is not a whole number that fits</source>
        <translation>%1 ist keine passende ganze Zahl</translation>
    </message>
    <message>
        <source>%1 is not #TRUE# or #FALSE#</source>
        <translation>%1 ist weder #TRUE# noch #FALSE#</translation>
    </message>
    <message>
        <source>%1 is not a number that fits</source>
        <translation>%1 ist keine passende Zahl</translation>
    </message>
    <message>
        <source>%1 is not a quoted text</source>
        <translation>%1 ist kein Text in Anführungszeichen</translation>
    </message>
    <message>
        <source>%1 is not a value</source>
        <translation>%1 ist kein Wert</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 is %2, not %3 to %4</source>
        <translation>%1 ist %2, nicht %3 bis %4</translation>
    </message>
    <message>
        <source>a half in %1</source>
        <translation>eine Hälfte in %1</translation>
    </message>
    <message>
        <source>a slot in %1 holds 7 in one half only</source>
        <translation>ein Platz in %1 hat nur in einer Hälfte eine 7</translation>
    </message>
    <message>
        <source>a left arm entry</source>
        <translation>ein Eintrag im linken Arm</translation>
    </message>
    <message>
        <source>a half in the left arm</source>
        <translation>eine Hälfte im linken Arm</translation>
    </message>
    <message>
        <source>a left arm rectangle</source>
        <translation>ein Rechteck im linken Arm</translation>
    </message>
    <message>
        <source>a half in the right arm</source>
        <translation>eine Hälfte im rechten Arm</translation>
    </message>
    <message>
        <source>a right arm entry</source>
        <translation>ein Eintrag im rechten Arm</translation>
    </message>
    <message>
        <source>the hands are dealt before who plays first is known</source>
        <translation>die Hände sind verteilt, bevor feststeht, wer beginnt</translation>
    </message>
    <message>
        <source>the computer draws other than seven dominoes</source>
        <translation>der Computer zieht nicht genau sieben Steine</translation>
    </message>
    <message>
        <source>the player&apos;s seven is marked other than the hand holds it</source>
        <translation>die sieben Steine des Spielers sind anders vermerkt, als die Hand sie hält</translation>
    </message>
    <message>
        <source>the computer&apos;s seven is marked but not in its hand</source>
        <translation>die sieben Steine des Computers sind vermerkt, aber nicht in seiner Hand</translation>
    </message>
    <message>
        <source>the side that draws second holds its seven first</source>
        <translation>die Seite, die als zweite zieht, hat ihre sieben Steine zuerst</translation>
    </message>
    <message>
        <source>the phase code</source>
        <translation>die Spielphase</translation>
    </message>
    <message>
        <source>the player&apos;s name</source>
        <translation>der Name des Spielers</translation>
    </message>
    <message>
        <source>the player&apos;s name is not one the start-up window makes</source>
        <translation>der Name des Spielers ist keiner, den das Startfenster bildet</translation>
    </message>
    <message>
        <source>the player&apos;s domino count</source>
        <translation>die Steinzahl des Spielers</translation>
    </message>
    <message>
        <source>the computer&apos;s domino count</source>
        <translation>die Steinzahl des Computers</translation>
    </message>
    <message>
        <source>the left arm count</source>
        <translation>die Länge des linken Arms</translation>
    </message>
    <message>
        <source>the right arm count</source>
        <translation>die Länge des rechten Arms</translation>
    </message>
    <message>
        <source>the player&apos;s played domino</source>
        <translation>der gelegte Stein des Spielers</translation>
    </message>
    <message>
        <source>the player&apos;s played domino is not two halves joined by -</source>
        <translation>der gelegte Stein des Spielers ist nicht zwei mit - verbundene Hälften</translation>
    </message>
    <message>
        <source>the left end</source>
        <translation>das linke Ende</translation>
    </message>
    <message>
        <source>the right end</source>
        <translation>das rechte Ende</translation>
    </message>
    <message>
        <source>the player&apos;s draw</source>
        <translation>der gezogene Stein des Spielers</translation>
    </message>
    <message>
        <source>the computer&apos;s draw</source>
        <translation>der gezogene Stein des Computers</translation>
    </message>
    <message>
        <source>the winner-starts setting</source>
        <translation>die Einstellung „Gewinner beginnt“</translation>
    </message>
    <message>
        <source>the player&apos;s score</source>
        <translation>der Punktestand des Spielers</translation>
    </message>
    <message>
        <source>the computer&apos;s score</source>
        <translation>der Punktestand des Computers</translation>
    </message>
    <message>
        <source>the computer&apos;s slot index</source>
        <translation>der Platzindex des Computers</translation>
    </message>
    <message>
        <source>the player&apos;s Can&apos;t Play</source>
        <translation>das Passen des Spielers</translation>
    </message>
    <message>
        <source>the computer&apos;s Can&apos;t Play</source>
        <translation>das Passen des Computers</translation>
    </message>
    <message>
        <source>the drawing place</source>
        <translation>der Ziehplatz</translation>
    </message>
    <message>
        <source>the player&apos;s seven</source>
        <translation>der Vermerk „sieben gezogen“ des Spielers</translation>
    </message>
    <message>
        <source>the computer&apos;s seven</source>
        <translation>der Vermerk „sieben gezogen“ des Computers</translation>
    </message>
    <message>
        <source>the computer&apos;s played domino</source>
        <translation>der gelegte Stein des Computers</translation>
    </message>
    <message>
        <source>the computer&apos;s played domino is not two halves joined by -</source>
        <translation>der gelegte Stein des Computers ist nicht zwei mit - verbundene Hälften</translation>
    </message>
    <message>
        <source>the play timer</source>
        <translation>die Bedenkzeit</translation>
    </message>
    <message>
        <source>the time to play</source>
        <translation>die Zeit für einen Zug</translation>
    </message>
    <message>
        <source>the time to play is not 1 to 12 seconds</source>
        <translation>die Zeit für einen Zug liegt nicht zwischen 1 und 12 Sekunden</translation>
    </message>
    <message>
        <source>the game history setting</source>
        <translation>die Einstellung zur Spielchronik</translation>
    </message>
    <message>
        <source>the level of play</source>
        <translation>die Spielstärke</translation>
    </message>
    <message>
        <source>the player&apos;s hand</source>
        <translation>der Hand des Spielers</translation>
    </message>
    <message>
        <source>the computer&apos;s hand</source>
        <translation>der Hand des Computers</translation>
    </message>
    <message>
        <source>the BoneYard</source>
        <translation>dem Vorrat</translation>
    </message>
    <message>
        <source>the dominoes are not a game that can be played: %1</source>
        <translation>die Steine ergeben kein spielbares Spiel: %1</translation>
    </message>
    <message>
        <source>a side holds its seven before who plays first is drawn</source>
        <translation>eine Seite hat ihre sieben Steine, bevor ausgelost ist, wer beginnt</translation>
    </message>
    <message>
        <source>a score is one play cannot reach</source>
        <translation>ein Punktestand ist im Spiel nicht erreichbar</translation>
    </message>
    <message>
        <source>this is a table&apos;s file: open it with Open in the table window</source>
        <translation>das ist eine Tischdatei: öffne sie mit Öffnen im Tischfenster</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s seat, named where the player&apos;s name stands.</extracomment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Runde %1</translation>
    </message>
    <message>
        <source>%1 set %2: %3 + %4 = %5, +%6</source>
        <translation>%1 setzt %2: %3 + %4 = %5, +%6</translation>
    </message>
    <message>
        <source>%1 laid %2 on the left: %3 + %4 = %5, +%6</source>
        <translation>%1 legt %2 links an: %3 + %4 = %5, +%6</translation>
    </message>
    <message>
        <source>%1 laid %2 on the right: %3 + %4 = %5, +%6</source>
        <translation>%1 legt %2 rechts an: %3 + %4 = %5, +%6</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>How the round ended, then what it was worth: two sentences.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Totals: %1 %2, Computer %3</source>
        <translation>Stand: %1 %2, Computer %3</translation>
    </message>
    <message>
        <source>%1 wins the game, %2 to %3.</source>
        <translation>%1 gewinnt das Spiel, %2 zu %3.</translation>
    </message>
    <message>
        <source>Opened from a file: %1 %2, Computer %3</source>
        <translation>Aus einer Datei geladen: %1 %2, Computer %3</translation>
    </message>
    <message>
        <source>Round restarted, back to %1 %2, Computer %3</source>
        <translation>Runde neu gestartet, zurück auf %1 %2, Computer %3</translation>
    </message>
    <message>
        <source>Game restarted: %1 %2, Computer %3</source>
        <translation>Spiel neu gestartet: %1 %2, Computer %3</translation>
    </message>
    <message>
        <source>%1 went out.</source>
        <translation>%1 hat alle Steine gelegt.</translation>
    </message>
    <message>
        <source>%1 reached 200 mid-round.</source>
        <translation>%1 erreicht 200 mitten in der Runde.</translation>
    </message>
    <message>
        <source>%1 reached 200 mid-round (%2).</source>
        <translation>%1 erreicht 200 mitten in der Runde (%2).</translation>
    </message>
    <message>
        <source>Blocked.</source>
        <translation>Blockiert.</translation>
    </message>
    <message>
        <source>Blocked, a tie.</source>
        <translation>Blockiert, Gleichstand.</translation>
    </message>
    <message>
        <source>%1 holds %2, Computer %3: no points</source>
        <translation>%1 hat %2, Computer %3: keine Punkte</translation>
    </message>
    <message>
        <source>%1 holds %2, Computer %3: %4, +%5 to %6</source>
        <translation>%1 hat %2, Computer %3: %4, +%5 für %6</translation>
    </message>
    <message>
        <source>%1 holds %2, Computer %3: %4, rounds to %5, +%6 to %7</source>
        <translation>%1 hat %2, Computer %3: %4, gerundet %5, +%6 für %7</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dominoes a side held, the last two joined: &quot;6-4, 3-3 and 2-1&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 held %2: %3</source>
        <translation>%1 hatte %2: %3</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>this is a saved game of the classic window: open it with Open a Previous Game</source>
        <translation>das ist ein gespeichertes Spiel des klassischen Fensters: lade es mit Früheres Spiel laden</translation>
    </message>
    <message>
        <source>this is not a table file</source>
        <translation>das ist keine Tischdatei</translation>
    </message>
    <message>
        <source>this line does not follow from the game before it</source>
        <translation>diese Zeile folgt nicht aus dem Spiel davor</translation>
    </message>
    <message>
        <source>the file goes on after the table&apos;s state</source>
        <translation>die Datei geht nach dem Stand des Tisches weiter</translation>
    </message>
    <message>
        <source>the computers&apos; decisions differ from the game</source>
        <translation>die Entscheidungen der Computer passen nicht zum Spiel</translation>
    </message>
    <message>
        <source>this line cannot be read</source>
        <translation>diese Zeile ist nicht lesbar</translation>
    </message>
    <message>
        <source>the file ends before the table&apos;s state</source>
        <translation>die Datei endet vor dem Stand des Tisches</translation>
    </message>
    <message>
        <source>this line does not agree with the game as replayed</source>
        <translation>diese Zeile stimmt nicht mit dem nachgespielten Spiel überein</translation>
    </message>
    <message>
        <source>no table is played with these rules</source>
        <translation>mit diesen Regeln wird an keinem Tisch gespielt</translation>
    </message>
    <message>
        <source>this seat is not the one to play</source>
        <translation>dieser Platz ist nicht am Zug</translation>
    </message>
    <message>
        <source>the rules refuse this move</source>
        <translation>die Regeln lassen diesen Zug nicht zu</translation>
    </message>
</context>
<context>
    <name>TableHistory</name>
    <message>
        <source>The game was added to the end of the damaged history %1.</source>
        <translation>Das Spiel wurde an das Ende der beschädigten Chronik %1 angehängt.</translation>
    </message>
    <message>
        <source>The game could not be added to the history: %1</source>
        <translation>Das Spiel ließ sich nicht in die Chronik eintragen: %1</translation>
    </message>
    <message>
        <source>%1&apos;s games of %2 could not be added to the history: %3</source>
        <translation>Die Spiele von %1 in %2 ließen sich nicht in die Chronik eintragen: %3</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>Gegenüber</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>You and %1</source>
        <translation>Du und %1</translation>
    </message>
    <message>
        <source>you and %1</source>
        <translation>dich und %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>1 domino</source>
        <translation>1 Stein</translation>
    </message>
    <message>
        <source>%1 dominoes</source>
        <translation>%1 Steine</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meister</translation>
    </message>
    <message>
        <source>Partners</source>
        <translation>Partnerdomino</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Blockdomino</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Ziehdomino</translation>
    </message>
    <message>
        <source>All Fives</source>
        <translation>Alle Fünfe</translation>
    </message>
    <message>
        <source>Fives and Threes</source>
        <translation>Fünfer und Dreier</translation>
    </message>
    <message>
        <source>Four at the table, partners opposite, all 28 dealt; the side that goes out takes the pips left in every hand.</source>
        <translation>Vier am Tisch, Partner gegenüber, alle 28 verteilt; die Seite, die ausgeht, bekommt die Augen aller Hände.</translation>
    </message>
    <message>
        <source>Seven each, no drawing: pass when nothing fits; the winner takes the others&apos; pips less their own.</source>
        <translation>Sieben für jeden, kein Ziehen: passen, wenn nichts passt; der Sieger bekommt die Augen der anderen abzüglich seiner eigenen.</translation>
    </message>
    <message>
        <source>Draw from the BoneYard until a domino fits; the winner takes the others&apos; pips less their own.</source>
        <translation>Aus dem Vorrat ziehen, bis ein Stein passt; der Sieger bekommt die Augen der anderen abzüglich seiner eigenen.</translation>
    </message>
    <message>
        <source>Draw when stuck; score the open ends whenever they add up to a multiple of five.</source>
        <translation>Ziehen, wenn nichts passt; die offenen Enden zählen, wenn ihre Summe durch fünf teilbar ist.</translation>
    </message>
    <message>
        <source>Score the ends by fives and threes (15 scores 8); knock when nothing fits.</source>
        <translation>Die Enden zählen nach Fünfern und Dreiern (15 zählt 8); klopfen, wenn nichts passt.</translation>
    </message>
    <message>
        <source>%1: leads %2</source>
        <translation>%1: eröffnet mit %2</translation>
    </message>
    <message>
        <source>%1: lays %2 on the left end</source>
        <translation>%1: legt %2 links an</translation>
    </message>
    <message>
        <source>%1: lays %2 on the right end</source>
        <translation>%1: legt %2 rechts an</translation>
    </message>
    <message>
        <source>, scores %1</source>
        <translation>, zählt %1</translation>
    </message>
    <message>
        <source>%1: draws</source>
        <translation>%1: zieht</translation>
    </message>
    <message>
        <source>%1: passes</source>
        <translation>%1: passt</translation>
    </message>
    <message>
        <source>%1 won the game</source>
        <translation>%1 hat das Spiel gewonnen</translation>
    </message>
    <message>
        <source>%1 went out.</source>
        <translation>%1 ist ausgegangen.</translation>
    </message>
    <message>
        <source>The game is blocked.</source>
        <translation>Die Runde ist blockiert.</translation>
    </message>
    <message>
        <source>%1 reached %2.</source>
        <translation>%1 hat %2 erreicht.</translation>
    </message>
    <message>
        <source>The lowest hands are level: nobody scores.</source>
        <translation>Die niedrigsten Hände sind gleich: niemand zählt.</translation>
    </message>
    <message>
        <source>Nothing to %1.</source>
        <translation>Nichts für %1.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 hat %2</translation>
    </message>
    <message>
        <source>%1 hold %2</source>
        <translation>%1 haben %2</translation>
    </message>
    <message>
        <source>, less </source>
        <translation>, abzüglich </translation>
    </message>
    <message>
        <source>%1: %2, to %3</source>
        <translation>%1: %2 für %3</translation>
    </message>
    <message>
        <source>Line, empty</source>
        <translation>Reihe, leer</translation>
    </message>
    <message>
        <source>Line, open ends %1 and %2</source>
        <translation>Reihe, offene Enden %1 und %2</translation>
    </message>
    <message>
        <source>Hint: draw</source>
        <translation>Tipp: ziehen</translation>
    </message>
    <message>
        <source>Hint: pass</source>
        <translation>Tipp: passen</translation>
    </message>
    <message>
        <source>Hint: lead %1</source>
        <translation>Tipp: mit %1 eröffnen</translation>
    </message>
    <message>
        <source>Hint: lay %1 on the left end</source>
        <translation>Tipp: %1 links anlegen</translation>
    </message>
    <message>
        <source>Hint: lay %1 on the right end</source>
        <translation>Tipp: %1 rechts anlegen</translation>
    </message>
    <message>
        <source>you</source>
        <translation>dich</translation>
    </message>
    <message>
        <source>A blocked hand scores nothing.</source>
        <translation>Eine blockierte Runde zählt nichts.</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Runde %1</translation>
    </message>
    <message>
        <source>Pips left: %1</source>
        <translation>Verbliebene Augen: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>Every count that scored and every hand&apos;s award of the present game</source>
        <translation>Jede Summe, die Punkte brachte, und jede Wertung einer Runde des laufenden Spiels</translation>
    </message>
</context>
<context>
    <name>pipwright::GameConditionsDialog</name>
    <message>
        <source>%1 Seconds to Play a Domino.</source>
        <translation>%1 Sek. Bedenkzeit pro Zug.</translation>
    </message>
    <message>
        <source>%1 Seconds to Play a Domino</source>
        <translation>%1 Sek. Bedenkzeit pro Zug</translation>
    </message>
    <message>
        <source>Game Conditions</source>
        <translation>Spieleinstellungen</translation>
    </message>
    <message>
        <source>Play Timers</source>
        <translation>Bedenkzeit</translation>
    </message>
    <message>
        <source>To increase the Time You or the Computer have to play a Domino, move the Slider to the right and to decrease the time, move it to the Left.  The minimum time is 1 seconds and the maximum is 12 seconds.  To start the Timer, Check the Box to the Left.</source>
        <translation>Um die Zeit zu verlängern, die du oder der Computer für einen Zug habt, schiebe den Regler nach rechts, zum Verkürzen nach links.  Die kürzeste Zeit ist 1 Sekunde, die längste 12 Sekunden.  Um die Bedenkzeit einzuschalten, kreuze das Kästchen links an.</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Spielstärke</translation>
    </message>
    <message>
        <source>Starting the Next Hand</source>
        <translation>Wer beginnt?</translation>
    </message>
    <message>
        <source>The Winner of the Game will place the Set Domino on the Next Game.</source>
        <translation>Der Gewinner des Spiels legt im nächsten Spiel den Startstein.</translation>
    </message>
    <message>
        <source>Check this Box if You want to record Today&apos;s Wins and Losses.  The Game History of the individual Player can be viewed by a Menu selection.</source>
        <translation>Kreuze an, um heute Siege und Verluste zu notieren.  Das Menü zeigt die Chronik jedes Spielers.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%1 and the Computer will each draw one Domino from the BoneYard and whoever has the Domino with the largest value will start the next Game.</source>
        <translation>%1 und der Computer ziehen je einen Stein aus dem Vorrat, und wer den Stein mit den meisten Augen hat, beginnt das nächste Spiel.</translation>
    </message>
    <message>
        <source>An Expert Player.  The Computer will provide fierce competition to %1.</source>
        <translation>Experte.  Der Computer wird für %1 ein harter Gegner sein.</translation>
    </message>
    <message>
        <source>A Master Player.  The Computer plays to win, and never looks at %1&apos;s Dominos.</source>
        <translation>Meister.  Der Computer spielt auf Sieg und schaut nie in die Steine von %1.</translation>
    </message>
    <message>
        <source>A Novice Player.  The Computer will not present much of a challenge to %1.</source>
        <translation>Anfänger.  Der Computer wird %1 kaum herausfordern.</translation>
    </message>
</context>
<context>
    <name>pipwright::GameTable</name>
    <message>
        <source>Player&apos;s Selection</source>
        <translation>Spielerauswahl</translation>
    </message>
    <message>
        <source>Computer&apos;s Selection</source>
        <translation>Computerauswahl</translation>
    </message>
    <message>
        <source>Computer&apos;s Dominos</source>
        <translation>Steine des Computers</translation>
    </message>
    <message>
        <source>BoneYard Dominos</source>
        <translation>Steine im Vorrat</translation>
    </message>
    <message>
        <source>Can&apos;t Play</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>Player&apos;s Dominos</source>
        <translation>Deine Steine</translation>
    </message>
</context>
<context>
    <name>pipwright::HistoryChart</name>
    <message numerus="yes">
        <source>Won %1 and lost %2 of %3 games: %4% won.</source>
        <translation>
            <numerusform>Von %3 Spiel %1 gewonnen und %2 verloren: %4 % gewonnen.</numerusform>
            <numerusform>Von %3 Spielen %1 gewonnen und %2 verloren: %4 % gewonnen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The last %1 of %2 days played:</source>
        <translation>Die letzten %1 von %2 Spieltagen:</translation>
    </message>
    <message>
        <source>%1: %2 won, %3 lost</source>
        <translation>%1: %2 gewonnen, %3 verloren</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>The last %1 of %2 days</source>
        <translation>Die letzten %1 von %2 Tagen</translation>
    </message>
</context>
<context>
    <name>pipwright::NewTableDialog</name>
    <message>
        <source>New Table</source>
        <translation>Neuer Tisch</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Spiel:</translation>
    </message>
    <message>
        <source>&amp;Seats:</source>
        <translation>&amp;Plätze:</translation>
    </message>
    <message>
        <source>Play as two &amp;partnerships</source>
        <translation>Als zwei &amp;Partnerschaften spielen</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Ziel:</translation>
    </message>
    <message>
        <source>The target must be reached &amp;exactly</source>
        <translation>Das Ziel muss &amp;genau erreicht werden</translation>
    </message>
    <message>
        <source>The pips in all hands</source>
        <translation>Die Augen aller Hände</translation>
    </message>
    <message>
        <source>The opponents&apos; pips only</source>
        <translation>Nur die Augen der Gegner</translation>
    </message>
    <message>
        <source>&amp;Award:</source>
        <translation>&amp;Gewinn:</translation>
    </message>
    <message>
        <source>%1 plays as:</source>
        <translation>%1 spielt als:</translation>
    </message>
</context>
<context>
    <name>pipwright::ScoreSheetWindow</name>
    <message>
        <source>Score Sheet</source>
        <translation>Punktezettel</translation>
    </message>
    <message>
        <source>Every count that scored and every round&apos;s award of the present game</source>
        <translation>Jede Summe, die Punkte brachte, und jede Rundenwertung des laufenden Spiels</translation>
    </message>
</context>
<context>
    <name>pipwright::TableDrawing</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>BoneYard
%1</source>
        <translation>Vorrat
%1</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Passe</translation>
    </message>
</context>
<context>
    <name>pipwright::TableWindow</name>
    <message>
        <source>Wait for your turn.</source>
        <translation>Warte, bis du dran bist.</translation>
    </message>
    <message>
        <source>Select a domino first.</source>
        <translation>Wähle zuerst einen Stein.</translation>
    </message>
    <message>
        <source>That domino is not in your hand.</source>
        <translation>Dieser Stein ist nicht in deiner Hand.</translation>
    </message>
    <message>
        <source>That domino does not match that end.</source>
        <translation>Dieser Stein passt nicht an dieses Ende.</translation>
    </message>
    <message>
        <source>A domino fits: lay it.</source>
        <translation>Ein Stein passt: leg ihn an.</translation>
    </message>
    <message>
        <source>This game does not draw: pass.</source>
        <translation>In diesem Spiel wird nicht gezogen: passen.</translation>
    </message>
    <message>
        <source>The BoneYard is empty: pass.</source>
        <translation>Der Vorrat ist leer: passen.</translation>
    </message>
    <message>
        <source>Draw from the BoneYard first.</source>
        <translation>Zieh zuerst aus dem Vorrat.</translation>
    </message>
    <message>
        <source>The hand is still being played.</source>
        <translation>Die Runde läuft noch.</translation>
    </message>
    <message>
        <source>Not now.</source>
        <translation>Nicht jetzt.</translation>
    </message>
    <message>
        <source>%1 – Pipwright</source>
        <translation>%1 – Pipwright</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tisch</translation>
    </message>
    <message>
        <source>&amp;New Table...</source>
        <translation>&amp;Neuer Tisch...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Restart the Game</source>
        <translation>Spiel neu &amp;beginnen</translation>
    </message>
    <message>
        <source>Score S&amp;heet</source>
        <translation>&amp;Punkteblatt</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>S&amp;pielen</translation>
    </message>
    <message>
        <source>Previous Domino</source>
        <translation>Vorheriger Stein</translation>
    </message>
    <message>
        <source>Next Domino</source>
        <translation>Nächster Stein</translation>
    </message>
    <message>
        <source>&amp;Select Domino</source>
        <translation>Stein &amp;wählen</translation>
    </message>
    <message>
        <source>Lay on the &amp;Left End</source>
        <translation>&amp;Links anlegen</translation>
    </message>
    <message>
        <source>Lay on the &amp;Right End</source>
        <translation>&amp;Rechts anlegen</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Ziehen</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>P&amp;assen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Next Hand</source>
        <translation>&amp;Nächste Runde</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Faster Computers</source>
        <translation>&amp;Schnellere Computer</translation>
    </message>
    <message>
        <source>&amp;Normal Pace</source>
        <translation>&amp;Normales Tempo</translation>
    </message>
    <message>
        <source>&amp;Slower Computers</source>
        <translation>&amp;Langsamere Computer</translation>
    </message>
    <message>
        <source>&amp;Movement</source>
        <translation>&amp;Bewegung</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Spielregeln</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Deine Hand</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>, to play</source>
        <translation>, ist dran</translation>
    </message>
    <message>
        <source>Your turn.</source>
        <translation>Du bist dran.</translation>
    </message>
    <message>
        <source>%1 is thinking...</source>
        <translation>%1 überlegt...</translation>
    </message>
    <message>
        <source>It fits both ends: choose one.</source>
        <translation>Passt an beide Enden: wähle eines.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>Pips left: %1</source>
        <translation>Verbliebene Augen: %1</translation>
    </message>
    <message>
        <source>The hand is over</source>
        <translation>Die Runde ist vorbei</translation>
    </message>
    <message>
        <source>The game is over</source>
        <translation>Das Spiel ist vorbei</translation>
    </message>
    <message>
        <source>Hand %1 dealt.</source>
        <translation>Runde %1 ausgeteilt.</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Next hand</source>
        <translation>Nächste Runde</translation>
    </message>
    <message>
        <source>This hand must be led with %1.</source>
        <translation>Diese Runde muss mit %1 eröffnet werden.</translation>
    </message>
    <message>
        <source>Tables (*.table);;All Files (*)</source>
        <translation>Tische (*.table);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save the Table</source>
        <translation>Tisch speichern</translation>
    </message>
    <message>
        <source>The table was not saved to
%1

%2</source>
        <translation>Der Tisch wurde nicht gespeichert in
%1

%2</translation>
    </message>
    <message>
        <source>Open a Table</source>
        <translation>Tisch öffnen</translation>
    </message>
    <message>
        <source>No games are in your history yet.</source>
        <translation>Deine Chronik enthält noch keine Spiele.</translation>
    </message>
    <message>
        <source>Game Histor&amp;y</source>
        <translation>Spielc&amp;hronik</translation>
    </message>
</context>
<context>
    <name>pipwright::frmDominos</name>
    <message>
        <source>Width=%1   Height=%2</source>
        <translation>Breite=%1   Höhe=%2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 gibt es schon.
Willst du die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The game was not saved to
%1

%2</source>
        <translation>Das Spiel wurde nicht gespeichert in
%1

%2</translation>
    </message>
    <message>
        <source>The file
%1
could not be opened.

%2</source>
        <translation>Die Datei
%1
ließ sich nicht laden.

%2</translation>
    </message>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is; today&apos;s games are still added to its end.</source>
        <translation>Die Spielchronik %1 ist in Zeile %2 beschädigt und bleibt, wie sie ist; die heutigen Spiele werden trotzdem an ihr Ende angehängt.</translation>
    </message>
    <message>
        <source>Your dominoes</source>
        <translation>Deine Steine</translation>
    </message>
    <message>
        <source>Computer&apos;s Dominos</source>
        <translation>Steine des Computers</translation>
    </message>
    <message>
        <source>Left and Right move the highlight, 1 to 9 jump to a domino, Enter selects it, Escape clears the highlight, C presses Can&apos;t Play</source>
        <translation>Pfeil links und rechts bewegen die Markierung, 1 bis 9 springen zu einem Stein, Enter wählt ihn, Escape hebt die Markierung auf, C drückt Passen</translation>
    </message>
    <message>
        <source>L lays the selected domino on the left end, R on the right end</source>
        <translation>L legt den gewählten Stein links an, R rechts</translation>
    </message>
    <message>
        <source>B draws a domino</source>
        <translation>B zieht einen Stein</translation>
    </message>
    <message>
        <source>Save the Present Game</source>
        <translation>Aktuelles Spiel speichern</translation>
    </message>
    <message>
        <source>Open the Previous Game</source>
        <translation>Früheres Spiel laden</translation>
    </message>
    <message>
        <source>All Files (*.txt*) (*.txt)</source>
        <translation>Alle Dateien (*.txt*) (*.txt)</translation>
    </message>
    <message>
        <source>To Restart the Timer</source>
        <translation>Bedenkzeit wieder einschalten</translation>
    </message>
    <message>
        <source>%1
Your previous game had the Play Timer set to
%2 Seconds.  To Restart the Timer, select Playing
Conditions from the Menu and place a check mark in the
proper Box.</source>
        <translation>%1
In deinem früheren Spiel stand die Bedenkzeit auf
%2 Sek.  Um sie wieder einzuschalten, wähle im Menü
Spieleinstellungen und setze ein Häkchen in das
passende Kästchen.</translation>
    </message>
    <message>
        <source>Restart the Entire Game</source>
        <translation>Das ganze Spiel neu beginnen</translation>
    </message>
    <message>
        <source>Abandon this game at %1 to %2 and start a new one?</source>
        <translation>Dieses Spiel beim Stand von %1 zu %2 aufgeben und ein neues beginnen?</translation>
    </message>
    <message>
        <source>Restart the Existing Round</source>
        <translation>Die laufende Runde neu beginnen</translation>
    </message>
    <message>
        <source>Abandon the dominoes laid in this round and deal it again?</source>
        <translation>Die in dieser Runde gelegten Steine aufgeben und neu verteilen?</translation>
    </message>
    <message>
        <source>No hint for a draw: any domino in the BoneYard will do</source>
        <translation>Kein Tipp beim Ziehen: Jeder Stein aus dem Vorrat ist recht</translation>
    </message>
    <message>
        <source>No hint now: it is not your turn</source>
        <translation>Jetzt kein Tipp: Du bist nicht am Zug</translation>
    </message>
</context>
<context>
    <name>pipwright::frmTitle</name>
    <message>
        <source>What is Your Name?</source>
        <translation>Wie heißt du?</translation>
    </message>
</context>
</TS>
