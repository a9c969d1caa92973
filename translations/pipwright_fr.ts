<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AuthorWindow</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A game of dominoes for one player against the computer. Lay the double-six set end to end, score every multiple of five on the open ends, and be the first to reach 200 points.</source>
        <translation>Un jeu de dominos pour un joueur contre l’ordinateur. Posez le jeu double-six bout à bout, marquez chaque multiple de cinq aux bouts ouverts et soyez le premier à atteindre 200 points.</translation>
    </message>
    <message>
        <source>Three levels of play with hints, an optional play timer, saved games and a record of the games won and lost each day.</source>
        <translation>Trois niveaux de jeu avec conseils, un minuteur facultatif, l’enregistrement des parties et le bilan quotidien des victoires et défaites.</translation>
    </message>
    <message>
        <source>Copyright © the Pipwright developers.
Released under the MIT License.</source>
        <translation>Copyright © les développeurs de Pipwright.
Publié sous licence MIT.</translation>
    </message>
    <message>
        <source>The Author of Pipwright</source>
        <translation>L’auteur de Pipwright</translation>
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
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Open a Previous Game</source>
        <translation>&amp;Ouvrir une partie précédente</translation>
    </message>
    <message>
        <source>&amp;Save the Present Game</source>
        <translation>&amp;Enregistrer la partie en cours</translation>
    </message>
    <message>
        <source>&amp;Restart</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>T&amp;he Existing Round</source>
        <translation>La &amp;manche en cours</translation>
    </message>
    <message>
        <source>&amp;The Entire Game</source>
        <translation>Toute la &amp;partie</translation>
    </message>
    <message>
        <source>Game &amp;History</source>
        <translation>&amp;Historique des parties</translation>
    </message>
    <message>
        <source>S&amp;core Sheet</source>
        <translation>&amp;Feuille de marque</translation>
    </message>
    <message>
        <source>&amp;Playing Conditions</source>
        <translation>&amp;Conditions de jeu</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About Dominos</source>
        <translation>À &amp;propos de Dominos</translation>
    </message>
    <message>
        <source>New &amp;Table...</source>
        <translation>Nouvelle &amp;table...</translation>
    </message>
    <message>
        <source>H&amp;int</source>
        <translation>Co&amp;nseil</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Pipwright Help</source>
        <translation>Aide de Pipwright</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>the player&apos;s name cannot name a file</source>
        <translation>le nom du joueur ne peut pas servir de nom de fichier</translation>
    </message>
    <message>
        <source>today&apos;s date is not known</source>
        <translation>la date du jour est inconnue</translation>
    </message>
    <message>
        <source>the history folder cannot be created</source>
        <translation>le dossier de l’historique ne peut pas être créé</translation>
    </message>
    <message>
        <source>another copy of the game holds the history</source>
        <translation>une autre copie du jeu a l’historique ouvert</translation>
    </message>
    <message>
        <source>line %1 is not a date and two counts</source>
        <translation>la ligne %1 n’est pas une date suivie de deux nombres</translation>
    </message>
    <message>
        <source>%1,  Your game history is:</source>
        <translation>%1, voici votre historique des parties&#xa0;:</translation>
    </message>
    <message>
        <source>Date of Play       Games Won        Games Lost</source>
        <translation>Date de jeu        Victoires        Défaites</translation>
    </message>
    <message>
        <source>%1&apos;s Game History..</source>
        <translation>Historique des parties&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>HistoryRecorder</name>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is.</source>
        <translation>L’historique des parties %1 est abîmé à la ligne %2&#xa0;; il est gardé tel quel.</translation>
    </message>
    <message>
        <source>Today&apos;s games were added to the end of %1, but the history could not be merged into one line per day.</source>
        <translation>Les parties du jour ont été ajoutées à la fin de %1, mais l’historique n’a pas pu être regroupé en une ligne par jour.</translation>
    </message>
    <message>
        <source>Today&apos;s games could not be recorded in %1.</source>
        <translation>Les parties du jour n’ont pas pu être enregistrées dans %1.</translation>
    </message>
    <message>
        <source>The game history %1 could not be merged into one line per day.</source>
        <translation>L’historique des parties %1 n’a pas pu être regroupé en une ligne par jour.</translation>
    </message>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is. Today&apos;s games were added to its end.</source>
        <translation>L’historique des parties %1 est abîmé à la ligne %2&#xa0;; il est gardé tel quel. Les parties du jour ont été ajoutées à la fin.</translation>
    </message>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is. Today&apos;s games could not be recorded.</source>
        <translation>L’historique des parties %1 est abîmé à la ligne %2&#xa0;; il est gardé tel quel. Les parties du jour n’ont pas pu être enregistrées.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Classic game</source>
        <translation>Jeu classique</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Jeu&#xa0;:</translation>
    </message>
</context>
<context>
    <name>MainWindowPort</name>
    <message>
        <source>Player&apos;s Selection %1</source>
        <translation>Choix du joueur %1</translation>
    </message>
    <message>
        <source>Computer&apos;s Selection %1</source>
        <translation>Choix de l’ordinateur %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The Computer will Select 7 Dominos from the BoneYard</source>
        <translation>L’ordinateur va prendre 7 dominos dans la pioche</translation>
    </message>
    <message>
        <source>The Computer will Draw %1 more Dominos from the BoneYard</source>
        <translation>L’ordinateur va piocher encore %1 dominos</translation>
    </message>
    <message>
        <source>The Computer will Draw 1 more Domino from the BoneYard</source>
        <translation>L’ordinateur va piocher encore 1 domino</translation>
    </message>
    <message>
        <source>%1, Click on 7 Dominos in the BoneYard..</source>
        <translation>%1, cliquez sur 7 dominos de la pioche…</translation>
    </message>
    <message>
        <source>%1, Click the Left Mouse on one of your Dominos..</source>
        <translation>%1, faites un clic gauche sur l’un de vos dominos…</translation>
    </message>
    <message>
        <source>%1, The Computer is Thinking..</source>
        <translation>%1, l’ordinateur réfléchit…</translation>
    </message>
    <message>
        <source>%1, Click the Left Mouse on one of your Domios</source>
        <translation>%1, faites un clic gauche sur l’un de vos dominos</translation>
    </message>
    <message>
        <source>%1, It&apos;s Your Turn, The Computer Can&apos;t Play..</source>
        <translation>%1, à vous de jouer, l’ordinateur boude…</translation>
    </message>
    <message>
        <source>The Computer Exceeded 18 Dominos..</source>
        <translation>L’ordinateur a déjà 18 dominos…</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>The Computer has exceeded the mazimum of 18<byte value="xd"/>Dominos and does not have one equal to either<byte value="xd"/>of the two target Dominos on the Screen.  It is now<byte value="xd"/>your turn to Play...<byte value="xd"/></source>
        <translation>%1<byte value="xd"/><byte value="xd"/>L’ordinateur a atteint le maximum de 18<byte value="xd"/>dominos et n’en a aucun qui aille sur l’un<byte value="xd"/>des deux bouts de la chaîne. C’est maintenant<byte value="xd"/>à vous de jouer…<byte value="xd"/></translation>
    </message>
    <message>
        <source>%1, Hint: Draw a Domino from the BoneYard..</source>
        <translation>%1, conseil&#xa0;: piochez un domino…</translation>
    </message>
    <message>
        <source>%1, Hint: No Domino fits, press Can&apos;t Play..</source>
        <translation>%1, conseil&#xa0;: rien ne va, appuyez sur Je boude…</translation>
    </message>
    <message>
        <source>%1, Hint: Play the selected Domino on the Left End..</source>
        <translation>%1, conseil&#xa0;: posez le domino choisi au bout gauche…</translation>
    </message>
    <message>
        <source>%1, Hint: Play the selected Domino on the Right End..</source>
        <translation>%1, conseil&#xa0;: posez le domino choisi au bout droit…</translation>
    </message>
    <message>
        <source>%1&apos;s Dominos</source>
        <translation>Vos dominos, %1</translation>
    </message>
    <message>
        <source>%1, Click on any Domino in the BoneYard to see who Plays First..</source>
        <translation>%1, cliquez sur un domino de la pioche pour savoir qui commence…</translation>
    </message>
    <message>
        <source>%1&apos; Score=%2</source>
        <translation>Score %1=%2</translation>
    </message>
    <message>
        <source>%1&apos;s Score=%2</source>
        <translation>Score %1=%2</translation>
    </message>
    <message>
        <source>Computer&apos;s Score=%1</source>
        <translation>Score ordinateur=%1</translation>
    </message>
    <message>
        <source>%1,  Click the Left Mouse on one of your Dominos...</source>
        <translation>%1, faites un clic gauche sur l’un de vos dominos…</translation>
    </message>
    <message>
        <source>%1, Click on the corresponding Domino in the Play Field..</source>
        <translation>%1, cliquez sur le domino correspondant dans l’aire de jeu…</translation>
    </message>
    <message>
        <source>%1, Wrong Selection....</source>
        <translation>%1, mauvais choix…</translation>
    </message>
    <message>
        <source>You are only allowed 18 Dominos</source>
        <translation>Pas plus de 18 dominos</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/><byte value="xd"/>You have exceeded the maximum of 18<byte value="xd"/>Dominos.  It is now the Computer&apos;s<byte value="xd"/>turn to Play...<byte value="xd"/></source>
        <translation>%1<byte value="xd"/><byte value="xd"/>Vous avez atteint le maximum de 18<byte value="xd"/>dominos. C’est maintenant à l’ordinateur<byte value="xd"/>de jouer…<byte value="xd"/></translation>
    </message>
    <message>
        <source>%1&apos;s Score is %2</source>
        <translation>Score %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, The Computer is Thinking....</source>
        <translation>%1, l’ordinateur réfléchit…</translation>
    </message>
    <message>
        <source>Computer&apos;s Score is %1</source>
        <translation>Score ordinateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>The Computer has the Highest Domino, and will Start the Game..</source>
        <translation>L’ordinateur a le domino le plus fort et commence…</translation>
    </message>
    <message>
        <source>%1 has the Highest Domino, and will Start the Game..</source>
        <translation>%1 a le domino le plus fort et commence…</translation>
    </message>
    <message>
        <source>%1, You Tied with the Computer, Reselect another Domino</source>
        <translation>%1, égalité avec l’ordinateur, choisissez un autre domino</translation>
    </message>
    <message>
        <source>%1, Click on any Domino you wish to be played as the Set Domino..</source>
        <translation>%1, cliquez sur le domino à poser comme domino de départ…</translation>
    </message>
    <message>
        <source>The Computer will now select a Domino to be used as the Set Domino..</source>
        <translation>L’ordinateur va maintenant choisir son domino de départ…</translation>
    </message>
    <message>
        <source>The Computer&apos;s Turn to Play....</source>
        <translation>Au tour de l’ordinateur…</translation>
    </message>
    <message>
        <source>%1, Click on %2 more Dominos in the BoneYard..</source>
        <translation>%1, cliquez encore sur %2 dominos de la pioche…</translation>
    </message>
    <message>
        <source>%1, Click on %2 more Domino in the BoneYard..</source>
        <translation>%1, cliquez encore sur %2 domino de la pioche…</translation>
    </message>
    <message>
        <source>%1, Click on 7 Dominos from the BoneYard..</source>
        <translation>%1, cliquez sur 7 dominos de la pioche…</translation>
    </message>
    <message>
        <source>%1, The Computer will Draw 7 Dominos from the BoneYard..</source>
        <translation>%1, l’ordinateur va piocher 7 dominos…</translation>
    </message>
    <message>
        <source>Sorry %1</source>
        <translation>Désolé, %1</translation>
    </message>
    <message>
        <source>%1, You waited to Long.<byte value="xd"/>Your allotted Time of %2 Seconds has expired.<byte value="xd"/>It is now the Computer&apos;s turn to Play..</source>
        <translation>%1, vous avez trop attendu.<byte value="xd"/>Votre temps imparti de %2 s est écoulé.<byte value="xd"/>C’est maintenant à l’ordinateur de jouer…</translation>
    </message>
    <message>
        <source>Games Won=%1</source>
        <translation>Victoires=%1</translation>
    </message>
    <message>
        <source>Games Lost=%1</source>
        <translation>Défaites=%1</translation>
    </message>
    <message>
        <source>%1, Hint: Lead with the %2 as your Set Domino..</source>
        <translation>%1, conseil&#xa0;: ouvrez avec le %2…</translation>
    </message>
</context>
<context>
    <name>NameEntry</name>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
</context>
<context>
    <name>PictureTexts</name>
    <message>
        <source>The line: no dominoes laid</source>
        <translation>La chaîne&#xa0;: aucun domino posé</translation>
    </message>
    <message>
        <source>The line: left end %1, right end %2, 1 domino laid</source>
        <translation>La chaîne&#xa0;: bout gauche %1, bout droit %2, 1 domino posé</translation>
    </message>
    <message>
        <source>The line: left end %1, right end %2, %3 dominoes laid</source>
        <translation>La chaîne&#xa0;: bout gauche %1, bout droit %2, %3 dominos posés</translation>
    </message>
    <message>
        <source>BoneYard: 1 domino face down</source>
        <translation>Pioche&#xa0;: 1 domino face cachée</translation>
    </message>
    <message>
        <source>BoneYard: %1 dominoes face down</source>
        <translation>Pioche&#xa0;: %1 dominos face cachée</translation>
    </message>
</context>
<context>
    <name>ResultDialog</name>
    <message>
        <source>W I N N E R</source>
        <translation>G A G N É</translation>
    </message>
    <message>
        <source>You Lost</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Sorry, Ties Don&apos;t Count</source>
        <translation>Désolé, manche nulle</translation>
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
        <translation>%1, vous gagnez cette manche…</translation>
    </message>
    <message>
        <source>%1,  You Win this Round.</source>
        <translation>%1, vous gagnez cette manche.</translation>
    </message>
    <message>
        <source>The Computer&apos;s Dominos have a value of %1</source>
        <translation>Valeur des dominos de l’ordinateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your Score of %1 will be increased by %2 to %3</source>
        <translation>Votre score passe de %1 à %3 (+%2)</translation>
    </message>
    <message>
        <source>%1, You Lost this Round...</source>
        <translation>%1, vous perdez cette manche…</translation>
    </message>
    <message>
        <source>%1,  The Computer Won this Round..</source>
        <translation>%1, l’ordinateur gagne cette manche…</translation>
    </message>
    <message>
        <source>Your Dominos have a value of %1</source>
        <translation>Valeur de vos dominos&#xa0;: %1</translation>
    </message>
    <message>
        <source>The Computer&apos;s Score of %1 will be increased by %2 to %3</source>
        <translation>Le score de l’ordinateur passe de %1 à %3 (+%2)</translation>
    </message>
    <message>
        <source>%1,  You Win this Round...</source>
        <translation>%1, vous gagnez cette manche…</translation>
    </message>
    <message>
        <source>Your %1 Dominos have a value of %2.  The Computer</source>
        <extracomment>This label and the next two read as one paragraph, broken at the ends of the window&apos;s lines.</extracomment>
        <translation>Vos %1 dominos valent %2. L’ordinateur</translation>
    </message>
    <message>
        <source>had %1 Dominos with a value of %2.  Your score of %3</source>
        <translation>en avait %1 valant %2. Votre score de %3</translation>
    </message>
    <message>
        <source>will be increased by %1 to %2.</source>
        <translation>augmente de %1 et passe à %2.</translation>
    </message>
    <message>
        <source>Sorry, %1,  The Computer Won this Round...</source>
        <translation>Désolé, %1, l’ordinateur gagne cette manche…</translation>
    </message>
    <message>
        <source>%1,  You Lost this Round...</source>
        <translation>%1, vous perdez cette manche…</translation>
    </message>
    <message>
        <source>had %1 Dominos with a value of %2.  The Computer&apos;s</source>
        <translation>en avait %1 valant %2. Le score de l’ordinateur</translation>
    </message>
    <message>
        <source>Score of %1 will be increased by %2 to %3.</source>
        <translation>était de %1&#xa0;; il augmente de %2 et passe à %3.</translation>
    </message>
    <message>
        <source>%1, You and the Computer Tied with a Score of %2</source>
        <translation>%1, égalité avec l’ordinateur à %2 points</translation>
    </message>
    <message>
        <source>%1, You and the Computer Tied with %2 Pips</source>
        <translation>%1, égalité avec l’ordinateur&#xa0;: %2 points en main</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>%1 slot %2 holds %3-%4</source>
        <translation>la case %2 de la %1 contient %3-%4</translation>
    </message>
    <message>
        <source>%1 slot %2 is half empty</source>
        <translation>la case %2 de la %1 est à moitié vide</translation>
    </message>
    <message>
        <source>left entry %1 has a wrong index</source>
        <translation>l’entrée %1 de la branche gauche a un mauvais indice</translation>
    </message>
    <message>
        <source>right entry %1 has a wrong index</source>
        <translation>l’entrée %1 de la branche droite a un mauvais indice</translation>
    </message>
    <message>
        <source>left entry %1 does not match</source>
        <translation>l’entrée %1 de la branche gauche ne se raccorde pas</translation>
    </message>
    <message>
        <source>right entry %1 does not match</source>
        <translation>l’entrée %1 de la branche droite ne se raccorde pas</translation>
    </message>
    <message>
        <source>left entry %1 holds %2-%3</source>
        <translation>l’entrée %1 de la branche gauche contient %2-%3</translation>
    </message>
    <message>
        <source>right entry %1 holds %2-%3</source>
        <translation>l’entrée %1 de la branche droite contient %2-%3</translation>
    </message>
    <message>
        <source>%1-%2 is in %3 places</source>
        <translation>%1-%2 se trouve à %3 endroits</translation>
    </message>
    <message>
        <source>phase %1</source>
        <translation>phase %1</translation>
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
        <translation>pioche</translation>
    </message>
    <message>
        <source>the BoneYard lacks dominoes before the draw</source>
        <translation>il manque des dominos dans la pioche avant le tirage</translation>
    </message>
    <message>
        <source>player</source>
        <translation>main du joueur</translation>
    </message>
    <message>
        <source>computer</source>
        <translation>main de l’ordinateur</translation>
    </message>
    <message>
        <source>arm counts %1 and %2</source>
        <translation>nombres de dominos des branches&#xa0;: %1 et %2</translation>
    </message>
    <message>
        <source>the two arms disagree on the Set Domino</source>
        <translation>les deux branches ne s’accordent pas sur le domino de départ</translation>
    </message>
    <message>
        <source>%1 dominoes are missing</source>
        <translation>dominos manquants&#xa0;: %1</translation>
    </message>
    <message>
        <source>a quoted text is not closed</source>
        <translation>un texte entre guillemets n’est pas fermé</translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation>du texte suit un guillemet fermant</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>le fichier est trop gros</translation>
    </message>
    <message>
        <source>the game would not open again: %1</source>
        <translation>la partie ne se rouvrirait pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>the game would not open again as it was saved</source>
        <translation>la partie ne se rouvrirait pas telle qu’elle a été enregistrée</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file ends before %1</source>
        <translation>le fichier s’arrête avant %1</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 n’est pas un nombre</translation>
    </message>
    <message>
        <source>%1 is not a whole number that fits</source>
        <translation>%1 n’est pas un nombre entier de taille admise</translation>
    </message>
    <message>
        <source>%1 is not #TRUE# or #FALSE#</source>
        <translation>%1 n’est ni #TRUE# ni #FALSE#</translation>
    </message>
    <message>
        <source>%1 is not a number that fits</source>
        <translation>%1 n’est pas un nombre de taille admise</translation>
    </message>
    <message>
        <source>%1 is not a quoted text</source>
        <translation>%1 n’est pas un texte entre guillemets</translation>
    </message>
    <message>
        <source>%1 is not a value</source>
        <translation>%1 n’est pas une valeur</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>%1 is %2, not %3 to %4</source>
        <translation>%1 vaut %2, hors de la plage %3 à %4</translation>
    </message>
    <message>
        <source>a half in %1</source>
        <translation>une moitié de domino dans %1</translation>
    </message>
    <message>
        <source>a slot in %1 holds 7 in one half only</source>
        <translation>une case dans %1 a 7 sur une seule moitié</translation>
    </message>
    <message>
        <source>a left arm entry</source>
        <translation>une entrée de la branche gauche</translation>
    </message>
    <message>
        <source>a half in the left arm</source>
        <translation>une moitié de domino de la branche gauche</translation>
    </message>
    <message>
        <source>a left arm rectangle</source>
        <translation>un rectangle de la branche gauche</translation>
    </message>
    <message>
        <source>a half in the right arm</source>
        <translation>une moitié de domino de la branche droite</translation>
    </message>
    <message>
        <source>a right arm entry</source>
        <translation>une entrée de la branche droite</translation>
    </message>
    <message>
        <source>the hands are dealt before who plays first is known</source>
        <translation>les mains sont distribuées avant de savoir qui commence</translation>
    </message>
    <message>
        <source>the computer draws other than seven dominoes</source>
        <translation>l’ordinateur pioche un autre nombre que sept dominos</translation>
    </message>
    <message>
        <source>the player&apos;s seven is marked other than the hand holds it</source>
        <translation>l’indicateur «&#xa0;sept dominos&#xa0;» du joueur ne correspond pas à sa main</translation>
    </message>
    <message>
        <source>the computer&apos;s seven is marked but not in its hand</source>
        <translation>l’indicateur «&#xa0;sept dominos&#xa0;» de l’ordinateur est mis, mais sa main ne les a pas</translation>
    </message>
    <message>
        <source>the side that draws second holds its seven first</source>
        <translation>le camp qui pioche en second a ses sept dominos en premier</translation>
    </message>
    <message>
        <source>the phase code</source>
        <translation>le code de phase</translation>
    </message>
    <message>
        <source>the player&apos;s name</source>
        <translation>le nom du joueur</translation>
    </message>
    <message>
        <source>the player&apos;s name is not one the start-up window makes</source>
        <translation>le nom du joueur n’est pas un nom que la fenêtre de démarrage peut produire</translation>
    </message>
    <message>
        <source>the player&apos;s domino count</source>
        <translation>le nombre de dominos du joueur</translation>
    </message>
    <message>
        <source>the computer&apos;s domino count</source>
        <translation>le nombre de dominos de l’ordinateur</translation>
    </message>
    <message>
        <source>the left arm count</source>
        <translation>le nombre de dominos de la branche gauche</translation>
    </message>
    <message>
        <source>the right arm count</source>
        <translation>le nombre de dominos de la branche droite</translation>
    </message>
    <message>
        <source>the player&apos;s played domino</source>
        <translation>le domino joué par le joueur</translation>
    </message>
    <message>
        <source>the player&apos;s played domino is not two halves joined by -</source>
        <translation>le domino joué par le joueur n’est pas deux moitiés reliées par -</translation>
    </message>
    <message>
        <source>the left end</source>
        <translation>le bout gauche</translation>
    </message>
    <message>
        <source>the right end</source>
        <translation>le bout droit</translation>
    </message>
    <message>
        <source>the player&apos;s draw</source>
        <translation>le tirage du joueur</translation>
    </message>
    <message>
        <source>the computer&apos;s draw</source>
        <translation>le tirage de l’ordinateur</translation>
    </message>
    <message>
        <source>the winner-starts setting</source>
        <translation>le réglage «&#xa0;le gagnant commence&#xa0;»</translation>
    </message>
    <message>
        <source>the player&apos;s score</source>
        <translation>le score du joueur</translation>
    </message>
    <message>
        <source>the computer&apos;s score</source>
        <translation>le score de l’ordinateur</translation>
    </message>
    <message>
        <source>the computer&apos;s slot index</source>
        <translation>l’indice de case de l’ordinateur</translation>
    </message>
    <message>
        <source>the player&apos;s Can&apos;t Play</source>
        <translation>le «&#xa0;Je boude&#xa0;» du joueur</translation>
    </message>
    <message>
        <source>the computer&apos;s Can&apos;t Play</source>
        <translation>le «&#xa0;Je boude&#xa0;» de l’ordinateur</translation>
    </message>
    <message>
        <source>the drawing place</source>
        <translation>la place du domino pioché</translation>
    </message>
    <message>
        <source>the player&apos;s seven</source>
        <translation>l’indicateur «&#xa0;sept dominos&#xa0;» du joueur</translation>
    </message>
    <message>
        <source>the computer&apos;s seven</source>
        <translation>l’indicateur «&#xa0;sept dominos&#xa0;» de l’ordinateur</translation>
    </message>
    <message>
        <source>the computer&apos;s played domino</source>
        <translation>le domino joué par l’ordinateur</translation>
    </message>
    <message>
        <source>the computer&apos;s played domino is not two halves joined by -</source>
        <translation>le domino joué par l’ordinateur n’est pas deux moitiés reliées par -</translation>
    </message>
    <message>
        <source>the play timer</source>
        <translation>le minuteur de jeu</translation>
    </message>
    <message>
        <source>the time to play</source>
        <translation>le temps de jeu</translation>
    </message>
    <message>
        <source>the time to play is not 1 to 12 seconds</source>
        <translation>le temps de jeu n’est pas de 1 à 12 secondes</translation>
    </message>
    <message>
        <source>the game history setting</source>
        <translation>le réglage de l’historique des parties</translation>
    </message>
    <message>
        <source>the level of play</source>
        <translation>le niveau de jeu</translation>
    </message>
    <message>
        <source>the player&apos;s hand</source>
        <translation>la main du joueur</translation>
    </message>
    <message>
        <source>the computer&apos;s hand</source>
        <translation>la main de l’ordinateur</translation>
    </message>
    <message>
        <source>the BoneYard</source>
        <translation>la pioche</translation>
    </message>
    <message>
        <source>the dominoes are not a game that can be played: %1</source>
        <translation>les dominos ne forment pas une partie jouable&#xa0;: %1</translation>
    </message>
    <message>
        <source>a side holds its seven before who plays first is drawn</source>
        <translation>un camp a ses sept dominos avant le tirage de celui qui commence</translation>
    </message>
    <message>
        <source>a score is one play cannot reach</source>
        <translation>un score est impossible à atteindre en jouant</translation>
    </message>
    <message>
        <source>this is a table&apos;s file: open it with Open in the table window</source>
        <translation>c’est un fichier de table&#xa0;: ouvrez-le avec Ouvrir dans la fenêtre de la table</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>Computer</source>
        <extracomment>The computer&apos;s seat, named where the player&apos;s name stands.</extracomment>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Manche %1</translation>
    </message>
    <message>
        <source>%1 set %2: %3 + %4 = %5, +%6</source>
        <translation>%1 ouvre avec %2&#xa0;: %3 + %4 = %5, +%6</translation>
    </message>
    <message>
        <source>%1 laid %2 on the left: %3 + %4 = %5, +%6</source>
        <translation>%1 pose %2 à gauche&#xa0;: %3 + %4 = %5, +%6</translation>
    </message>
    <message>
        <source>%1 laid %2 on the right: %3 + %4 = %5, +%6</source>
        <translation>%1 pose %2 à droite&#xa0;: %3 + %4 = %5, +%6</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>How the round ended, then what it was worth: two sentences.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Totals: %1 %2, Computer %3</source>
        <translation>Totaux&#xa0;: %1 %2, Ordinateur %3</translation>
    </message>
    <message>
        <source>%1 wins the game, %2 to %3.</source>
        <translation>%1 gagne la partie, %2 à %3.</translation>
    </message>
    <message>
        <source>Opened from a file: %1 %2, Computer %3</source>
        <translation>Partie ouverte depuis un fichier&#xa0;: %1 %2, Ordinateur %3</translation>
    </message>
    <message>
        <source>Round restarted, back to %1 %2, Computer %3</source>
        <translation>Manche recommencée, retour à %1 %2, Ordinateur %3</translation>
    </message>
    <message>
        <source>Game restarted: %1 %2, Computer %3</source>
        <translation>Partie recommencée&#xa0;: %1 %2, Ordinateur %3</translation>
    </message>
    <message>
        <source>%1 went out.</source>
        <translation>%1 fait domino.</translation>
    </message>
    <message>
        <source>%1 reached 200 mid-round.</source>
        <translation>%1 atteint 200 en cours de manche.</translation>
    </message>
    <message>
        <source>%1 reached 200 mid-round (%2).</source>
        <translation>%1 atteint 200 en cours de manche (%2).</translation>
    </message>
    <message>
        <source>Blocked.</source>
        <translation>Jeu bloqué.</translation>
    </message>
    <message>
        <source>Blocked, a tie.</source>
        <translation>Jeu bloqué, égalité.</translation>
    </message>
    <message>
        <source>%1 holds %2, Computer %3: no points</source>
        <translation>%1 a %2 en main, Ordinateur %3&#xa0;: aucun point</translation>
    </message>
    <message>
        <source>%1 holds %2, Computer %3: %4, +%5 to %6</source>
        <translation>%1 a %2 en main, Ordinateur %3&#xa0;: %4, +%5 pour %6</translation>
    </message>
    <message>
        <source>%1 holds %2, Computer %3: %4, rounds to %5, +%6 to %7</source>
        <translation>%1 a %2 en main, Ordinateur %3&#xa0;: %4, arrondi à %5, +%6 pour %7</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The dominoes a side held, the last two joined: &quot;6-4, 3-3 and 2-1&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 held %2: %3</source>
        <translation>%1 avait %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>this is a saved game of the classic window: open it with Open a Previous Game</source>
        <translation>c’est une partie enregistrée de la fenêtre classique&#xa0;: ouvrez-la avec Ouvrir une partie précédente</translation>
    </message>
    <message>
        <source>this is not a table file</source>
        <translation>ce n’est pas un fichier de table</translation>
    </message>
    <message>
        <source>this line does not follow from the game before it</source>
        <translation>cette ligne ne découle pas de la partie qui précède</translation>
    </message>
    <message>
        <source>the file goes on after the table&apos;s state</source>
        <translation>le fichier continue après l’état de la table</translation>
    </message>
    <message>
        <source>the computers&apos; decisions differ from the game</source>
        <translation>les décisions des ordinateurs ne correspondent pas à la partie</translation>
    </message>
    <message>
        <source>this line cannot be read</source>
        <translation>cette ligne est illisible</translation>
    </message>
    <message>
        <source>the file ends before the table&apos;s state</source>
        <translation>le fichier s’arrête avant l’état de la table</translation>
    </message>
    <message>
        <source>this line does not agree with the game as replayed</source>
        <translation>cette ligne ne concorde pas avec la partie rejouée</translation>
    </message>
    <message>
        <source>no table is played with these rules</source>
        <translation>aucune table ne se joue avec ces règles</translation>
    </message>
    <message>
        <source>this seat is not the one to play</source>
        <translation>ce n’est pas à cette place de jouer</translation>
    </message>
    <message>
        <source>the rules refuse this move</source>
        <translation>les règles refusent ce coup</translation>
    </message>
</context>
<context>
    <name>TableHistory</name>
    <message>
        <source>The game was added to the end of the damaged history %1.</source>
        <translation>La partie a été ajoutée à la fin de l’historique abîmé %1.</translation>
    </message>
    <message>
        <source>The game could not be added to the history: %1</source>
        <translation>La partie n’a pas pu être ajoutée à l’historique&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1&apos;s games of %2 could not be added to the history: %3</source>
        <translation>Les parties de %2 de %1 n’ont pas pu être ajoutées à l’historique&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partenaire</translation>
    </message>
    <message>
        <source>Across</source>
        <translation>En face</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>You and %1</source>
        <translation>Vous et %1</translation>
    </message>
    <message>
        <source>you and %1</source>
        <translation>vous et %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>1 domino</source>
        <translation>1 domino</translation>
    </message>
    <message>
        <source>%1 dominoes</source>
        <translation>%1 dominos</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maître</translation>
    </message>
    <message>
        <source>Partners</source>
        <translation>Dominos en équipes</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Dominos bloqués</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dominos à la pioche</translation>
    </message>
    <message>
        <source>All Fives</source>
        <translation>Tous les cinq</translation>
    </message>
    <message>
        <source>Fives and Threes</source>
        <translation>Cinq et trois</translation>
    </message>
    <message>
        <source>Four at the table, partners opposite, all 28 dealt; the side that goes out takes the pips left in every hand.</source>
        <translation>Quatre à la table, partenaires face à face, les 28 distribués&#xa0;; l’équipe qui finit prend les points de toutes les mains.</translation>
    </message>
    <message>
        <source>Seven each, no drawing: pass when nothing fits; the winner takes the others&apos; pips less their own.</source>
        <translation>Sept chacun, sans pioche&#xa0;: on passe quand rien ne va&#xa0;; le gagnant prend les points des autres moins les siens.</translation>
    </message>
    <message>
        <source>Draw from the BoneYard until a domino fits; the winner takes the others&apos; pips less their own.</source>
        <translation>Piochez jusqu’à ce qu’un domino aille&#xa0;; le gagnant prend les points des autres moins les siens.</translation>
    </message>
    <message>
        <source>Draw when stuck; score the open ends whenever they add up to a multiple of five.</source>
        <translation>Piochez si vous êtes bloqué&#xa0;; marquez les bouts quand leur total est un multiple de cinq.</translation>
    </message>
    <message>
        <source>Score the ends by fives and threes (15 scores 8); knock when nothing fits.</source>
        <translation>Marquez les bouts par cinq et par trois (15 vaut 8)&#xa0;; frappez quand rien ne va.</translation>
    </message>
    <message>
        <source>%1: leads %2</source>
        <translation>%1&#xa0;: ouvre avec %2</translation>
    </message>
    <message>
        <source>%1: lays %2 on the left end</source>
        <translation>%1&#xa0;: pose %2 à gauche</translation>
    </message>
    <message>
        <source>%1: lays %2 on the right end</source>
        <translation>%1&#xa0;: pose %2 à droite</translation>
    </message>
    <message>
        <source>, scores %1</source>
        <translation>, marque %1</translation>
    </message>
    <message>
        <source>%1: draws</source>
        <translation>%1&#xa0;: pioche</translation>
    </message>
    <message>
        <source>%1: passes</source>
        <translation>%1&#xa0;: passe</translation>
    </message>
    <message>
        <source>%1 won the game</source>
        <translation>%1 a gagné la partie</translation>
    </message>
    <message>
        <source>%1 went out.</source>
        <translation>%1 a fini.</translation>
    </message>
    <message>
        <source>The game is blocked.</source>
        <translation>La main est bloquée.</translation>
    </message>
    <message>
        <source>%1 reached %2.</source>
        <translation>%1 a atteint %2.</translation>
    </message>
    <message>
        <source>The lowest hands are level: nobody scores.</source>
        <translation>Les mains les plus faibles sont à égalité&#xa0;: personne ne marque.</translation>
    </message>
    <message>
        <source>Nothing to %1.</source>
        <translation>Rien pour %1.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 hold %2</source>
        <translation>%1 ont %2</translation>
    </message>
    <message>
        <source>, less </source>
        <translation>, moins </translation>
    </message>
    <message>
        <source>%1: %2, to %3</source>
        <translation>%1&#xa0;: %2, pour %3</translation>
    </message>
    <message>
        <source>Line, empty</source>
        <translation>Ligne, vide</translation>
    </message>
    <message>
        <source>Line, open ends %1 and %2</source>
        <translation>Ligne, bouts %1 et %2</translation>
    </message>
    <message>
        <source>Hint: draw</source>
        <translation>Conseil&#xa0;: piochez</translation>
    </message>
    <message>
        <source>Hint: pass</source>
        <translation>Conseil&#xa0;: passez</translation>
    </message>
    <message>
        <source>Hint: lead %1</source>
        <translation>Conseil&#xa0;: ouvrez avec %1</translation>
    </message>
    <message>
        <source>Hint: lay %1 on the left end</source>
        <translation>Conseil&#xa0;: posez %1 à gauche</translation>
    </message>
    <message>
        <source>Hint: lay %1 on the right end</source>
        <translation>Conseil&#xa0;: posez %1 à droite</translation>
    </message>
    <message>
        <source>you</source>
        <translation>vous</translation>
    </message>
    <message>
        <source>A blocked hand scores nothing.</source>
        <translation>Une main bloquée ne vaut rien.</translation>
    </message>
    <message>
        <source>Hand %1</source>
        <translation>Main %1</translation>
    </message>
    <message>
        <source>Pips left: %1</source>
        <translation>Points restants&#xa0;: %1</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Points&#xa0;: %1</translation>
    </message>
    <message>
        <source>Every count that scored and every hand&apos;s award of the present game</source>
        <translation>Chaque compte qui a marqué et les points gagnés à chaque main de la partie en cours</translation>
    </message>
</context>
<context>
    <name>pipwright::GameConditionsDialog</name>
    <message>
        <source>%1 Seconds to Play a Domino.</source>
        <translation>%1 s pour jouer un domino.</translation>
    </message>
    <message>
        <source>%1 Seconds to Play a Domino</source>
        <translation>%1 s pour jouer un domino</translation>
    </message>
    <message>
        <source>Game Conditions</source>
        <translation>Conditions de jeu</translation>
    </message>
    <message>
        <source>Play Timers</source>
        <translation>Minuteur</translation>
    </message>
    <message>
        <source>To increase the Time You or the Computer have to play a Domino, move the Slider to the right and to decrease the time, move it to the Left.  The minimum time is 1 seconds and the maximum is 12 seconds.  To start the Timer, Check the Box to the Left.</source>
        <translation>Pour allonger le temps dont vous et l’ordinateur disposez pour jouer un domino, déplacez le curseur vers la droite&#xa0;; pour le raccourcir, vers la gauche. Le minimum est de 1 seconde et le maximum de 12 secondes. Pour lancer le minuteur, cochez la case à gauche.</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Niveau de jeu</translation>
    </message>
    <message>
        <source>Starting the Next Hand</source>
        <translation>Manche suivante</translation>
    </message>
    <message>
        <source>The Winner of the Game will place the Set Domino on the Next Game.</source>
        <translation>Le gagnant de la manche pose le domino de départ de la manche suivante.</translation>
    </message>
    <message>
        <source>Check this Box if You want to record Today&apos;s Wins and Losses.  The Game History of the individual Player can be viewed by a Menu selection.</source>
        <translation>Cochez cette case pour enregistrer les victoires et défaites du jour. L’historique des parties de chaque joueur s’affiche depuis le menu.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%1 and the Computer will each draw one Domino from the BoneYard and whoever has the Domino with the largest value will start the next Game.</source>
        <translation>%1 et l’ordinateur piochent chacun un domino, et celui qui a le domino le plus fort commence la manche suivante.</translation>
    </message>
    <message>
        <source>An Expert Player.  The Computer will provide fierce competition to %1.</source>
        <translation>Un joueur expert. L’ordinateur sera un adversaire redoutable pour %1.</translation>
    </message>
    <message>
        <source>A Master Player.  The Computer plays to win, and never looks at %1&apos;s Dominos.</source>
        <translation>Un joueur maître. L’ordinateur joue pour gagner contre %1, sans voir ses dominos.</translation>
    </message>
    <message>
        <source>A Novice Player.  The Computer will not present much of a challenge to %1.</source>
        <translation>Un joueur novice. L’ordinateur ne posera guère de difficultés à %1.</translation>
    </message>
</context>
<context>
    <name>pipwright::GameTable</name>
    <message>
        <source>Player&apos;s Selection</source>
        <translation>Choix du joueur</translation>
    </message>
    <message>
        <source>Computer&apos;s Selection</source>
        <translation>Choix de l’ordinateur</translation>
    </message>
    <message>
        <source>Computer&apos;s Dominos</source>
        <translation>Main de l’ordinateur</translation>
    </message>
    <message>
        <source>BoneYard Dominos</source>
        <translation>Pioche</translation>
    </message>
    <message>
        <source>Can&apos;t Play</source>
        <translation>Je boude</translation>
    </message>
    <message>
        <source>Player&apos;s Dominos</source>
        <translation>Vos dominos</translation>
    </message>
</context>
<context>
    <name>pipwright::HistoryChart</name>
    <message numerus="yes">
        <source>Won %1 and lost %2 of %3 games: %4% won.</source>
        <translation>
            <numerusform>Victoires&#xa0;: %1, défaites&#xa0;: %2, total&#xa0;: %3 (%4&#xa0;% de victoires).</numerusform>
            <numerusform>Victoires&#xa0;: %1, défaites&#xa0;: %2, total&#xa0;: %3 (%4&#xa0;% de victoires).</numerusform>
        </translation>
    </message>
    <message>
        <source>The last %1 of %2 days played:</source>
        <translation>Les %1 derniers des %2 jours joués&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2 won, %3 lost</source>
        <translation>%1&#xa0;: victoires %2, défaites %3</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Victoires</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Défaites</translation>
    </message>
    <message>
        <source>The last %1 of %2 days</source>
        <translation>Les %1 derniers des %2 jours</translation>
    </message>
</context>
<context>
    <name>pipwright::NewTableDialog</name>
    <message>
        <source>New Table</source>
        <translation>Nouvelle table</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Jeu&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Seats:</source>
        <translation>&amp;Sièges&#xa0;:</translation>
    </message>
    <message>
        <source>Play as two &amp;partnerships</source>
        <translation>Jouer en deux é&amp;quipes</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Objectif&#xa0;:</translation>
    </message>
    <message>
        <source>The target must be reached &amp;exactly</source>
        <translation>L’objectif doit être atteint &amp;exactement</translation>
    </message>
    <message>
        <source>The pips in all hands</source>
        <translation>Les points de toutes les mains</translation>
    </message>
    <message>
        <source>The opponents&apos; pips only</source>
        <translation>Les points des adversaires seulement</translation>
    </message>
    <message>
        <source>&amp;Award:</source>
        <translation>&amp;Gain&#xa0;:</translation>
    </message>
    <message>
        <source>%1 plays as:</source>
        <translation>%1 joue en&#xa0;:</translation>
    </message>
</context>
<context>
    <name>pipwright::ScoreSheetWindow</name>
    <message>
        <source>Score Sheet</source>
        <translation>Feuille de marque</translation>
    </message>
    <message>
        <source>Every count that scored and every round&apos;s award of the present game</source>
        <translation>Chaque compte qui a marqué et les points gagnés à chaque manche de la partie en cours</translation>
    </message>
</context>
<context>
    <name>pipwright::TableDrawing</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>BoneYard
%1</source>
        <translation>Pioche
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
        <translation>Attendez votre tour.</translation>
    </message>
    <message>
        <source>Select a domino first.</source>
        <translation>Choisissez d’abord un domino.</translation>
    </message>
    <message>
        <source>That domino is not in your hand.</source>
        <translation>Ce domino n’est pas dans votre main.</translation>
    </message>
    <message>
        <source>That domino does not match that end.</source>
        <translation>Ce domino ne va pas à ce bout.</translation>
    </message>
    <message>
        <source>A domino fits: lay it.</source>
        <translation>Un domino va&#xa0;: posez-le.</translation>
    </message>
    <message>
        <source>This game does not draw: pass.</source>
        <translation>Ce jeu ne pioche pas&#xa0;: passez.</translation>
    </message>
    <message>
        <source>The BoneYard is empty: pass.</source>
        <translation>La pioche est vide&#xa0;: passez.</translation>
    </message>
    <message>
        <source>Draw from the BoneYard first.</source>
        <translation>Piochez d’abord.</translation>
    </message>
    <message>
        <source>The hand is still being played.</source>
        <translation>La main est encore en cours.</translation>
    </message>
    <message>
        <source>Not now.</source>
        <translation>Pas maintenant.</translation>
    </message>
    <message>
        <source>%1 – Pipwright</source>
        <translation>%1 – Pipwright</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Table</translation>
    </message>
    <message>
        <source>&amp;New Table...</source>
        <translation>&amp;Nouvelle table...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Restart the Game</source>
        <translation>&amp;Recommencer la partie</translation>
    </message>
    <message>
        <source>Score S&amp;heet</source>
        <translation>&amp;Feuille de points</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Previous Domino</source>
        <translation>Domino précédent</translation>
    </message>
    <message>
        <source>Next Domino</source>
        <translation>Domino suivant</translation>
    </message>
    <message>
        <source>&amp;Select Domino</source>
        <translation>&amp;Choisir le domino</translation>
    </message>
    <message>
        <source>Lay on the &amp;Left End</source>
        <translation>Poser à &amp;gauche</translation>
    </message>
    <message>
        <source>Lay on the &amp;Right End</source>
        <translation>Poser à &amp;droite</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Piocher</translation>
    </message>
    <message>
        <source>&amp;Pass</source>
        <translation>P&amp;asser</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Co&amp;nseil</translation>
    </message>
    <message>
        <source>&amp;Next Hand</source>
        <translation>Main &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Faster Computers</source>
        <translation>Ordinateurs plus &amp;rapides</translation>
    </message>
    <message>
        <source>&amp;Normal Pace</source>
        <translation>Rythme &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Slower Computers</source>
        <translation>Ordinateurs plus &amp;lents</translation>
    </message>
    <message>
        <source>&amp;Movement</source>
        <translation>&amp;Mouvement</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Votre main</translation>
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
        <translation>, à jouer</translation>
    </message>
    <message>
        <source>Your turn.</source>
        <translation>À vous.</translation>
    </message>
    <message>
        <source>%1 is thinking...</source>
        <translation>%1 réfléchit...</translation>
    </message>
    <message>
        <source>It fits both ends: choose one.</source>
        <translation>Il va aux deux bouts&#xa0;: choisissez-en un.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Points&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pips left: %1</source>
        <translation>Points restants&#xa0;: %1</translation>
    </message>
    <message>
        <source>The hand is over</source>
        <translation>La main est finie</translation>
    </message>
    <message>
        <source>The game is over</source>
        <translation>La partie est finie</translation>
    </message>
    <message>
        <source>Hand %1 dealt.</source>
        <translation>Main %1 distribuée.</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Next hand</source>
        <translation>Main suivante</translation>
    </message>
    <message>
        <source>This hand must be led with %1.</source>
        <translation>Il faut ouvrir cette main avec %1.</translation>
    </message>
    <message>
        <source>Tables (*.table);;All Files (*)</source>
        <translation>Tables (*.table);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save the Table</source>
        <translation>Enregistrer la table</translation>
    </message>
    <message>
        <source>The table was not saved to
%1

%2</source>
        <translation>La table n’a pas été enregistrée dans
%1

%2</translation>
    </message>
    <message>
        <source>Open a Table</source>
        <translation>Ouvrir une table</translation>
    </message>
    <message>
        <source>No games are in your history yet.</source>
        <translation>Votre historique ne contient encore aucune partie.</translation>
    </message>
    <message>
        <source>Game Histor&amp;y</source>
        <translation>&amp;Historique des parties</translation>
    </message>
</context>
<context>
    <name>pipwright::frmDominos</name>
    <message>
        <source>Width=%1   Height=%2</source>
        <translation>Largeur=%1   Hauteur=%2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>The game was not saved to
%1

%2</source>
        <translation>La partie n’a pas été enregistrée dans
%1

%2</translation>
    </message>
    <message>
        <source>The file
%1
could not be opened.

%2</source>
        <translation>Le fichier
%1
n’a pas pu être ouvert.

%2</translation>
    </message>
    <message>
        <source>The game history %1 is damaged at line %2, and is kept as it is; today&apos;s games are still added to its end.</source>
        <translation>L’historique des parties %1 est abîmé à la ligne %2 et reste tel quel&#xa0;; les parties du jour sont quand même ajoutées à la fin.</translation>
    </message>
    <message>
        <source>Your dominoes</source>
        <translation>Vos dominos</translation>
    </message>
    <message>
        <source>Computer&apos;s Dominos</source>
        <translation>Main de l’ordinateur</translation>
    </message>
    <message>
        <source>Left and Right move the highlight, 1 to 9 jump to a domino, Enter selects it, Escape clears the highlight, C presses Can&apos;t Play</source>
        <translation>Flèche gauche et Flèche droite déplacent la surbrillance, 1 à 9 vont à un domino, Enter le choisit, Escape efface la surbrillance, C appuie sur Je boude</translation>
    </message>
    <message>
        <source>L lays the selected domino on the left end, R on the right end</source>
        <translation>L pose le domino choisi au bout gauche, R au bout droit</translation>
    </message>
    <message>
        <source>B draws a domino</source>
        <translation>B pioche un domino</translation>
    </message>
    <message>
        <source>Save the Present Game</source>
        <translation>Enregistrer la partie en cours</translation>
    </message>
    <message>
        <source>Open the Previous Game</source>
        <translation>Ouvrir une partie précédente</translation>
    </message>
    <message>
        <source>All Files (*.txt*) (*.txt)</source>
        <translation>Tous les fichiers (*.txt*) (*.txt)</translation>
    </message>
    <message>
        <source>To Restart the Timer</source>
        <translation>Pour relancer le minuteur</translation>
    </message>
    <message>
        <source>%1
Your previous game had the Play Timer set to
%2 Seconds.  To Restart the Timer, select Playing
Conditions from the Menu and place a check mark in the
proper Box.</source>
        <translation>%1
Dans votre partie précédente, le minuteur de jeu était réglé
sur %2 s. Pour le relancer, choisissez Conditions de jeu
dans le menu Partie et cochez la case
prévue à cet effet.</translation>
    </message>
    <message>
        <source>Restart the Entire Game</source>
        <translation>Recommencer toute la partie</translation>
    </message>
    <message>
        <source>Abandon this game at %1 to %2 and start a new one?</source>
        <translation>Abandonner cette partie à %1 contre %2 et en commencer une autre&#xa0;?</translation>
    </message>
    <message>
        <source>Restart the Existing Round</source>
        <translation>Recommencer la manche en cours</translation>
    </message>
    <message>
        <source>Abandon the dominoes laid in this round and deal it again?</source>
        <translation>Abandonner les dominos posés dans cette manche et la redistribuer&#xa0;?</translation>
    </message>
    <message>
        <source>No hint for a draw: any domino in the BoneYard will do</source>
        <translation>Pas de conseil pour piocher&#xa0;: n’importe quel domino de la pioche convient</translation>
    </message>
    <message>
        <source>No hint now: it is not your turn</source>
        <translation>Pas de conseil maintenant&#xa0;: ce n’est pas votre tour</translation>
    </message>
</context>
<context>
    <name>pipwright::frmTitle</name>
    <message>
        <source>What is Your Name?</source>
        <translation>Quel est votre nom&#xa0;?</translation>
    </message>
</context>
</TS>
